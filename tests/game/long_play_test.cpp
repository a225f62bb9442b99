// Long play: races with random bets, typed stakes good and bad, driven straight through the
// handlers. After every race the standings must add up, the bankroll must hold exactly what the
// stakes taken and the payouts say, and game over must end the program through the quit timer;
// a new game then goes on with the next races. The soak build plays a hundred thousand races.
#include "support/headless_game.h"

#include "game/numbers.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <random>

#ifndef TARVELON_LONG_PLAY_RACES
#define TARVELON_LONG_PLAY_RACES 20000
#endif

namespace tarvelon {
namespace {

using Column = Status::Column;

const std::string won = "Your car placed first in the race. You won $";

TEST(LongPlay, EveryRaceKeepsTheStandingsAndTheBankrollInOrder) {
    GameRandom random; // shared by the games: each new one goes on with the next races
    std::mt19937 player{20240601};
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(player); };
    // Mostly whole amounts and cents up to a tenth of the bankroll, now and then all of it or
    // more, blanks around, a sign, or a text no careful reader takes for a stake.
    auto stakeFor = [&](double bankroll) -> std::string {
        static const char* const odd[] = {"",    "abc",   "12abc", "-5",  "1,5",
                                          "inf", "1e999", "9e307", " 7 ", "+3",
                                          "0",   "-0",    "2.50",  ".5",  "1e15"};
        const int kind = pick(0, 99);
        if (kind < 15)
            return odd[pick(0, static_cast<int>(std::size(odd)) - 1)];
        if (kind < 18)
            return NumberText(bankroll + (kind == 15 ? 0 : 500));
        const int amount = pick(1, static_cast<int>(std::clamp(bankroll / 10, 1.0, 1e8)));
        return kind < 70 ? std::to_string(amount) : NumberText(amount + pick(0, 99) / 100.0);
    };
    auto game = std::make_unique<testing::HeadlessGame>(&random);
    // The bankroll as the game must hold it: the text is rewritten after every change.
    std::string ledger = "1000";
    auto add = [&](double change) { ledger = NumberText(LenientNumber(ledger) + change); };
    std::array<int, 6> wins{};
    int races = 0, games = 1;
    for (int race = 0; race < TARVELON_LONG_PLAY_RACES && !HasFailure(); ++race) {
        Main& main = game->main();
        std::vector<std::pair<std::string, double>> bets; // car, stake
        std::size_t late = 0; // presses after the last bet, before the cut-off
        for (int press = pick(0, 3); press > 0; --press) {
            main.options()[static_cast<std::size_t>(pick(0, 6))]->click();
            if (main.Text7.Enabled)
                main.Text7.Text = stakeFor(LenientNumber(main.money.Text));
            const std::string typed = main.Text7.Text, tag = main.Command5.Tag;
            main.Command5_Click();
            const std::optional<double> stake = StrictNumber(typed);
            const bool refused = !game->messages.shown.empty();
            if (tag != "2" && tag != "1") {
                EXPECT_FALSE(refused) << "a press after the last bet places nothing";
                ++late;
                continue;
            }
            // Unreadable, negative and overflowing stakes are refused, and only those.
            ASSERT_EQ(refused, !stake || *stake < 0 || !std::isfinite(2 * *stake)) << typed;
            if (refused) {
                EXPECT_EQ(game->messages.shown[0].text, texts::refusedStake);
                EXPECT_EQ(main.Command5.Tag, tag) << "nothing changes";
                game->messages.shown.clear();
            } else {
                bets.push_back({tag == "2" ? main.Bet.Caption : main.bet2.Caption, *stake});
                add(-*stake);
            }
            EXPECT_EQ(main.money.Text, ledger);
        }
        main.limit_Timer();
        EXPECT_EQ(main.Command5.Enabled, bets.size() + late != 2) << "the cut-off waits for 0";

        main.Command1_Click();
        main.Timer3_Timer();
        for (int tick = 0; main.Race.Enabled && tick < 1000; ++tick)
            main.Race_Timer();
        ASSERT_FALSE(main.Race.Enabled) << "race " << race << " did not end";
        ++races;

        // One win and five losses a race: the winner is the car whose wins went up.
        int winner = 0, winSum = 0;
        for (int slot = 1; slot <= 6; ++slot) {
            const int w = std::stoi(game->tally(slot, Column::Wins));
            EXPECT_EQ(w + std::stoi(game->tally(slot, Column::Losses)), races) << slot;
            winner = w == wins[slot - 1] + 1 ? slot : winner;
            winSum += w;
            wins[slot - 1] = w;
        }
        ASSERT_EQ(winSum, races);
        ASSERT_NE(winner, 0);

        // The bets on the winner are paid twice their stake, first bet first.
        std::vector<std::string> expected;
        for (const auto& [car, stake] : bets)
            if (car == main.slots()[winner - 1].name.Text) {
                expected.push_back(won + NumberText(2 * stake));
                add(2 * stake);
            }
        const bool over = LenientNumber(ledger) <= 0;
        if (over)
            expected.push_back("Your All Out Of Money. Game Over.");
        ASSERT_EQ(game->shownTexts(), expected) << "race " << race << ", bankroll " << ledger;
        EXPECT_EQ(main.money.Text, ledger);
        EXPECT_EQ(main.timer.Enabled, over);
        game->messages.shown.clear(); // what the recorder keeps is the test's, not the game's
        if (!over)
            continue;
        main.timer_Timer();
        ASSERT_TRUE(game->shell.programEnded());
        game = std::make_unique<testing::HeadlessGame>(&random);
        ledger = "1000";
        wins = {};
        races = 0;
        ++games;
    }
    EXPECT_GT(games, 3) << "games that ran out of money";
}

} // namespace
} // namespace tarvelon
