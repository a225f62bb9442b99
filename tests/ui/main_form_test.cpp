// The game window's initial state that no widget shows: its timers, the bet
// counter and where the cars stand. What the player sees is checked on the real
// window in the widget tests.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

TEST(MainForm, OnlyTheCutOffTimerRunsAtStart) {
    HeadlessGame game;
    Main& main = game.main();
    const struct {
        const Timer& timer;
        int interval;
        bool enabled;
    } timers[] = {{main.Timer3, 1000, false},
                  {main.Race, 10, false},
                  {main.limit, 1, true},
                  {main.timer, 1, false}};
    for (const auto& expected : timers) {
        EXPECT_EQ(expected.timer.Interval, expected.interval) << expected.timer.Name;
        EXPECT_EQ(expected.timer.Enabled, expected.enabled) << expected.timer.Name;
    }
    EXPECT_EQ(main.Command5.Tag, "2") << "two bets left";
}

TEST(MainForm, CarsStartLevelWithEachSpriteEndingAtTheStartLine) {
    HeadlessGame game;
    for (Main::CarSlot slot : game.main().slots()) {
        EXPECT_EQ(slot.car.Left, 30);
        EXPECT_EQ(slot.car.Left + slot.car.Width, 780) << slot.car.Name;
        EXPECT_EQ(slot.name.Text, slot.option.Caption) << "a bet names the car as its option does";
    }
}

} // namespace
} // namespace tarvelon
