// The race result: standings, payouts, the reset and the end of the game.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;
using Column = Status::Column;

// Which slot won the race that just ended, read from the change in the standings.
int playRaceAndFindWinner(HeadlessGame& game, std::array<int, 6>& winsSoFar) {
    EXPECT_GT(game.race(), 0);
    for (int slot = 1; slot <= 6; ++slot) {
        const int wins = std::stoi(game.tally(slot, Column::Wins));
        if (wins != winsSoFar[slot - 1]) {
            winsSoFar[slot - 1] = wins;
            return slot;
        }
    }
    return 0;
}

TEST(RaceResult, TheFirstTenWinnersAreTheSameInEveryRun) {
    HeadlessGame game;
    std::array<int, 6> wins{};
    std::vector<int> winners;
    for (int race = 0; race < 10; ++race)
        winners.push_back(playRaceAndFindWinner(game, wins));
    EXPECT_EQ(winners, (std::vector<int>{3, 5, 2, 5, 1, 1, 1, 3, 3, 5}));
}

// Puts the cars so that the next tick ends the race for `slot` whatever the steps.
void forceWinner(HeadlessGame& game, int slot) {
    game.click(game.main().Command1);
    game.clock.advance(1000);
    game.main().slots()[slot - 1].car.Left = 7440.5f;
}

void finishForced(HeadlessGame& game, int slot) {
    forceWinner(game, slot);
    game.clock.advance(10);
    ASSERT_TRUE(game.main().Command1.Enabled) << "the race has ended";
}

TEST(RaceResult, CountsOneWinForTheWinnerAndOneLossForEveryOtherCar) {
    HeadlessGame game;
    finishForced(game, 3);
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_EQ(game.tally(slot, Column::Wins), slot == 3 ? "1" : "0") << slot;
        EXPECT_EQ(game.tally(slot, Column::Losses), slot == 3 ? "0" : "1") << slot;
    }
    EXPECT_FALSE(game.shell.existingStatus()->Visible) << "made hidden by the result";
}

TEST(RaceResult, SeveralCarsPastTheLineInOneTickGiveTheLowestSlotTheWin) {
    HeadlessGame game;
    forceWinner(game, 5);
    game.main().car2.Left = 7441;
    game.main().car6.Left = 7500;
    game.clock.advance(10);
    EXPECT_EQ(game.tally(2, Column::Wins), "1");
    EXPECT_EQ(game.tally(5, Column::Losses), "1");
    EXPECT_EQ(game.tally(6, Column::Losses), "1");
}

TEST(RaceResult, StandingsAlwaysAddUpToTheRacesRun) {
    HeadlessGame game;
    const int races = 25;
    for (int race = 0; race < races; ++race)
        ASSERT_GT(game.race(), 0);
    int wins = 0, losses = 0;
    for (int slot = 1; slot <= 6; ++slot) {
        const int carWins = std::stoi(game.tally(slot, Column::Wins));
        const int carLosses = std::stoi(game.tally(slot, Column::Losses));
        EXPECT_EQ(carWins + carLosses, races) << slot;
        wins += carWins;
        losses += carLosses;
    }
    EXPECT_EQ(wins, races);
    EXPECT_EQ(losses, 5 * races);
}

TEST(RaceResult, TheWorkedExampleOfAFirstRace) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.blue, "150");
    EXPECT_EQ(main.money.Text, "850");
    finishForced(game, 3);
    ASSERT_EQ(game.messages.shown.size(), 1u);
    EXPECT_EQ(game.messages.shown[0].text, "Your car placed first in the race. You won $300");
    EXPECT_EQ(game.messages.shown[0].title, main.Caption);
    EXPECT_EQ(game.messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(main.money.Text, "1150");
    EXPECT_EQ(game.tally(3, Column::Wins), "1");
}

TEST(RaceResult, PaysTheBankrollOnlyAfterTheWinMessageIsClosed) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "100");
    std::string bankrollWhileShown;
    game.messages.whileShown = [&](const auto&) { bankrollWhileShown = main.money.Text; };
    finishForced(game, 1);
    EXPECT_EQ(bankrollWhileShown, "900");
    EXPECT_EQ(main.money.Text, "1100");
}

TEST(RaceResult, PaysBothBetsOnTheWinnerFirstBetFirst) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.green, "100");
    game.typeStake("12.5"); // the second bet backs the same car: its option stays chosen
    game.click(main.Command5);
    EXPECT_EQ(main.bet2.Caption, "Greenbean");
    finishForced(game, 2);
    ASSERT_EQ(game.messages.shown.size(), 2u);
    EXPECT_EQ(game.messages.shown[0].text, "Your car placed first in the race. You won $200");
    EXPECT_EQ(game.messages.shown[1].text, "Your car placed first in the race. You won $25");
    EXPECT_EQ(main.money.Text, "1112.5");
}

TEST(RaceResult, PaysOnlyTheSecondBetWhenOnlyItNamesTheWinner) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "100");
    game.bet(main.purple, "50");
    finishForced(game, 6);
    ASSERT_EQ(game.messages.shown.size(), 1u);
    EXPECT_EQ(game.messages.shown[0].text, "Your car placed first in the race. You won $100");
    EXPECT_EQ(main.money.Text, "950");
}

TEST(RaceResult, NoBetOnTheWinnerPaysNothingButStillCountsAndResets) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "100");
    finishForced(game, 4);
    EXPECT_TRUE(game.messages.shown.empty());
    EXPECT_EQ(main.money.Text, "900");
    EXPECT_EQ(game.tally(4, Column::Wins), "1");
    EXPECT_EQ(main.Bet.Caption, "No Bet");
}

TEST(RaceResult, ABankrollOfExactlyZeroEndsTheGame) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "1000");
    finishForced(game, 2);
    ASSERT_EQ(game.messages.shown.size(), 1u);
    EXPECT_EQ(game.messages.shown[0].text, "Your All Out Of Money. Game Over.");
    EXPECT_EQ(game.messages.shown[0].title, main.Caption);
    EXPECT_TRUE(main.Command1.Enabled) << "the board was reset before the message";
    EXPECT_TRUE(main.timer.Enabled);
    EXPECT_FALSE(game.shell.programEnded()) << "the quit timer has not fired yet";
    game.clock.advance(1);
    EXPECT_TRUE(game.shell.programEnded());
}

TEST(RaceResult, ABankrollBelowZeroEndsTheGameUnlessAPayoutLiftsIt) {
    HeadlessGame lost;
    lost.bet(lost.main().red, "1500");
    finishForced(lost, 2);
    EXPECT_EQ(lost.main().money.Text, "-500");
    EXPECT_TRUE(lost.main().timer.Enabled);

    HeadlessGame won;
    won.bet(won.main().red, "1500");
    finishForced(won, 1);
    EXPECT_EQ(won.main().money.Text, "2500");
    EXPECT_FALSE(won.main().timer.Enabled);
}

TEST(RaceResult, AnyBankrollAboveZeroPlaysOn) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "999.99");
    finishForced(game, 2);
    EXPECT_EQ(main.money.Text, "0.00999999999999091") << "money is never rounded to cents";
    EXPECT_FALSE(main.timer.Enabled);
    EXPECT_TRUE(game.messages.shown.empty());
}

TEST(RaceResult, SpendingTheBankrollOnBetsEndsTheGameOnlyAfterARace) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "1000");
    EXPECT_EQ(main.money.Text, "0");
    game.clock.advance(500);
    EXPECT_FALSE(main.timer.Enabled);
    EXPECT_TRUE(game.messages.shown.empty());
}

} // namespace
} // namespace tarvelon
