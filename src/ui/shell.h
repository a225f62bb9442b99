// What the game window asks of the program around it: the standings window's
// life, closing the windows, and the screen's size.
//
// The Qt front end builds and destroys real windows behind these calls; headless
// runs use HeadlessShell (tests/support/headless_shell.h).
#pragma once

#include "status_form.h"

namespace tarvelon {

struct ScreenSize {
    double Width = 0, Height = 0; // twips
};

class Shell {
public:
    virtual ~Shell() = default;

    // The standings window; made, hidden, with its initial captions the first time
    // it is asked for. There is never more than one.
    virtual Status& status() = 0;

    // Closes the game window with its controls and timers.
    virtual void closeMain() = 0;

    // Closes the standings window, destroying its counts; nothing if it was never made.
    // The program ends once both windows are closed.
    virtual void closeStatus() = 0;

    virtual ScreenSize screenSize() const = 0;
};

} // namespace tarvelon
