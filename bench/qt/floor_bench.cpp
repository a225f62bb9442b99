// The floors the game's figures are judged against: bare Qt programs that do what
// the game window does at its least, measured the same way in the same kind of
// process (a QApplication in the Fusion style with one window of the game's size
// shown).
//
//   qt_bench_floor cadence <races> <ticks>  a 1 s precise timer, then <ticks> of a
//                                           10 ms precise timer, <races> times
//   qt_bench_floor idle <ms>                one 1 ms precise timer doing nothing
//   qt_bench_floor still <ms>               no timer at all: a window waiting
//   qt_bench_floor racing <ms>              a 10 ms timer moving six sprites on
//                                           one widget
#include "qt_support.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>

#include <array>
#include <string>

namespace tarvelon::bench {
namespace {

// A top-level window of the game window's size.
class Window : public QWidget {
public:
    Window() { setFixedSize(gameWindowWidth, gameWindowHeight); }
};

int cadence(int races, int ticksPerRace) {
    Window window;
    if (!showAndWaitExposed(window))
        return 2;
    runEventsFor(200);

    TickLog log;
    QEventLoop done;
    QTimer signal, race;
    signal.setTimerType(Qt::PreciseTimer);
    signal.setInterval(1000);
    race.setTimerType(Qt::PreciseTimer);
    race.setInterval(10);
    int ticks = 0;
    auto startRace = [&] {
        log.startRace(Clock::now());
        ticks = 0;
        signal.start();
    };
    QObject::connect(&signal, &QTimer::timeout, [&] {
        if (!race.isActive())
            race.start();
    });
    QObject::connect(&race, &QTimer::timeout, [&] {
        log.tick(Clock::now());
        if (++ticks < ticksPerRace)
            return;
        race.stop();
        signal.stop();
        log.endRace();
        if (log.races() >= races)
            done.quit();
        else
            QTimer::singleShot(0, startRace);
    });
    startRace();
    QTimer::singleShot(races * 5000, &done, &QEventLoop::quit);
    done.exec();
    if (log.races() < races)
        return 3;
    log.reportAll();
    return 0;
}

// A window with a 1 ms timer doing nothing, or with no timer at all.
int idle(int milliseconds, bool withTimer) {
    Window window;
    if (!showAndWaitExposed(window))
        return 2;
    long firings = 0;
    QTimer cutOff;
    cutOff.setTimerType(Qt::PreciseTimer);
    QObject::connect(&cutOff, &QTimer::timeout, [&] { ++firings; });
    if (withTimer)
        cutOff.start(1);
    runEventsFor(300);
    const long before = firings;
    reportLoadOver(milliseconds);
    report("events_per_s", 1000.0 * static_cast<double>(firings - before) / milliseconds);
    return 0;
}

// Six sprites on one widget: each tick moves them right and repaints where each
// was and is, as the game's track does.
class SpriteView : public QWidget {
public:
    explicit SpriteView(QWidget* parent) : QWidget(parent) {
        setGeometry(0, 6, trackWidth, trackHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
        for (int slot = 0; slot < 6; ++slot) {
            // A rounded body leaves transparent corners, so painting blends as the
            // cars do.
            QImage sprite(spriteWidth, spriteHeight, QImage::Format_ARGB32_Premultiplied);
            sprite.fill(Qt::transparent);
            QPainter painter(&sprite);
            painter.setBrush(QColor::fromHsv(slot * 60, 255, 220));
            painter.drawRoundedRect(QRectF(1, 4, spriteWidth - 2, spriteHeight - 8), 8, 8);
            sprites_[slot] = sprite;
            left_[slot] = 2;
        }
    }

    void tick() {
        for (int slot = 0; slot < 6; ++slot) {
            const QRectF before = spriteRect(slot);
            left_[slot] += random_.bounded(100.0) / 15.0;
            if (left_[slot] > trackWidth - spriteWidth)
                left_[slot] = 2;
            update(before.united(spriteRect(slot)).toAlignedRect().adjusted(-1, 0, 1, 0));
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.fillRect(rect(), QColor(160, 160, 160));
        for (int slot = 0; slot < 6; ++slot)
            painter.drawImage(spriteRect(slot).topLeft(), sprites_[slot]);
    }

private:
    QRectF spriteRect(int slot) const {
        return QRectF(left_[slot], 4 + slot * 50, spriteWidth, spriteHeight);
    }

    std::array<QImage, 6> sprites_;
    std::array<double, 6> left_{};
    QRandomGenerator random_{2000};
};

int racing(int milliseconds) {
    Window window;
    auto* track = new SpriteView(&window);
    if (!showAndWaitExposed(window))
        return 2;
    QTimer race;
    race.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    QObject::connect(&race, &QTimer::timeout, [&] {
        track->tick();
        ++ticks;
    });
    race.start(10);
    runEventsFor(500);
    reportLoadOver(milliseconds, [&] { return ticks; });
    return 0;
}

} // namespace
} // namespace tarvelon::bench

int main(int argc, char* argv[]) {
    tarvelon::bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    const std::string mode = argc > 1 ? argv[1] : "";
    const int amount = argc > 2 ? std::atoi(argv[2]) : 0;
    const int ticks = argc > 3 ? std::atoi(argv[3]) : 0;
    using namespace tarvelon::bench;
    if (mode == "cadence" && amount > 0 && ticks > 0)
        return cadence(amount, ticks);
    if ((mode == "idle" || mode == "still") && amount > 0)
        return idle(amount, mode == "idle");
    if (mode == "racing" && amount > 0)
        return racing(amount);
    std::fprintf(stderr,
                 "usage: %s cadence <races> <ticks> | idle <ms> | still <ms> | racing <ms>\n",
                 argv[0]);
    return 1;
}
