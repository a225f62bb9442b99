// Helpers for playing many races headless: a game window with recording services, a race
// driven straight through its handlers, a player who places random bets, a ledger that replays
// what the bankroll should hold, and the checks of payouts and standings. The soak test, the
// random play test and the benchmarks share them.
#pragma once

#include "game/numbers.h"
#include "ui/headless_shell.h"
#include "ui/main_form.h"
#include "ui/toolkit/message_recorder.h"
#include "ui/toolkit/random_source.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelon::testing {

// The game's own words for a paid bet and for the end of the game.
inline constexpr std::string_view winMessagePrefix = "Your car placed first in the race. You won $";
inline constexpr std::string_view gameOverMessage = "Your All Out Of Money. Game Over.";

// The amount a win message announces; nullopt when `text` is not a win message or its amount
// does not read as one number.
inline std::optional<double> announcedPayout(std::string_view text) {
    if (!text.starts_with(winMessagePrefix))
        return std::nullopt;
    return StrictNumber(text.substr(winMessagePrefix.size()));
}

// The game window with services that need no toolkit. The random source is passed in and
// outlives the window, so a new game can go on with the next races of the same sequence
// instead of replaying the first ones.
class DirectGame {
public:
    explicit DirectGame(RandomSource& random) : main_({random, messages, shell}) {}
    DirectGame(const DirectGame&) = delete;
    DirectGame& operator=(const DirectGame&) = delete;

    Main& main() { return main_; }

    MessageRecorder messages;
    HeadlessShell shell;

private:
    Main main_; // after the services it refers to
};

// A race that has not ended after this many ticks never will: a car moves 100 x r a tick, so
// only a source stuck at 0 or broken rules get here.
inline constexpr int raceTickLimit = 100'000;

// Runs one race the way its timers would, but by calling the handlers in their order: "GO!",
// the start signal, then race ticks until the race result has stopped the race. Returns the
// number of ticks, or -1 when "GO!" was disabled or the race did not end.
//
// Stepping the virtual clock instead would add a thousand cut-off ticks and the signal's idle
// second to every race, all of which change nothing; calling the handlers directly keeps a
// hundred thousand races within seconds.
inline int runRace(Main& main) {
    if (!main.Command1.Enabled)
        return -1;
    main.Command1_Click();
    main.Timer3_Timer();
    int ticks = 0;
    while (main.Race.Enabled && ticks < raceTickLimit) {
        main.Race_Timer();
        ++ticks;
    }
    return main.Race.Enabled ? -1 : ticks;
}

// The bankroll as the game should hold it, replayed from the stakes taken and the payouts
// made, in the order the game applied them. The game keeps the bankroll as text and rewrites
// it after every change, so the replay does the same and the two texts must be equal.
class BankrollLedger {
public:
    void debit(double stake) { apply(-stake); }
    void credit(double payout) { apply(payout); }

    double value() const { return value_; }
    const std::string& text() const { return text_; }

private:
    void apply(double change) {
        text_ = NumberText(value_ + change);
        value_ = LenientNumber(text_);
    }

    double value_ = 1000;
    std::string text_ = "1000";
};

// A bet the game took: the car caption it was recorded with and its stake.
struct PlacedBet {
    std::string car;
    std::string stake; // as typed
    double amount = 0;
};

// The messages that pay the bets on the car named `winner`: twice the stake each, first bet first.
inline std::vector<std::string> payoutMessages(const std::vector<PlacedBet>& bets,
                                               const std::string& winner) {
    std::vector<std::string> messages;
    for (const PlacedBet& bet : bets)
        if (bet.car == winner)
            messages.push_back(std::string(winMessagePrefix) + NumberText(2 * bet.amount));
    return messages;
}

