// The application's name, style and font.
#include "application.h"

#include "fonts.h"

#include <QApplication>

namespace tarvelon::qt {

void configureApplication() {
    QApplication::setApplicationName(QStringLiteral("Tarvelon 2000"));
    QApplication::setDesktopFileName(QStringLiteral("tarvelon2000"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(defaultFont());
}

} // namespace tarvelon::qt
