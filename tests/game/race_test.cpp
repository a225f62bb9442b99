// A race from "GO!" to its finish: the start signal, the cars' steps, the finish line and the
// standings. What follows the finish is in the transcript and the long play.
#include "support/headless_game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvelon {
namespace {

using testing::HeadlessGame;
using Column = Status::Column;

bool allCarsAtStart(Main& main) {
    return std::ranges::all_of(main.slots(),
                               [](Main::CarSlot slot) { return slot.car.Left == 30; });
}

TEST(Race, TheFirstTenWinnersAreTheSameInEveryRun) {
    HeadlessGame game;
    std::array<std::string, 6> wins{"0", "0", "0", "0", "0", "0"};
    std::vector<int> winners;
    for (int race = 0; race < 10; ++race) {
        ASSERT_TRUE(game.race());
        for (int slot = 1; slot <= 6; ++slot)
            if (game.tally(slot, Column::Wins) != wins[slot - 1]) {
                wins[slot - 1] = game.tally(slot, Column::Wins);
                winners.push_back(slot);
            }
    }
    EXPECT_EQ(winners, (std::vector<int>{3, 5, 2, 5, 1, 1, 1, 3, 3, 5}));
}

TEST(Race, GoClosesBettingAndTheSignalTurnsGreenAfterOneSecond) {
    HeadlessGame game;
    Main& main = game.main();
    game.click(main.Command1);
    EXPECT_FALSE(main.Command1.Enabled || main.Command5.Enabled || main.Text7.Enabled);
    EXPECT_TRUE(std::ranges::none_of(main.options(), &OptionButton::Enabled));
    for (Main::CarSlot slot : main.slots())
        EXPECT_TRUE(slot.name.Locked && slot.name.BackColor == colors::lightGrey);
    EXPECT_TRUE(main.Image10.Visible && main.Image5.Visible && !main.Image3.Visible);

    game.clock.advance(999);
    EXPECT_TRUE(main.Image10.Visible && !main.Race.Enabled) << "amber stands a whole second";
    game.clock.advance(1);
    EXPECT_TRUE(main.Image5.Visible && !main.Image10.Visible && !main.Image3.Visible);
    EXPECT_TRUE(main.Race.Enabled);
    game.clock.advance(9);
    EXPECT_TRUE(allCarsAtStart(main)) << "the first tick comes one race interval later";
    game.clock.advance(1);
    EXPECT_FALSE(allCarsAtStart(main));
}

TEST(Race, TheLowestSlotStrictlyPastTheFinishLineAfterItsStepWins) {
    const struct {
        std::array<float, 6> lefts;
        std::vector<float> draws;
        int winner;
    } cases[] = {
        {{7440, 30, 30, 30, 30, 30}, {0.0f}, 0},              // on the line is not past it
        {{7440, 30, 30, 30, 30, 30}, {0.01f, 0.0f}, 1},       // the step of the same tick counts
        {{30, 7441, 30, 30, 7440.5f, 7500}, {0.0f}, 2},       // a tie goes to the lowest slot
        {{30, 30, 30, 30, 30, 7440}, {0, 0, 0, 0, 0, 0.5}, 6} // any slot can win
    };
    for (const auto& c : cases) {
        testing::ScriptedRandom random(c.draws);
        HeadlessGame game(&random);
        Main& main = game.main();
        game.click(main.Command1);
        game.clock.advance(1000);
        for (int slot = 0; slot < 6; ++slot)
            main.slots()[slot].car.Left = c.lefts[slot];
        main.Race_Timer();
        SCOPED_TRACE(c.winner);
        EXPECT_EQ(main.Race.Enabled || main.Timer3.Enabled, c.winner == 0) << "both stop";
        EXPECT_EQ(game.shell.existingStatus() != nullptr, c.winner != 0);
        for (int slot = 1; c.winner && slot <= 6; ++slot)
            EXPECT_EQ(game.tally(slot, Column::Wins) + game.tally(slot, Column::Losses),
                      slot == c.winner ? "10" : "01");
    }
}

} // namespace
} // namespace tarvelon
