// A race from "GO!" to its finish: the start signal, the finish line and the standings. What
// follows the finish, and the winners of the first races, are in the transcript.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;
using Column = Status::Column;

// The screen after "GO!", 999 ms later, 1 ms later, at the first tick's due and after it.
TEST(Race, GoClosesBettingAndTheSignalTurnsGreenAfterOneSecond) {
    HeadlessGame game;
    const std::string closed = "$1000 | bets No Bet $0, No Bet $0 | stake \"0\" shut | on No Bet "
                               "(all shut) | buttons none | signal ";
    game.click(game.main().Command1);
    for (int ms : {0, 999, 1, 9, 1}) {
        game.clock.advance(ms);
        const long now = game.clock.now();
        EXPECT_EQ(game.screen(), closed + (now < 1000 ? "amber" : "green") +
                                     (now < 1010 ? " | cars at start" : " | cars racing") +
                                     " | no standings")
            << now << " ms after GO!";
    }
    for (Main::CarSlot slot : game.main().slots())
        EXPECT_TRUE(slot.name.Locked && slot.name.BackColor == colors::lightGrey);
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
