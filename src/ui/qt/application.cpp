// The application's name, style and font.
#include "application.h"

#include "fonts.h"
#include "ui/texts.h"

#include <QApplication>

namespace tarvelon::qt {

void configureApplication() {
    QApplication::setApplicationName(QString::fromUtf8(texts::applicationTitle));
    QApplication::setDesktopFileName(QStringLiteral("tarvelon2000"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(defaultFont());
}

} // namespace tarvelon::qt
