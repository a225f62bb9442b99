// Helpers for benchmarks that play many races headless: a game window with recording services,
// a race driven straight through its handlers, and a player who places random bets.
#pragma once

#include "game/numbers.h"
#include "support/headless_shell.h"
#include "support/message_recorder.h"
#include "ui/main_form.h"
#include "ui/toolkit/random_source.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

namespace tarvelon::bench {

// The game window with services that need no toolkit. The random source is passed in and
// outlives the window, so a new game goes on with the next races of the same sequence.
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

// Runs one race by calling its handlers in the order its timers would: "GO!", the start signal,
// then race ticks until the race result has stopped the race. Returns the number of ticks, or
// -1 when "GO!" was disabled or the race did not end. Skipping the clock leaves out a thousand
// cut-off ticks a race, all of which change nothing.
inline int runRace(Main& main) {
    constexpr int tickLimit = 100'000; // only a source stuck at 0 gets here
    if (!main.Command1.Enabled)
        return -1;
    main.Command1_Click();
    main.Timer3_Timer();
    int ticks = 0;
    while (main.Race.Enabled && ticks < tickLimit) {
        main.Race_Timer();
        ++ticks;
    }
    return main.Race.Enabled ? -1 : ticks;
}

// A player who bets at random before each race: none, one or two bets, with stakes that are
// mostly small parts of the bankroll and now and then all of it or more, so that games both
// run long and run out of money.
class RandomBettor {
public:
    explicit RandomBettor(std::uint32_t seed) : random_(seed) {}

    // Chooses, types and presses Place Bet through the handlers.
    void placeBets(Main& main) {
        const int count = pick(0, 9) < 2 ? 0 : pick(1, 2);
        for (int bet = 0; bet < count; ++bet) {
            main.options()[static_cast<std::size_t>(pick(0, 6))]->click();
            if (main.Text7.Enabled)
                main.Text7.Text = stakeFor(main.money.Text);
            main.Command5_Click();
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string stakeFor(const std::string& bankrollText) {
        const double bankroll = LenientNumber(bankrollText);
        if (bankroll <= 0)
            return "0";
        const int kind = pick(0, 99);
        if (kind < 3)
            return bankrollText; // all in
        if (kind < 4)
            return NumberText(bankroll + 500); // more than it holds
        if (kind < 12)
            return "0";
        const auto tenth = static_cast<std::int64_t>(std::clamp(bankroll / 10, 1.0, 1e11));
        return std::to_string(std::uniform_int_distribution<std::int64_t>(1, tenth)(random_));
    }

    std::mt19937 random_;
};

} // namespace tarvelon::bench
