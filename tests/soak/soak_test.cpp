// The soak: a hundred thousand races with random bets, checking after every race that the
// standings add up and that the bankroll holds exactly what the bets and payouts say. When the
// bankroll runs out the game ends as it should and a new one starts; the count goes on.
// TARVELON_SOAK_RACES sets another number of races.
#include "support/long_play.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace tarvelon {
namespace {

using namespace tarvelon::testing;

long racesToPlay() {
    if (const char* text = std::getenv("TARVELON_SOAK_RACES"))
        if (const long races = std::strtol(text, nullptr, 10); races > 0)
            return races;
    return 100'000;
}

// One game from its first race to the end of its money, and what the soak expects of it.
struct PlayedGame {
    explicit PlayedGame(RandomSource& random) : game(random) {}

    DirectGame game;
    BankrollLedger ledger;
    int races = 0;
    std::array<double, 6> wins{};
};

// Checks the standings after a race and returns the slot whose win count went up, or 0.
int checkStandingsAndFindWinner(PlayedGame& played) {
    Status* status = played.game.shell.existingStatus();
    if (status == nullptr) {
        ADD_FAILURE() << "the race result did not make the standings window";
        return 0;
    }
    int winner = 0;
    double winSum = 0, lossSum = 0;
    for (int slot = 1; slot <= 6; ++slot) {
        const std::optional<double> wins =
            StrictNumber(status->tally(slot, Status::Column::Wins).Caption);
        const std::optional<double> losses =
            StrictNumber(status->tally(slot, Status::Column::Losses).Caption);
        if (!wins || !losses) {
            ADD_FAILURE() << "slot " << slot << " has a tally that is not a number";
            return 0;
        }
        EXPECT_EQ(*wins + *losses, played.races) << "slot " << slot;
        winSum += *wins;
        lossSum += *losses;
        if (*wins == played.wins[slot - 1] + 1 && winner == 0)
            winner = slot;
        played.wins[slot - 1] = *wins;
    }
    EXPECT_EQ(winSum, played.races);
    EXPECT_EQ(lossSum, 5.0 * played.races);
    EXPECT_NE(winner, 0) << "no car's win count went up";
    return winner;
}

// Compares the messages of the race result with the bets on the winner, first bet first, and
// the game-over line when the money is spent; credits the announced payouts to the ledger.
// Returns whether the game is over.
bool settleRace(PlayedGame& played, const std::vector<PlacedBet>& bets, int winner) {
    Main& main = played.game.main();
    const std::string& winnerName = main.slots()[static_cast<std::size_t>(winner - 1)].name.Text;
    std::vector<std::string> expected;
    for (const PlacedBet& bet : bets)
        if (bet.car == winnerName)
            expected.push_back(std::string(winMessagePrefix) + NumberText(2 * bet.amount));

    const std::vector<MessageRecorder::Shown>& shown = played.game.messages.shown;
    std::size_t next = 0;
    for (; next < shown.size(); ++next) {
        const std::optional<double> payout = announcedPayout(shown[next].text);
        if (!payout)
            break;
        played.ledger.credit(*payout);
    }
    std::vector<std::string> paid;
    for (std::size_t i = 0; i < next; ++i)
        paid.push_back(shown[i].text);
    EXPECT_EQ(paid, expected);

    const bool over = played.ledger.value() <= 0;
    EXPECT_EQ(shown.size() - next, over ? 1u : 0u) << "messages after the payouts";
    if (next < shown.size()) {
        EXPECT_EQ(shown[next].text, gameOverMessage);
    }
    EXPECT_EQ(main.money.Text, played.ledger.text());
    EXPECT_EQ(main.timer.Enabled, over) << "the quit timer runs only after game over";
    played.game.messages.shown.clear();
    return over;
}

TEST(Soak, AHundredThousandRacesKeepTheStandingsAndTheBankrollInOrder) {
    const long races = racesToPlay();
    // One random source for all the games: each new game goes on with the next races.
    GameRandom random;
    RandomBettor bettor(20240601);
    auto played = std::make_unique<PlayedGame>(random);
    long games = 1, race = 0;
    for (; race < races && !HasFailure(); ++race) {
        Main& main = played->game.main();
        const std::vector<PlacedBet> bets = bettor.placeBets(main);
        ASSERT_TRUE(played->game.messages.shown.empty())
            << "race " << race << ": " << played->game.messages.shown[0].text;
        for (const PlacedBet& bet : bets)
            played->ledger.debit(bet.amount);
        // Betting closes at the next cut-off tick once both bets are placed.
        main.limit_Timer();
        ASSERT_EQ(main.Command5.Enabled, bets.size() < 2);

        ASSERT_GT(runRace(main), 0) << "race " << race;
        ++played->races;
        const int winner = checkStandingsAndFindWinner(*played);
        if (winner == 0 || !settleRace(*played, bets, winner))
            continue;

        main.timer_Timer();
        ASSERT_TRUE(played->game.shell.programEnded()) << "after game " << games;
        played = std::make_unique<PlayedGame>(random);
        ++games;
    }
    std::printf("%ld races in %ld games\n", race, games);
}

} // namespace
} // namespace tarvelon