// The standings window over a long game: each car's wins and losses add up to the races run, with
// one win and five losses a race.
class StandingsWatch {
public:
    // What is wrong with the tallies after `races` races, or an empty text; notes the car whose
    // win count went up by one since the last check.
    std::string check(Status& status, int races) {
        const std::string after = " after " + std::to_string(races) + " races";
        double winSum = 0, lossSum = 0;
        winner_ = 0;
        for (int slot = 1; slot <= 6; ++slot) {
            const std::string& won = status.tally(slot, Status::Column::Wins).Caption;
            const std::string& lost = status.tally(slot, Status::Column::Losses).Caption;
            const std::optional<double> wins = StrictNumber(won), losses = StrictNumber(lost);
            if (!wins || !losses || *wins + *losses != races)
                return "slot " + std::to_string(slot) + " shows " + won + " and " + lost + after;
            if (*wins == wins_[slot - 1] + 1)
                winner_ = slot;
            wins_[slot - 1] = *wins;
            winSum += *wins;
            lossSum += *losses;
        }
        if (winSum != races || lossSum != 5.0 * races)
            return NumberText(winSum) + " wins and " + NumberText(lossSum) + " losses" + after;
        return {};
    }

    // The slot whose win count went up at the last check, or 0.
    int winner() const { return winner_; }

private:
    std::array<double, 6> wins_{};
    int winner_ = 0;
};

// The car caption a bet on the currently chosen option is recorded with.
inline std::string chosenCar(Main& main) {
    for (Main::CarSlot slot : main.slots())
        if (slot.option.Value())
            return slot.name.Text;
    return "No Bet";
}

// A player who bets at random before each race: none, one or two bets, on random options, with
// stakes that are mostly small parts of the bankroll and now and then all of it or more, so
// that games both run long and run out of money. Every stake typed is one the game takes.
class RandomBettor {
public:
    explicit RandomBettor(std::uint32_t seed) : random_(seed) {}

    // Chooses, types and presses Place Bet through the handlers; returns the bets placed, in
    // order. The caller reads the game's reaction (a refusal would be a recorded message).
    std::vector<PlacedBet> placeBets(Main& main) {
        std::vector<PlacedBet> placed;
        const int count = pick(0, 9) < 2 ? 0 : pick(1, 2);
        for (int bet = 0; bet < count; ++bet) {
            OptionButton& option = *main.options()[static_cast<std::size_t>(pick(0, 6))];
            // The first bet's car is disabled now; the choice then stays where it was, and
            // the second bet backs the same car again.
            option.click();
            if (main.Text7.Enabled)
                main.Text7.Text = stakeFor(main.money.Text);
            const PlacedBet expected{chosenCar(main), main.Text7.Text,
                                     StrictNumber(main.Text7.Text).value_or(0)};
            const std::string counterBefore = main.Command5.Tag;
            main.Command5_Click();
            if (main.Command5.Tag != counterBefore)
                placed.push_back(expected);
        }
        return placed;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string stakeFor(const std::string& bankrollText) {
        const double bankroll = LenientNumber(bankrollText);
        if (bankroll <= 0)
            return "0"; // spent on the first bet
        const int kind = pick(0, 99);
        if (kind < 3)
            return bankrollText; // all in
        if (kind < 4)
            return NumberText(bankroll + 500); // more than it holds
        if (kind < 12)
            return "0";
        // Whole amounts and cents up to a tenth of the bankroll, capped so that the stake
        // keeps few enough digits for its payout to be announced exactly.
        const auto tenth = static_cast<std::int64_t>(std::clamp(bankroll / 10, 1.0, 1e11));
        std::uniform_int_distribution<std::int64_t> amount(1, tenth);
        if (kind < 70)
            return std::to_string(amount(random_));
        const std::int64_t cents = amount(random_) * 100 + pick(0, 99);
        const std::int64_t fraction = cents % 100;
        return std::to_string(cents / 100) + (fraction < 10 ? ".0" : ".") +
               std::to_string(fraction);
    }

    std::mt19937 random_;
};

} // namespace tarvelon::testing
