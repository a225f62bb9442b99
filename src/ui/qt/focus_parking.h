// Where the keyboard focus waits while the control that held it is disabled.
//
// Qt hands the focus of a control being disabled on to the next control in the tab
// chain. In the game window that is a name box, its text selected: a screen reader
// reads the name out during the race, and after the reset Space presses nothing. So
// the focus waits on the window instead, and goes back to the control when it is
// enabled again, unless the player has moved it meanwhile.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tarvelon::qt {

class FocusParking {
public:
    // Enables or disables `widget`, keeping the focus as above.
    void setEnabled(QWidget* widget, bool enabled);

private:
    QPointer<QWidget> parkedFrom_; // the control whose focus waits on its window
};

} // namespace tarvelon::qt
