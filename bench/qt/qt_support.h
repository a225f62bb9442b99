// Qt helpers shared by the game's benchmark programs and their bare-Qt floors, so
// both sides show windows, wait and measure in exactly the same way.
#pragma once

#include "bench_support.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <optional>

namespace tarvelon::bench {

// Shows `widget` and returns when its window first reports itself exposed, with
// the time the expose event arrived (not the time the wait noticed it, which
// would add the polling interval of QTest::qWaitForWindowExposed). Nullopt when
// it is not exposed within ten seconds.
// Benchmarks run offscreen unless told otherwise; call before the application is made.
inline void useOffscreenUnlessSet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline std::optional<Clock::time_point> showAndWaitExposed(QWidget& widget) {
    class ExposeWatcher : public QObject {
    public:
        explicit ExposeWatcher(QWidget& watched) : watched_(watched) {}
        std::optional<Clock::time_point> exposedAt;
        QEventLoop loop;

    protected:
        bool eventFilter(QObject* target, QEvent* event) override {
            if (event->type() == QEvent::Expose && !exposedAt &&
                target == watched_.windowHandle() && watched_.windowHandle()->isExposed()) {
                exposedAt = Clock::now();
                loop.quit();
            }
            return false;
        }

    private:
        QWidget& watched_;
    };

    ExposeWatcher watcher(widget);
    QCoreApplication::instance()->installEventFilter(&watcher);
    widget.show();
    // The expose event may already have come during show().
    if (!watcher.exposedAt) {
        QTimer::singleShot(10000, &watcher.loop, &QEventLoop::quit);
        watcher.loop.exec();
    }
    QCoreApplication::instance()->removeEventFilter(&watcher);
    return watcher.exposedAt;
}

// Runs the event loop for `milliseconds` of wall time.
inline void runEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop for `milliseconds` and reports the process's CPU seconds
// and its wake-ups per wall second meanwhile ("cpu_per_s", "wakeups_per_s"), and
// its wake-ups per race tick when `ticks` counts them ("wakeups_per_tick").
inline void reportLoadOver(int milliseconds, const std::function<int()>& ticks = {}) {
    const int ticksBefore = ticks ? ticks() : 0;
    const long wakeUpsBefore = wakeUps();
    const double cpuBefore = cpuSeconds();
    const Clock::time_point wallBefore = Clock::now();
    runEventsFor(milliseconds);
    const double cpuUsed = cpuSeconds() - cpuBefore;
    const long woken = wakeUps() - wakeUpsBefore;
    const double seconds = millisecondsBetween(wallBefore, Clock::now()) / 1000.0;
    report("cpu_per_s", cpuUsed / seconds);
    report("wakeups_per_s", static_cast<double>(woken) / seconds);
    if (ticks)
        report("wakeups_per_tick", static_cast<double>(woken) / (ticks() - ticksBefore));
}

// The window size of the game's main window, so the floors show as many pixels.
inline constexpr int gameWindowWidth = 723, gameWindowHeight = 467;
// The track and a car sprite, in pixels.
inline constexpr int trackWidth = 604, trackHeight = 304;
inline constexpr int spriteWidth = 50, spriteHeight = 34;

} // namespace tarvelon::bench
