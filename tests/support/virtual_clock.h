// A headless stand-in for the event loop's timers, driven by virtual time.
//
// It fires due timers one at a time in time order (ties in the order the timers
// were added) and, after every event, brings its schedule in line with the
// timers' `Enabled`: a timer that became enabled is due one interval later, one
// that became disabled is dropped, and one that stayed enabled keeps its phase.
// That is exactly what the real front end does with its timers after rendering.
//
// It can also let timers with `Inputs` sleep after a firing that changed nothing,
// as the real front end does, so a test can run a game both ways and compare.
#pragma once

#include "ui/toolkit/controls.h"
#include "ui/toolkit/timer_sleep.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tarvelon {

class VirtualClock {
public:
    using Millis = std::int64_t;

    enum class Firings {
        Every,    // every timer fires at every tick while enabled
        Sleeping, // timers with `Inputs` sleep as the real front end's do
    };
    explicit VirtualClock(Firings firings = Firings::Every) : firings_(firings) {}

    // Drives `timer`, calling `onFire` at each firing.
    void add(Timer& timer, std::function<void()> onFire);

    // Runs an event that is not a timer (a click, typing) at the current time.
    void event(const std::function<void()>& handler);

    // Moves time on by `ms`, firing every timer that falls due on the way.
    void advance(Millis ms) {
        advanceUntil([] { return false; }, ms);
    }

    // Moves time on until `done()` holds after some firing, or `limit` ms have passed.
    // Returns whether `done()` held.
    bool advanceUntil(const std::function<bool()>& done, Millis limit);

    Millis now() const { return now_; }

    long fired = 0; // the timers' firings so far

private:
    struct Entry {
        Timer* timer;
        std::function<void()> onFire;
        TimerSleep sleep{*timer};
        bool scheduled = false;
        Millis due = 0;
    };

    void settle();
    Entry* nextDue(Millis until);

    Firings firings_;
    std::vector<Entry> entries_;
    Millis now_ = 0;
};

} // namespace tarvelon
