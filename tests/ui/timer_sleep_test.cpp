// Letting timers sleep changes nothing the player can see: random play runs once
// with every firing and once with timers sleeping as the real front end's do, and
// both games show the same windows and boxes after every event and millisecond.
#include "support/headless_game.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvelon::testing {
namespace {

class Side : public HeadlessGame {
public:
    explicit Side(VirtualClock::Firings mode) : HeadlessGame(nullptr, mode) {}

    // The player's event `kind`: an option, typing, the standings' OK, or a button.
    void play(int kind, int option, const char* stake) {
        CommandButton* buttons[] = {&main().Command5, &main().Command1, &main().Command6,
                                    &main().Command4, &main().Command3};
        if (kind == 0)
            click(*main().options()[option]);
        else if (kind == 1)
            typeStake(stake);
        else if (Status* status = shell.existingStatus(); kind == 2 && status)
            clock.event([status] { status->Command1_Click(); });
        else if (kind > 2)
            click(*buttons[kind - 3]);
    }

    // What the player reads of both windows, and what the game holds beyond it: the
    // counter, the cars' places, every box and the windows closed. It is taken
    // several times every virtual millisecond.
    std::string seen() {
        std::string out = screen() + main().Command5.Tag;
        for (Main::CarSlot slot : main().slots())
            out += " " + std::to_string(slot.car.Left);
        for (const MessageRecorder::Shown& box : messages.shown)
            out += box.title + box.text;
        for (const std::string& window : shell.closed)
            out += window;
        return out;
    }

    long firings = 0;

protected:
    void fire(Timer& timer) override {
        ++firings;
        const bool check = static_cast<bool>(timer.Inputs);
        const std::string inputs = check ? timer.Inputs() : "", before = check ? seen() : "";
        HeadlessGame::fire(timer);
        // A firing the sleep rule takes for one that changed nothing must be one; checked on
        // both sides, so also on every firing the sleeping side skips.
        EXPECT_TRUE(!check || timer.Inputs() != inputs || seen() == before)
            << timer.Name << " changed silently";
    }
};

TEST(TimerSleep, RandomPlayLooksTheSameWithSleepingTimers) {
    const char* stakes[] = {"0", "1", "25", "100", "999.99", "1000", "5000", "x"};
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        // Waiting, then the kinds of Side::play: an option, typing, OK, "Place Bet",
        // "GO!", "Status", "About" and, rarely, "Exit".
        std::discrete_distribution<int> event({100, 300, 150, 50, 200, 120, 50, 28, 2});
        Side every(VirtualClock::Firings::Every), sleeping(VirtualClock::Firings::Sleeping);
        for (int step = 0; step < 400 && !every.shell.programEnded(); ++step) {
            const int kind = event(random), option = int(random() % 7), wait = int(random() % 2600);
            const char* stake = stakes[random() % 8];
            for (Side* side : {&every, &sleeping})
                if (kind > 0)
                    side->play(kind - 1, option, stake);
            for (int ms = 0; ms <= (kind == 0 ? 200 + wait : 1); ++ms) {
                ASSERT_TRUE(every.seen() == sleeping.seen())
                    << "seed " << seed << ", step " << step << ", then " << ms << " ms";
                every.clock.advance(1);
                sleeping.clock.advance(1);
            }
        }
        // Otherwise nothing slept and the comparison proved nothing.
        EXPECT_LT(sleeping.firings * 10, every.firings) << "seed " << seed;
    }
}

} // namespace
} // namespace tarvelon::testing
