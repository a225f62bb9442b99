// Starting a race: "GO!" closes betting, the amber light stands one second, then
// the signal turns green and the race tick begins.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

bool allCarsAtStart(Main& main) {
    for (Main::CarSlot slot : main.slots())
        if (slot.car.Left != 30)
            return false;
    return true;
}

TEST(RaceStart, GoClosesBettingAndKeepsTheSelectedOption) {
    HeadlessGame game;
    Main& main = game.main();
    main.blue.select();
    game.click(game.main().Command1);

    EXPECT_FALSE(main.Command1.Enabled);
    EXPECT_FALSE(main.Command5.Enabled);
    EXPECT_FALSE(main.Text7.Enabled);
    for (OptionButton* option : main.options())
        EXPECT_FALSE(option->Enabled) << option->Name;
    EXPECT_TRUE(main.blue.Value());
    for (Main::CarSlot slot : main.slots()) {
        EXPECT_TRUE(slot.name.Locked);
        EXPECT_EQ(slot.name.BackColor, colors::lightGrey);
    }
    EXPECT_TRUE(main.Timer3.Enabled);
    EXPECT_FALSE(main.Race.Enabled);
}

TEST(RaceStart, AmberLightStandsExactlyOneSecondAndNoCarMovesBeforeGreen) {
    HeadlessGame game;
    Main& main = game.main();
    game.click(game.main().Command1);
    EXPECT_TRUE(main.Image10.Visible);
    EXPECT_FALSE(main.Image3.Visible);
    EXPECT_TRUE(main.Image5.Visible);

    game.clock.advance(999);
    EXPECT_TRUE(main.Image10.Visible) << "the amber light is still in front";
    EXPECT_FALSE(main.Race.Enabled);
    EXPECT_TRUE(allCarsAtStart(main));

    game.clock.advance(1);
    EXPECT_FALSE(main.Image10.Visible);
    EXPECT_FALSE(main.Image3.Visible);
    EXPECT_TRUE(main.Image5.Visible) << "only the green light is left";
    EXPECT_TRUE(main.Race.Enabled);
    EXPECT_TRUE(allCarsAtStart(main)) << "the first tick comes one race interval later";

    game.clock.advance(9);
    EXPECT_TRUE(allCarsAtStart(main));
    game.clock.advance(1);
    EXPECT_FALSE(allCarsAtStart(main));
}

TEST(RaceStart, SignalTimerKeepsFiringHarmlesslyWhileTheRaceRuns) {
    // Steps of a fifth of the longest keep the race going well past two seconds.
    testing::ScriptedRandom slow({0.2f});
    HeadlessGame game(&slow);
    Main& main = game.main();
    game.click(game.main().Command1);
    game.clock.advance(2500);

    EXPECT_EQ(game.firings["Timer3"], 2);
    EXPECT_TRUE(main.Timer3.Enabled);
    EXPECT_TRUE(main.Race.Enabled);
    EXPECT_FALSE(main.Image10.Visible);
    EXPECT_FALSE(main.Image3.Visible);
    EXPECT_TRUE(main.Image5.Visible);
    EXPECT_EQ(game.firings["Race"], 150) << "one tick every 10 ms since the light turned green";
    EXPECT_FALSE(main.Command1.Enabled) << "no second start while a race runs";
}

} // namespace
} // namespace tarvelon
