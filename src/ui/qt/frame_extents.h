// The frame an X11 window manager puts around a top-level window, learnt from the
// window manager's own word whenever it comes, so that the window can be placed by
// its outer size without ever waiting for it.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>

#include <cstdint>
#include <functional>

class QWindow;
struct xcb_connection_t;

namespace tarvelon::qt {

class FrameExtents : public QAbstractNativeEventFilter {
public:
    // Listens for the frame around `window`, whose native window exists. A window
    // manager that lists the request for frame extents is asked at once, so that it
    // answers before the window is shown; others tell when they frame the shown
    // window, and some never do. `onFrame` runs with the frame's widths each time the
    // window manager tells them, up to its first word after the window is shown.
    // Nothing happens where no X11 window manager runs.
    FrameExtents(const QWindow& window, std::function<void(const QMargins&)> onFrame);
    ~FrameExtents() override;
    FrameExtents(const FrameExtents&) = delete;
    FrameExtents& operator=(const FrameExtents&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWindow& window_;
    std::function<void(const QMargins&)> onFrame_;
    xcb_connection_t* connection_ = nullptr;
    uint32_t extents_ = 0;
};

} // namespace tarvelon::qt
