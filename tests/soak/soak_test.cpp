// The soak: a hundred thousand races with random bets, checking after every race that the
// standings add up and that the bankroll holds exactly what the bets and payouts say. When the
// bankroll runs out the game ends as it should and a new one starts; the count goes on.
// TARVELON_SOAK_RACES sets another number of races.
#include "support/long_play.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

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
    StandingsWatch standings;
    int races = 0;
};

// Compares the messages of the race result with the bets on the winner, first bet first, and
// the game-over line when the money is spent; credits the announced payouts to the ledger.
// Returns whether the game is over.
bool settleRace(PlayedGame& played, const std::vector<PlacedBet>& bets) {
    Main& main = played.game.main();
    std::vector<MessageRecorder::Shown>& shown = played.game.messages.shown;
    std::vector<std::string> paid;
    while (paid.size() < shown.size() && announcedPayout(shown[paid.size()].text)) {
        paid.push_back(shown[paid.size()].text);
        played.ledger.credit(*announcedPayout(paid.back()));
    }
    EXPECT_EQ(paid, payoutMessages(bets, main.slots()[played.standings.winner() - 1].name.Text));

    const bool over = played.ledger.value() <= 0;
    EXPECT_EQ(shown.size() - paid.size(), over ? 1u : 0u) << "messages after the payouts";
    if (paid.size() < shown.size()) {
        EXPECT_EQ(shown[paid.size()].text, gameOverMessage);
    }
    EXPECT_EQ(main.money.Text, played.ledger.text());
    EXPECT_EQ(main.timer.Enabled, over) << "the quit timer runs only after game over";
    shown.clear();
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
        Status* status = played->game.shell.existingStatus();
        ASSERT_NE(status, nullptr) << "the race result did not make the standings window";
        ASSERT_EQ(played->standings.check(*status, played->races), "") << "race " << race;
        ASSERT_NE(played->standings.winner(), 0) << "no car's win count went up in race " << race;
        if (!settleRace(*played, bets))
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
