// Keeping the game's windows whole whatever the desktop does with them: a platform
// whose title bars honour a fixed size, fixed windows that come back from a maximise,
// and windows that come back onto a screen that is there.
#pragma once

#include <functional>

class QWidget;

namespace tarvelon::qt {

// Before the application is made. Where the player has not chosen a platform, and a
// Wayland compositor that leaves title bars to its clients runs beside a reachable X
// server (XWayland), chooses X11: the desktop's own window manager then draws the frame
// and reads the fixed size, which Qt's Wayland title bars ignore.
void preferDesktopTitleBars();

// When a top-level window of fixed size is made. Should something maximise it or make
// it full-screen all the same (a title bar that offers it whatever the window says, a
// double-click on a title, a key), it takes the size it is given, as Wayland demands,
// and asks at once to be normal again; its limits come back once it has its size again.
void keepFixedSize(QWidget& window);

// When a top-level window that the program places is made. Whenever the screens change
// and `window`'s frame no longer lies wholly on them, `place` puts it where it is placed
// at start. Nothing happens where a program cannot place its windows (Wayland).
void keepOnScreens(QWidget& window, std::function<void()> place);

} // namespace tarvelon::qt
