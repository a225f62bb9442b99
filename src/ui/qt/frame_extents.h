// The frame a window manager will put around a top-level window, learnt before the
// window is shown, so that the window can be placed by its outer size.
#pragma once

#include <QMargins>

#include <optional>

class QWindow;

namespace tarvelon::qt {

// The frame's widths around `window`, whose native window exists but is not yet
// shown, asked of the X11 window manager. Zero where nothing frames windows (other
// platforms, no window manager); none when the window manager does not tell.
std::optional<QMargins> expectedFrameMargins(const QWindow& window);

// The frame's widths around `window` just shown, once the window manager has framed
// it; zero when it does not say within a moment.
QMargins frameMargins(const QWindow& window);

} // namespace tarvelon::qt
