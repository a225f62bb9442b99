// Real timers for the models' timers.
//
// Each model timer gets a QTimer. After every event the driver starts the QTimers
// whose model timer became enabled and stops those that became disabled; a timer
// that stays enabled is left alone, because QTimer::start() would restart it. A
// timer with `Inputs` also sleeps after a firing that changed nothing and starts
// again at the first event that changes its inputs (see TimerSleep), so a window
// waiting for its player does not wake at all.
#pragma once

#include "dispatcher.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/timer_sleep.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

namespace tarvelon::qt {

class TimerDriver {
public:
    explicit TimerDriver(Dispatcher& dispatcher);

    // Drives `timer`, running `onFire` through the dispatcher at each firing.
    void add(const Timer& timer, std::function<void()> onFire);

    // Starts and stops the real timers to match the models.
    void sync();

    // Stops every timer, whatever the models say; for a window that has closed.
    void stopAll();

private:
    struct Driven {
        TimerSleep sleep;
        std::unique_ptr<QTimer> timer;
    };
    Dispatcher& dispatcher_;
    std::deque<Driven> driven_; // a deque, so the firings' handlers may keep pointers
};

} // namespace tarvelon::qt
