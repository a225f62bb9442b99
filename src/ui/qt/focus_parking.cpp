// Parking the focus on the window while its control is disabled.
#include "focus_parking.h"

namespace tarvelon::qt {

void FocusParking::setEnabled(QWidget* widget, bool enabled) {
    QWidget* window = widget->window();
    if (!enabled && window->focusWidget() == widget) {
        window->setFocus(Qt::OtherFocusReason);
        parkedFrom_ = widget;
    }
    widget->setEnabled(enabled);
    if (enabled && widget == parkedFrom_) {
        if (window->focusWidget() == window)
            widget->setFocus(Qt::OtherFocusReason);
        parkedFrom_.clear();
    }
}

} // namespace tarvelon::qt
