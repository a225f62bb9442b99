// Starting and stopping real timers to follow the models.
#include "timer_driver.h"

namespace tarvelon::qt {

TimerDriver::TimerDriver(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

void TimerDriver::add(const Timer& timer, std::function<bool()> onFire) {
    auto real = std::make_unique<QTimer>();
    real->setObjectName(QString::fromStdString(timer.Name));
    real->setInterval(timer.Interval);
    // Precise, so the race ticks and the one-second signal keep to the millisecond.
    real->setTimerType(Qt::PreciseTimer);
    QObject::connect(real.get(), &QTimer::timeout,
                     [this, onFire = std::move(onFire)] { dispatcher_.dispatchFiring(onFire); });
    driven_.push_back({&timer, std::move(real)});
    sync();
}

void TimerDriver::sync() {
    for (Driven& driven : driven_) {
        if (driven.model->Enabled && !driven.timer->isActive())
            driven.timer->start();
        else if (!driven.model->Enabled && driven.timer->isActive())
            driven.timer->stop();
    }
}

void TimerDriver::stopAll() {
    for (Driven& driven : driven_)
        driven.timer->stop();
}

} // namespace tarvelon::qt
