// Top-level windows of a fixed size, which offer no maximise.
#pragma once

#include <QSize>

class QWidget;

namespace tarvelon::qt {

// Gives the top-level `window` the fixed client `size` and a title bar with the
// window menu, minimise and close but no maximise, for the window manager's frame
// and any title bar that follows the window's flags; should it be maximised all the same,
// it comes back to its size.
void makeFixedWindow(QWidget& window, QSize size);

} // namespace tarvelon::qt
