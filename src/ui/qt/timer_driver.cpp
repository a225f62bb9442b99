// Starting and stopping real timers to follow the models.
#include "timer_driver.h"

namespace tarvelon::qt {

TimerDriver::TimerDriver(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

void TimerDriver::add(const Timer& timer, std::function<void()> onFire) {
    Driven& driven = driven_.emplace_back(Driven{TimerSleep(timer), std::make_unique<QTimer>()});
    QTimer& real = *driven.timer;
    real.setObjectName(QString::fromStdString(timer.Name));
    real.setInterval(timer.Interval);
    // Precise, so the race ticks and the one-second signal keep to the millisecond.
    real.setTimerType(Qt::PreciseTimer);
    QObject::connect(&real, &QTimer::timeout, [this, &driven, onFire = std::move(onFire)] {
        dispatcher_.dispatchFiring([&] {
            if (driven.sleep.fire(onFire))
                return true;
            // Nothing changed, so nothing renders and sync() does not run: a
            // timer that fell asleep stops here.
            if (!driven.sleep.shouldRun())
                driven.timer->stop();
            return false;
        });
    });
    sync();
}

void TimerDriver::sync() {
    for (Driven& driven : driven_) {
        const bool runs = driven.sleep.shouldRun();
        if (runs && !driven.timer->isActive())
            driven.timer->start();
        else if (!runs && driven.timer->isActive())
            driven.timer->stop();
    }
}

void TimerDriver::stopAll() {
    for (Driven& driven : driven_)
        driven.timer->stop();
}

} // namespace tarvelon::qt
