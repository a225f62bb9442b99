// Keeping the game's windows whole whatever the desktop does with them: fixed windows
// that come back from a maximise, and windows that come back onto a screen that is there.
#pragma once

#include <functional>

class QWidget;

namespace tarvelon::qt {

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
