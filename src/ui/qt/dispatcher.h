// The one road of every event: run the handler to its end, then render.
//
// Handlers run one at a time. A timer that fires while a handler is still running
// (under a modal message box's own event loop) is skipped: its next firing comes
// soon enough, and no handler ever runs inside another.
#pragma once

#include <functional>
#include <vector>

namespace tarvelon::qt {

class Dispatcher {
public:
    // Called after every event, in the order added, to bring the screen and the
    // real timers in line with the models.
    void addRenderer(std::function<void()> renderer);

    // Runs `handler` and renders. A click or a firing that arrives while another
    // handler runs is dropped.
    void dispatch(const std::function<void()>& handler);

    // Runs a timer's `handler`, and renders only when it says the firing may have
    // changed something.
    void dispatchFiring(const std::function<bool()>& handler);

    // Renders now, e.g. before a message box shows what the handler has done so far.
    void render();

private:
    std::vector<std::function<void()>> renderers_;
    bool busy_ = false;
};

} // namespace tarvelon::qt
