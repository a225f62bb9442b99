// Betting: choosing a car, placing up to two bets against the bankroll, and the
// cut-off that closes betting on the next tick once no bets are left.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

void finishForced(HeadlessGame& game, int slot) {
    game.click(game.main().Command1);
    game.clock.advance(1000);
    game.main().slots()[slot - 1].car.Left = 7440.5f;
    game.clock.advance(10);
}

TEST(BetChoice, ACarOpensTheAmountBoxAndKeepsWhatWasTyped) {
    HeadlessGame game;
    Main& main = game.main();
    game.click(main.blue);
    EXPECT_TRUE(main.Text7.Enabled);
    EXPECT_EQ(main.Text7.Text, "0");
    game.typeStake("50");
    game.click(main.green);
    EXPECT_TRUE(main.green.Value());
    EXPECT_FALSE(main.blue.Value());
    EXPECT_EQ(main.Text7.Text, "50");
}

TEST(BetChoice, NoBetClosesTheAmountBoxAndClearsTheStake) {
    HeadlessGame game;
    Main& main = game.main();
    game.click(main.red);
    game.typeStake("50");
    game.click(main.none);
    EXPECT_FALSE(main.Text7.Enabled);
    EXPECT_EQ(main.Text7.Text, "0");
}

TEST(BetChoice, SelectingFromCodeRunsTheHandlerOnlyWhenTheOptionWasNotSelected) {
    HeadlessGame game;
    Main& main = game.main();
    game.click(main.red);
    main.Text7.Text = "75";
    main.red.select();
    EXPECT_EQ(main.Text7.Text, "75");
    main.none.select();
    EXPECT_EQ(main.Text7.Text, "0") << "none_Click ran inside the select";
    main.Text7.Enabled = true;
    main.none.select();
    EXPECT_TRUE(main.Text7.Enabled) << "none was already selected: nothing ran";
}

TEST(BetPlacement, TwoBetsTakeTheirStakesAndAreRecordedWithTheirCars) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "100");
    EXPECT_EQ(main.money.Text, "900");
    EXPECT_EQ(main.Text10.Text, "100");
    EXPECT_EQ(main.Bet.Caption, "Red Ryder");
    EXPECT_EQ(main.Text7.Text, "0");
    EXPECT_FALSE(main.red.Enabled);
    EXPECT_TRUE(main.red.Value()) << "disabled but still the bet choice";
    EXPECT_EQ(main.Command5.Tag, "1");

    game.bet(main.green, "50");
    EXPECT_EQ(main.money.Text, "850");
    EXPECT_EQ(main.Text13.Text, "50");
    EXPECT_EQ(main.bet2.Caption, "Greenbean");
    EXPECT_TRUE(main.green.Enabled) << "only the first bet's car is disabled";
    EXPECT_EQ(main.Command5.Tag, "0");
}

TEST(BetPlacement, BetsOnNoCarUseUpBothBetsAndLeaveTheBankrollAsItWas) {
    HeadlessGame game;
    Main& main = game.main();
    game.click(main.Command5);
    game.click(main.Command5);
    EXPECT_EQ(main.Bet.Caption, "No Bet");
    EXPECT_EQ(main.bet2.Caption, "No Bet");
    EXPECT_EQ(main.Text10.Text, "0");
    EXPECT_EQ(main.Text13.Text, "0");
    EXPECT_EQ(main.money.Text, "1000");
    EXPECT_EQ(main.Command5.Tag, "0");
    EXPECT_TRUE(main.none.Enabled);
}

TEST(BetPlacement, TakesLargeFractionalAndZeroStakesAsTheyStand) {
    const struct {
        const char* stake;
        const char* bankroll;
    } cases[] = {{"1500", "-500"}, {"12.5", "987.5"}, {"0", "1000"},
                 {"0.1", "999.9"}, {"1E+3", "0"},     {"-0", "1000"}};
    for (const auto& c : cases) {
        HeadlessGame game;
        game.bet(game.main().orange, c.stake);
        EXPECT_EQ(game.main().money.Text, c.bankroll) << c.stake;
        EXPECT_EQ(game.main().Text10.Text, c.stake) << "recorded as typed";
    }
}

TEST(BetPlacement, KeepsTheStakeAsTypedWithItsBlanks) {
    HeadlessGame game;
    game.bet(game.main().yellow, " 25 ");
    EXPECT_EQ(game.main().money.Text, "975");
    EXPECT_EQ(game.main().Text10.Text, " 25 ");
    EXPECT_EQ(game.main().Bet.Caption, "Yellow Lightning");
}

TEST(BetPlacement, RefusesAStakeItCannotTakeAndChangesNothing) {
    for (const char* stake : {"12abc", "", "   ", "-", "abc", "$5", "1,5", "-100", "-1000000",
                              "1e999", "inf", "NaN", "0x10", "1e308", "9e307"}) {
        HeadlessGame game;
        Main& main = game.main();
        game.bet(main.red, stake);
        EXPECT_EQ(main.money.Text, "1000") << stake;
        EXPECT_EQ(main.Text10.Text, "0") << stake;
        EXPECT_EQ(main.Bet.Caption, "No Bet") << stake;
        EXPECT_EQ(main.Text7.Text, stake) << "kept for correcting";
        EXPECT_EQ(main.Command5.Tag, "2") << stake;
        EXPECT_TRUE(main.red.Enabled) << stake;
        ASSERT_EQ(game.messages.shown.size(), 1u) << stake;
        EXPECT_EQ(game.messages.shown[0].title, main.Caption);
    }
}

