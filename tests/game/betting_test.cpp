// Placing up to two bets against the bankroll. Choosing a car, and the cut-off that closes
// betting on the next tick once no bets are left, are in the transcript.
#include "support/headless_game.h"

#include "ui/texts.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

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
        game.bet(game.main().yellow, c.stake);
        // Taken: recorded as typed, the car closed but still chosen. Refused: kept for correcting,
        // with a word to the player.
        const std::string stake = c.stake;
        EXPECT_EQ(game.screen().substr(0, game.screen().find(" | buttons")),
                  c.bankroll
                      ? "$" + std::string(c.bankroll) + " | bets Yellow Lightning $" + stake +
                            ", No Bet $0 | stake \"0\" open | on Yellow Lightning (shut: "
                            "Yellow Lightning)"
                      : "$1000 | bets No Bet $0, No Bet $0 | stake \"" + stake +
                            "\" open | on Yellow Lightning");
        EXPECT_EQ(game.main().Command5.Tag, c.bankroll ? "1" : "2");
        EXPECT_EQ(game.messages.shown.size(), c.bankroll ? 0u : 1u);
        for (const MessageRecorder::Shown& box : game.messages.shown)
            EXPECT_EQ(box.text + box.title, texts::refusedStake + game.main().Caption);
    }
}

TEST(BetPlacement, RefusesAStakeWhosePayoutWouldCarryTheBankrollPastTheLargestNumber) {
    HeadlessGame game;
    Main& main = game.main();
    main.money.Text = "1.5E+308"; // after a run of lucky wins
    game.bet(main.blue, "1e307"); // the blue car wins the first race
    EXPECT_EQ(main.money.Text, "1.4E+308");
    game.bet(main.blue, "2e307");
    EXPECT_EQ(main.Command5.Tag, "1") << "both paid would pass the largest number";
    game.bet(main.blue, "1e306");
    EXPECT_EQ(main.Command5.Tag, "0");
    ASSERT_TRUE(game.race());
    EXPECT_EQ(main.money.Text, "1.61E+308") << "both paid, still a number";
}

} // namespace
} // namespace tarvelon
