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

    // Runs one firing through `onFire`; returns whether it may have changed anything.
    // It did not when the timer's inputs stayed the same, and the timer is then asleep.
    bool fire(const std::function<void()>& onFire) {
        if (!timer_.Inputs) {
            onFire();
            return true;
        }
        std::string before = timer_.Inputs();
        onFire();
        if (timer_.Inputs() != before)
            return true;
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
