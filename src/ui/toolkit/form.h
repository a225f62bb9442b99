// What every window model has: a caption, and its controls and timers in the order
// the model built them.
//
// A model builds each control with `build`, which names it, places it and lays it over
// every control built before; the front end makes the real widgets in that order, so
// the order of building is the order of stacking. What a control does when clicked is
// bound by setting its `onClick` (a timer's `onTimer`) where it is built.
#pragma once

#include "controls.h"
#include "option_group.h"

#include <variant>
#include <vector>

namespace tarvelon {

// A control of any kind, for front ends that build widgets from a window model.
using ControlRef =
    std::variant<Frame*, CommandButton*, TextBox*, Label*, OptionButton*, Image*, Shape*>;

class Form {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string Caption;

    // Every control, back to front.
    const std::vector<ControlRef>& controls() const { return controls_; }
    // Every timer, in the order built.
    const std::vector<Timer*>& timers() const { return timers_; }

protected:
    Form() = default;
    ~Form() = default;

    // Names `control`, places it in `container` (none: the window's client area) in
    // twips and lays it over the controls built before it.
    template <class Kind>
    Kind& build(Kind& control, const char* name, const Frame* container, float left, float top,
                float width, float height) {
        control.Name = name;
        control.Container = container;
        control.Left = left;
        control.Top = top;
        control.Width = width;
        control.Height = height;
        controls_.push_back(&control);
        return control;
    }

    // Names `timer`, with its interval in milliseconds, whether it runs from the start,
    // and the handler its firings run.
    void build(Timer& timer, const char* name, int interval, bool enabled, Handler onTimer) {
        timer.Name = name;
        timer.Interval = interval;
        timer.Enabled = enabled;
        timer.onTimer = std::move(onTimer);
        timers_.push_back(&timer);
    }

private:
    std::vector<ControlRef> controls_;
    std::vector<Timer*> timers_;
};

} // namespace tarvelon
