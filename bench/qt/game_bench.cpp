// Measures the real game window: the race cadence through its real timers, and
// the CPU it takes idle and while racing. The game's boxes go to a recorder, so
// no modal dialog stops the clock; its code is not touched, only watched after
// each firing of the race tick and of the cut-off, whose handlers it wraps.
//
//   qt_bench_game cadence <races>    start signal and race-tick gaps
//   qt_bench_game idle <ms>          CPU per second between races
//   qt_bench_game racing <ms>        CPU per second with races back to back
//   qt_bench_game closing <rounds>   from the click of the second bet to the
//                                    cut-off's firing that closes betting, with a
//                                    race after each round
#include "qt_support.h"

#include "ui/qt/platform.h"

#include "support/message_recorder.h"
#include "ui/qt/windows.h"

#include <QApplication>
#include <QTest>

#include <QLineEdit>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>

namespace tarvelon::bench {
namespace {

// The game as the program builds it, with a recorder for its boxes and a watcher
// that notices race ticks (every tick moves the cars) and the end of each race.
class WatchedGame {
public:
    WatchedGame() {
        for (int slot = 0; slot < 6; ++slot)
            cars_[slot] = &game_.model().slots()[slot].car;
        // The front end renders right after each firing, as after every event.
        for (Timer* timer : {&game_.model().Race, &game_.model().limit})
            timer->onTimer = [this, handler = timer->onTimer] {
                handler();
                watch();
            };
        game_.start();
    }

    bool show() { return showAndWaitExposed(game_.gameWindow()).has_value(); }

    // Clicks "GO!" for real, and again as soon as each race ends until
    // `racesWanted` races have been run.
    void clickGo() {
        racing_ = true;
        log.startRace(Clock::now());
        QTest::mouseClick(goButton(), Qt::LeftButton);
    }

    // Chooses the car option `option`, types `stake` into the amount box and
    // clicks "Place Bet", all as the player would.
    void bet(const char* option, const char* stake) {
        QTest::mouseClick(widget(option), Qt::LeftButton);
        auto* amount = static_cast<QLineEdit*>(widget("Text7"));
        amount->selectAll();
        QTest::keyClicks(amount, QString::fromLatin1(stake));
        QTest::mouseClick(widget("Command5"), Qt::LeftButton);
    }

    TickLog log;
    int racesWanted = -1; // -1: no end
    QEventLoop* done = nullptr;
    // While set, the first firing that leaves "Place Bet" disabled notes its time
    // and quits `done`.
    bool watchClosing = false;
    std::optional<Clock::time_point> closedAt;

private:
    QWidget* widget(const char* name) {
        return game_.gameWindow().findChild<QWidget*>(QString::fromLatin1(name));
    }
    QWidget* goButton() { return widget("Command1"); }

    // Runs after every race tick and cut-off firing, so it compares six numbers and
    // reads the clock only when a car moved.
    void watch() {
        bool moved = false;
        for (int slot = 0; slot < 6; ++slot) {
            if (cars_[slot]->Left != shownLeft_[slot]) {
                shownLeft_[slot] = cars_[slot]->Left;
                moved = true;
            }
        }
        if (moved)
            log.tick(Clock::now());
        if (watchClosing && !game_.model().Command5.Enabled) {
            watchClosing = false;
            closedAt = Clock::now();
            done->quit();
        }
        // The race result enables "GO!" again in the tick that ends the race.
        if (racing_ && game_.model().Command1.Enabled) {
            racing_ = false;
            log.endRace();
            if (racesWanted >= 0 && log.races() >= racesWanted) {
                if (done)
                    done->quit();
            } else {
                // Not from inside the game's own handler: the click is an event of its own.
                QTimer::singleShot(0, [this] { clickGo(); });
            }
        }
    }

    MessageRecorder messages_;
    qt::Frontend game_{&messages_, [] {}};
    std::array<const Image*, 6> cars_{};
    std::array<float, 6> shownLeft_{30, 30, 30, 30, 30, 30};
    bool racing_ = false;
};

int cadence(int races) {
    WatchedGame game;
    if (!game.show())
        return 2;
    runEventsFor(200);
    QEventLoop done;
    game.done = &done;
    game.racesWanted = races;
    game.clickGo();
    QTimer::singleShot(races * 5000, &done, &QEventLoop::quit);
    done.exec();
    if (game.log.races() < races)
        return 3;
    game.log.reportAll();
    return 0;
}

// Counts the timer firings the game handles (only the 1 ms cut-off timer runs
// between races). A quiet cut-off tick renders nothing, so they are counted as
// they arrive, by an application-wide event filter.
class FiringCounter : public QObject {
public:
    long firings = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer)
            ++firings;
        return QObject::eventFilter(watched, event);
    }
};

int idle(int milliseconds) {
    WatchedGame game;
    if (!game.show())
        return 2;
    runEventsFor(300);
    FiringCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    reportLoadOver(milliseconds);
    report("events_per_s", 1000.0 * static_cast<double>(counter.firings) / milliseconds);
    return 0;
}

int racing(int milliseconds) {
    WatchedGame game;
    if (!game.show())
        return 2;
    runEventsFor(200);
    game.clickGo();
    runEventsFor(300);
    const int racesBefore = game.log.races();
    reportLoadOver(milliseconds, [&] { return game.log.ticks(); });
    report("races", game.log.races() - racesBefore);
    return 0;
}

int closing(int rounds) {
    WatchedGame game;
    if (!game.show())
        return 2;
    runEventsFor(200);
    double sum = 0, longest = 0;
    for (int round = 0; round < rounds; ++round) {
        QEventLoop closed, raced;
        game.done = &closed;
        game.bet("red", "10");
        runEventsFor(50);
        const Clock::time_point clicked = Clock::now();
        game.watchClosing = true;
        game.closedAt.reset();
        game.bet("green", "10");
        QTimer::singleShot(1000, &closed, &QEventLoop::quit);
        if (game.watchClosing)
            closed.exec();
        if (!game.closedAt)
            return 3;
        const double delay = millisecondsBetween(clicked, *game.closedAt);
        sum += delay;
        longest = std::max(longest, delay);
        // A race opens betting again.
        game.done = &raced;
        game.racesWanted = round + 1;
        game.clickGo();
        QTimer::singleShot(10000, &raced, &QEventLoop::quit);
        raced.exec();
        if (game.log.races() < round + 1)
            return 4;
    }
    report("closing_mean_ms", sum / rounds);
    report("closing_max_ms", longest);
    return 0;
}

} // namespace
} // namespace tarvelon::bench

int main(int argc, char* argv[]) {
    tarvelon::bench::useOffscreenUnlessSet();
    // As the program starts itself.
    QApplication app(argc, argv);
    tarvelon::qt::configureApplication();

    const std::string mode = argc > 1 ? argv[1] : "";
    const int amount = argc > 2 ? std::atoi(argv[2]) : 0;
    using namespace tarvelon::bench;
    if (mode == "cadence" && amount > 0)
        return cadence(amount);
    if (mode == "idle" && amount > 0)
        return idle(amount);
    if (mode == "racing" && amount > 0)
        return racing(amount);
    if (mode == "closing" && amount > 0)
        return closing(amount);
    std::fprintf(stderr, "usage: %s cadence <races> | idle <ms> | racing <ms> | closing <rounds>\n",
                 argv[0]);
    return 1;
}
