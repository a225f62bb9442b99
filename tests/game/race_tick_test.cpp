// The race tick: all six cars move by random steps, then the finish is tested.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;
using testing::ScriptedRandom;

void startRacing(HeadlessGame& game) {
    game.click(game.main().Command1);
    game.clock.advance(1000);
    ASSERT_TRUE(game.main().Race.Enabled);
}

TEST(RaceTick, MovesEveryCarByAHundredTimesItsDrawInSlotOrder) {
    ScriptedRandom random({0.5f, 0.25f, 0.0f, 0.125f, 0.75f, 0.99f});
    HeadlessGame game(&random);
    startRacing(game);
    game.main().Race_Timer();

    const float expected[] = {80, 55, 30, 42.5f, 105, 129};
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_FLOAT_EQ(game.main().slots()[slot].car.Left, expected[slot]) << "slot " << slot + 1;
}

TEST(RaceTick, ACarExactlyOnTheFinishLineHasNotFinished) {
    ScriptedRandom standStill({0.0f});
    HeadlessGame game(&standStill);
    startRacing(game);
    game.main().car1.Left = 7440;
    game.main().Race_Timer();
    EXPECT_TRUE(game.main().Race.Enabled);
    EXPECT_EQ(game.main().car1.Left, 7440);
}

TEST(RaceTick, TheFinishTestSeesTheStepOfTheSameTick) {
    ScriptedRandom random({0.01f, 0.0f});
    HeadlessGame game(&random);
    startRacing(game);
    game.main().car1.Left = 7440;
    game.main().Race_Timer();
    EXPECT_FALSE(game.main().Race.Enabled) << "7440 plus a step of 1 is past the line";
    EXPECT_FALSE(game.main().Timer3.Enabled) << "the signal timer stops with the race";
}

TEST(RaceTick, NoCarCanFinishBeforeThe75thTickEvenWithTheLongestSteps) {
    ScriptedRandom longest({testing::largestRandom});
    HeadlessGame game(&longest);
    EXPECT_EQ(game.race(), 75);
    EXPECT_EQ(game.tally(1, Status::Column::Wins), "1") << "all six crossed; the lowest slot won";
}

TEST(RaceTick, TheGameRandomIsTheSameInEveryRunAndStaysBelowOne) {
    GameRandom first, second;
    for (int draw = 0; draw < 10000; ++draw) {
        const float value = first.next();
        ASSERT_EQ(value, second.next());
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
    }
}

} // namespace
} // namespace tarvelon
