// The finish of a race: the finish line and the standings. The start signal, what follows the
// finish, and the winners of the first races are in the transcript.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

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
        std::string wins = "Wins", losses = ", Loses";
        for (int slot = 1; slot <= 6; ++slot)
            wins += slot == c.winner ? " 1" : " 0", losses += slot == c.winner ? " 0" : " 1";
        EXPECT_TRUE(game.screen().ends_with(c.winner ? wins + losses : "no standings"));
    }
}

} // namespace
} // namespace tarvelon