TEST(BetPlacement, RefusesAStakeWhosePayoutWouldCarryTheBankrollPastTheLargestNumber) {
    HeadlessGame game;
    Main& main = game.main();
    main.money.Text = "1.5E+308"; // after a run of lucky wins
    game.bet(main.red, "1e307");
    ASSERT_EQ(main.Command5.Tag, "1");
    EXPECT_EQ(main.money.Text, "1.4E+308");
    game.typeStake("2e307");
    game.click(main.Command5);
    EXPECT_EQ(main.Command5.Tag, "1") << "both paid would pass the largest number";
    EXPECT_EQ(main.Text13.Text, "0");
    game.typeStake("1e306");
    game.click(main.Command5);
    EXPECT_EQ(main.Command5.Tag, "0");
    finishForced(game, 1);
    EXPECT_EQ(main.money.Text, "1.61E+308") << "both paid, still a number";
}

TEST(BetPlacement, APressBeforeTheCutOffTickRecordsNothingAndLowersTheCounterBelowZero) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "10");
    game.bet(main.green, "20");
    game.typeStake("30");
    game.click(main.Command5); // before the next limit tick
    EXPECT_EQ(main.Command5.Tag, "-1");
    EXPECT_EQ(main.money.Text, "970");
    game.clock.advance(5);
    EXPECT_TRUE(main.Command5.Enabled) << "the cut-off waits for exactly 0";
}

TEST(BettingCutOff, ClosesBettingOnTheNextTickAfterTheSecondBet) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "10");
    game.clock.advance(3);
    EXPECT_TRUE(main.Command5.Enabled) << "one bet left";
    game.bet(main.blue, "10");
    EXPECT_TRUE(main.Command5.Enabled) << "not within the press";
    game.clock.advance(1);
    EXPECT_FALSE(main.Command5.Enabled);
    EXPECT_FALSE(main.Text7.Enabled);
    for (OptionButton* option : main.options())
        EXPECT_FALSE(option->Enabled) << option->Name;
    EXPECT_TRUE(main.blue.Value());
}

TEST(BettingCutOff, OpensAgainAfterTheResetAndStaysOpen) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "10");
    game.bet(main.blue, "10");
    game.clock.advance(1);
    ASSERT_GT(game.race(), 0);
    game.clock.advance(10);
    EXPECT_TRUE(main.Command5.Enabled);
    EXPECT_EQ(main.Command5.Tag, "2");
}

TEST(BettingCutOff, TellsTheFrontEndItChangedNothingWhileBetsAreLeft) {
    HeadlessGame game;
    Main& main = game.main();
    EXPECT_FALSE(main.fire(main.limit));
    game.bet(main.red, "10");
    EXPECT_FALSE(main.fire(main.limit));
    game.bet(main.blue, "10");
    EXPECT_TRUE(main.fire(main.limit));
    EXPECT_TRUE(main.fire(main.Timer3)) << "other timers always may change something";
}

TEST(Reset, AfterARaceWithACarChosenTheAmountBoxIsClosedAndBetsCleared) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "10");
    game.click(main.blue);
    game.typeStake("7");
    ASSERT_GT(game.race(), 0);
    EXPECT_TRUE(main.none.Value());
    EXPECT_FALSE(main.Text7.Enabled);
    EXPECT_EQ(main.Text7.Text, "0");
    EXPECT_EQ(main.Bet.Caption, "No Bet");
    EXPECT_EQ(main.bet2.Caption, "No Bet");
    EXPECT_EQ(main.Text10.Text, "0");
    EXPECT_EQ(main.Text13.Text, "0");
    EXPECT_EQ(main.Command5.Tag, "2");
    for (OptionButton* option : main.options())
        EXPECT_TRUE(option->Enabled) << option->Name;
    for (Main::CarSlot slot : main.slots())
        EXPECT_EQ(slot.car.Left, 30);
    EXPECT_TRUE(main.Image10.Visible);
    EXPECT_TRUE(main.Image3.Visible);
    EXPECT_FALSE(main.Image5.Visible);
    EXPECT_FALSE(main.Race.Enabled);
    EXPECT_FALSE(main.Timer3.Enabled);
}

TEST(Reset, AfterARaceWithNoBetChosenTheAmountBoxIsLeftOpen) {
    HeadlessGame game;
    ASSERT_GT(game.race(), 0);
    EXPECT_TRUE(game.main().none.Value());
    EXPECT_TRUE(game.main().Text7.Enabled);
    EXPECT_EQ(game.main().Text7.Text, "0");
}

} // namespace
} // namespace tarvelon
