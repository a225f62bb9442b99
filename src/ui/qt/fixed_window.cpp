// Fixed-size top-level windows and the title-bar controls they offer.
#include "fixed_window.h"

#include "window_keeping.h"

#include <QWidget>

namespace tarvelon::qt {

void makeFixedWindow(QWidget& window, QSize size) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(size);
    keepFixedSize(window);
}

} // namespace tarvelon::qt
