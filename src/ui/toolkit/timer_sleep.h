// When a timer whose firings depend only on the models may sleep, and when it
// must wake: one rule for the real front end's timers and the virtual clock.
//
// A firing that leaves the timer's `Inputs` as they were changed nothing, and
// puts the timer to sleep. After every later event the front end asks whether
// the timer should run; it wakes the moment its inputs differ from those it fell
// asleep on, and then fires one interval later, as any timer just enabled does.
#pragma once

#include "controls.h"

#include <functional>
#include <optional>
#include <string>

namespace tarvelon {

class TimerSleep {
public:
    explicit TimerSleep(const Timer& timer) : timer_(timer) {}

    // Runs one firing through `onFire`, which returns whether the firing may have
    // changed anything; returns that, or false when the inputs stayed the same,
    // in which case the timer is asleep from now on.
    bool fire(const std::function<bool()>& onFire) {
        if (!timer_.Inputs)
            return onFire();
        std::string before = timer_.Inputs();
        const bool changed = onFire();
        if (timer_.Inputs() != before)
            return changed;
        sleepingOn_ = std::move(before);
        return false;
    }

    // Whether the timer should run after an event: it is enabled and awake, or
    // its inputs have changed since it fell asleep, which wakes it. A disabled
    // timer forgets its sleep, so enabling it again starts it as usual.
    bool shouldRun() {
        if (!timer_.Enabled || (sleepingOn_ && timer_.Inputs() != *sleepingOn_))
            sleepingOn_.reset();
        return timer_.Enabled && !sleepingOn_;
    }

private:
    const Timer& timer_;
    std::optional<std::string> sleepingOn_;
};

} // namespace tarvelon
