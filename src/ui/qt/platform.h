// Where the program meets the platform: starting Qt, or failing plainly without a
// display; the frame an X11 window manager puts around a window; the desktop's
// requests to end; and ending the process once the game is over.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QMargins>

#include <cstdint>
#include <functional>
#include <memory>

class QWindow;
struct xcb_connection_t;

namespace tarvelon::qt {

// The application, connected to the display. Where the player has not chosen a
// platform, a Wayland compositor that draws no title bars of its own is left for its
// XWayland, whose window manager honours a fixed size. Where no display can be opened
// (none set, no server there, no compositor), Qt would abort with a core dump after
// advice to reinstall; instead this writes one line naming the display and exits with 1.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

// Names the application and its desktop entry, and gives it one style and one
// default font everywhere, so the window looks the same on every desktop.
void configureApplication();

// Whether the application runs on a Wayland compositor, through any of Qt's Wayland
// platforms.
bool onWayland();

// From now on SIGTERM, SIGINT and SIGHUP, as a desktop session sends them at log-out
// or a terminal on Ctrl+C or hang-up, each run `onSignal` on the UI thread, from the
// event loop that runs when it comes (a message box's included). Call once, after
// the application is made.
void onTerminationSignals(std::function<void()> onSignal);

// On Wayland, ends the process at once with the given status, leaving the platform as
// it is: Qt 6.4's Wayland client can deadlock while joining its event threads, which
// would leave the program running, windowless, after Exit. Elsewhere it returns, and
// the application is torn down as usual.
void endAtOnceOnWayland(int status);

// The frame an X11 window manager puts around a top-level window, learnt from the
// window manager's own word whenever it comes, so that the window can be placed by
// its outer size without ever waiting for it.
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
