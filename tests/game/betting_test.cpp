// Betting: choosing a car, placing up to two bets against the bankroll, and the cut-off that
// closes betting on the next tick once no bets are left.
#include "support/headless_game.h"

#include "ui/texts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

TEST(BetChoice, ACarOpensTheAmountBoxAndNoBetClosesAndClearsIt) {
    HeadlessGame game;
    Main& main = game.main();
    game.click(main.blue);
    EXPECT_TRUE(main.Text7.Enabled);
    game.typeStake("50");
    game.click(main.green);
    EXPECT_TRUE(main.green.Value() && !main.blue.Value());
    EXPECT_EQ(main.Text7.Text, "50") << "a stake typed for another car stays";
    game.click(main.none);
    EXPECT_FALSE(main.Text7.Enabled);
    EXPECT_EQ(main.Text7.Text, "0");
}

TEST(BetPlacement, TheSecondBetIsRecordedWithItsCarAndOnlyTheFirstBetsCarIsClosed) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "100");
    game.bet(main.green, "50");
    EXPECT_EQ(main.money.Text + " " + main.Text13.Text + " " + main.bet2.Caption,
              "850 50 Greenbean");
    EXPECT_TRUE(main.green.Enabled && main.green.Value() && !main.red.Enabled);
    EXPECT_EQ(main.Command5.Tag, "0");

    HeadlessGame noCar; // Place Bet with No Bet chosen records nothing and takes nothing
    noCar.click(noCar.main().Command5);
    noCar.click(noCar.main().Command5);
    EXPECT_EQ(noCar.main().Bet.Caption + noCar.main().bet2.Caption + noCar.main().money.Text +
                  noCar.main().Command5.Tag,
              "No BetNo Bet10000");
}

TEST(BetPlacement, TakesEveryNumberOfZeroOrMoreAsTypedAndRefusesAnythingElse) {
    const struct {
        const char* stake;
        const char* bankroll; // nullptr: refused
    } cases[] = {
        {"1500", "-500"},  {"12.5", "987.5"},  {"0", "1000"},      {"-0", "1000"},
        {" 25 ", "975"},   {"1E+3", "0"},      {"12abc", nullptr}, {"", nullptr},
        {"-100", nullptr}, {"1e999", nullptr}, {"9e307", nullptr}, // a payout no double holds
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stake);
        HeadlessGame game;
        Main& main = game.main();
        game.bet(main.yellow, c.stake);
        EXPECT_EQ(main.money.Text, c.bankroll ? c.bankroll : "1000");
        EXPECT_EQ(main.Text10.Text, c.bankroll ? c.stake : "0") << "recorded as typed";
        EXPECT_EQ(main.Bet.Caption, c.bankroll ? "Yellow Lightning" : "No Bet");
        EXPECT_EQ(main.Text7.Text, c.bankroll ? "0" : c.stake) << "kept for correcting";
        EXPECT_EQ(main.Command5.Tag, c.bankroll ? "1" : "2");
        EXPECT_EQ(main.yellow.Enabled, !c.bankroll);
        EXPECT_TRUE(main.yellow.Value()) << "a disabled car is still the bet choice";
        ASSERT_EQ(game.messages.shown.size(), c.bankroll ? 0u : 1u);
        if (!c.bankroll) {
            EXPECT_EQ(game.messages.shown[0].text + game.messages.shown[0].title,
                      texts::refusedStake + main.Caption);
        }
    }
}

TEST(BetPlacement, RefusesAStakeWhosePayoutWouldCarryTheBankrollPastTheLargestNumber) {
    HeadlessGame game;
    Main& main = game.main();
    main.money.Text = "1.5E+308"; // after a run of lucky wins
    game.bet(main.red, "1e307");
    EXPECT_EQ(main.money.Text, "1.4E+308");
    game.typeStake("2e307");
    game.click(main.Command5);
    EXPECT_EQ(main.Command5.Tag, "1") << "both paid would pass the largest number";
    game.typeStake("1e306");
    game.click(main.Command5);
    EXPECT_EQ(main.Command5.Tag, "0");
    game.forceWinner(1);
    game.clock.advance(10);
    EXPECT_EQ(main.money.Text, "1.61E+308") << "both paid, still a number";
}

TEST(BettingCutOff, ClosesBettingOnTheNextTickOnceNoBetsAreLeft) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "10");
    game.clock.advance(3);
    EXPECT_TRUE(main.Command5.Enabled) << "one bet left";
    game.bet(main.blue, "10");
    EXPECT_TRUE(main.Command5.Enabled) << "not within the press";
    game.click(main.Command5); // before the tick: records nothing, lowers the counter
    EXPECT_EQ(main.Command5.Tag + " " + main.money.Text, "-1 980");
    game.clock.advance(5);
    EXPECT_TRUE(main.Command5.Enabled) << "the cut-off waits for exactly 0";
    main.Command5.Tag = "0"; // as after two presses
    game.clock.advance(1);
    EXPECT_FALSE(main.Command5.Enabled || main.Text7.Enabled);
    EXPECT_TRUE(std::ranges::none_of(main.options(), &OptionButton::Enabled));
    EXPECT_TRUE(main.blue.Value());
    ASSERT_TRUE(game.race());
    game.clock.advance(10);
    EXPECT_TRUE(main.Command5.Enabled) << "open again after the reset";
}

} // namespace
} // namespace tarvelon
