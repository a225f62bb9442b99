// A game played from start to end, written down as the player meets it: each step, every box
// it showed (title, icon, text) with what could be read on the windows while the box was
// open, and the windows after it. The expected transcript is written from the rules. The game
// is played twice, once with every timer firing at every tick and once with timers sleeping
// as the real front end's do: the player must not tell the two apart.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

class ScriptedGame : public testing::HeadlessGame {
public:
    explicit ScriptedGame(VirtualClock::Firings firings) : HeadlessGame(nullptr, firings) {
        messages.describeScreen = [this] { return screen(); };
    }

    // Runs `step` and writes down what it showed.
    void play(const std::string& name, const std::function<void()>& step) {
        messages.shown.clear();
        step();
        transcript += "== " + name + "\n";
        for (const MessageRecorder::Shown& box : messages.shown)
            transcript += "box \"" + box.title + "\", " +
                          (box.icon == MessageIcon::None ? "no icon" : "information") + ": " +
                          box.text + "\n  over: " + compared(box.screen) + "\n";
        if (shell.programEnded())
            transcript += "closed " + shell.closed[0] + ", then " + shell.closed[1] + "\n";
        else
            transcript += "after: " + compared(screen()) + "\n";
    }

    std::string transcript;

protected:
    // A firing after which the timer's inputs are as they were changed nothing the player
    // sees: that is what lets its real timer sleep.
    void fire(Timer& timer) override {
        const std::string inputs = timer.Inputs ? timer.Inputs() : "", before = screen();
        HeadlessGame::fire(timer);
        EXPECT_TRUE(!timer.Inputs || timer.Inputs() != inputs || screen() == before)
            << timer.Name << " changed what the player sees, but not its inputs";
    }

private:
    // The screen, or "the same" when it is what was last written.
    std::string compared(const std::string& now) {
        return now == std::exchange(last_, now) ? "the same" : now;
    }
    std::string last_;
};

// The player's steps, each with the name the transcript gives it.
void playTheGame(ScriptedGame& game) {
    Main& main = game.main();
    game.play("the program starts", [&] { game.clock.event([&] { main.Form_Load(); }); });
    game.play("About", [&] { game.click(main.Command4); });
    game.play("Blue Streak, 100, Place Bet", [&] { game.bet(main.blue, "100"); });
    game.play("50, Place Bet, the same car",
              [&] { game.typeStake("50"), game.click(main.Command5); });
    // Before the cut-off's next tick: it places nothing, and betting is left open.
    game.play("Place Bet once more", [&] { game.click(main.Command5); });
    game.play("a millisecond", [&] { game.clock.advance(1); });
    // The amber light stands for a second, the first race tick comes 10 ms after the green.
    game.play("GO!, then 999 ms", [&] { game.click(main.Command1), game.clock.advance(999); });
    game.play("a millisecond", [&] { game.clock.advance(1); });
    game.play("9 ms", [&] { game.clock.advance(9); });
    game.play("a millisecond", [&] { game.clock.advance(1); });
    game.play("the race",
              [&] { game.clock.advanceUntil([&] { return main.Command1.Enabled; }, 60'000); });
    game.play("Place Bet twice on No Bet",
              [&] { game.click(main.Command5), game.click(main.Command5); });
    game.play("a millisecond", [&] { game.clock.advance(1); });
    game.play("GO! and the race", [&] { game.race(); });
    game.play("30 typed", [&] { game.typeStake("30"); });
    game.play("No Bet clicked again", [&] { game.click(main.none); });
    game.play("Status", [&] { game.click(main.Command6); });
    game.play("Greenbean, 30 typed, Red Ryder",
              [&] { game.click(main.green), game.typeStake("30"), game.click(main.red); });
    game.play("Red Ryder, 1100, Place Bet", [&] { game.bet(main.red, "1100"); });
    game.play("Orange, 50, Place Bet", [&] { game.bet(main.orange, "50"); });
    game.play("GO! and the race", [&] { game.race(); });
    game.play("a millisecond", [&] { game.clock.advance(1); });
}

TEST(Transcript, AGameFromStartToGameOverReadsAsTheRulesSay) {
    ScriptedGame game(VirtualClock::Firings::Every), sleeping(VirtualClock::Firings::Sleeping);
    playTheGame(game);
    playTheGame(sleeping);
    EXPECT_EQ(sleeping.transcript, game.transcript) << "with timers sleeping";
    EXPECT_LT(sleeping.clock.fired * 10, game.clock.fired) << "nothing slept: that proves nothing";
    EXPECT_EQ(game.transcript, R"(== the program starts
box "Tarvelon 2000", no icon: Welcome to Tarvelon 2000, where six cars race and you bet on the winner.
  over: $1000 | bets No Bet $0, No Bet $0 | stake "0" shut | on No Bet | buttons GO!, Place Bet | signal amber+face | cars at start | no standings
box "Tarvelon 2000", no icon: You start with $1000: pick a car, type a stake and press Place Bet, two bets a race.
  over: the same
box "Tarvelon 2000", no icon: Press GO! to start the race. A winning bet pays twice its stake. Good luck!
  over: the same
after: the same
== About
box "About Tarvelon 2000", information: Tarvelon 2000, version 1.0: a car-race betting game for one player.
  over: the same
after: the same
== Blue Streak, 100, Place Bet
after: $900 | bets Blue Streak $100, No Bet $0 | stake "0" open | on Blue Streak (shut: Blue Streak) | buttons GO!, Place Bet | signal amber+face | cars at start | no standings
== 50, Place Bet, the same car
after: $850 | bets Blue Streak $100, Blue Streak $50 | stake "0" open | on Blue Streak (shut: Blue Streak) | buttons GO!, Place Bet | signal amber+face | cars at start | no standings
== Place Bet once more
after: the same
== a millisecond
after: the same
== GO!, then 999 ms
after: $850 | bets Blue Streak $100, Blue Streak $50 | stake "0" shut | on Blue Streak (all shut) | buttons none | signal amber | cars at start | no standings
== a millisecond
after: $850 | bets Blue Streak $100, Blue Streak $50 | stake "0" shut | on Blue Streak (all shut) | buttons none | signal green | cars at start | no standings
== 9 ms
after: the same
== a millisecond
after: $850 | bets Blue Streak $100, Blue Streak $50 | stake "0" shut | on Blue Streak (all shut) | buttons none | signal green | cars racing | no standings
== the race
box "Tarvelon 2000", no icon: Your car placed first in the race. You won $200
  over: $850 | bets Blue Streak $100, Blue Streak $50 | stake "0" shut | on Blue Streak (all shut) | buttons none | signal green | cars racing | standings hidden, Wins 0 0 1 0 0 0, Loses 1 1 0 1 1 1
box "Tarvelon 2000", no icon: Your car placed first in the race. You won $100
  over: $1050 | bets Blue Streak $100, Blue Streak $50 | stake "0" shut | on Blue Streak (all shut) | buttons none | signal green | cars racing | standings hidden, Wins 0 0 1 0 0 0, Loses 1 1 0 1 1 1
after: $1150 | bets No Bet $0, No Bet $0 | stake "0" shut | on No Bet | buttons GO!, Place Bet | signal amber+face | cars at start | standings hidden, Wins 0 0 1 0 0 0, Loses 1 1 0 1 1 1
== Place Bet twice on No Bet
after: the same
== a millisecond
after: $1150 | bets No Bet $0, No Bet $0 | stake "0" shut | on No Bet (all shut) | buttons GO! | signal amber+face | cars at start | standings hidden, Wins 0 0 1 0 0 0, Loses 1 1 0 1 1 1
== GO! and the race
after: $1150 | bets No Bet $0, No Bet $0 | stake "0" open | on No Bet | buttons GO!, Place Bet | signal amber+face | cars at start | standings hidden, Wins 0 0 1 0 1 0, Loses 2 2 1 2 1 2
== 30 typed
after: $1150 | bets No Bet $0, No Bet $0 | stake "30" open | on No Bet | buttons GO!, Place Bet | signal amber+face | cars at start | standings hidden, Wins 0 0 1 0 1 0, Loses 2 2 1 2 1 2
== No Bet clicked again
after: $1150 | bets No Bet $0, No Bet $0 | stake "0" shut | on No Bet | buttons GO!, Place Bet | signal amber+face | cars at start | standings hidden, Wins 0 0 1 0 1 0, Loses 2 2 1 2 1 2
== Status
after: $1150 | bets No Bet $0, No Bet $0 | stake "0" shut | on No Bet | buttons GO!, Place Bet | signal amber+face | cars at start | standings shown, Wins 0 0 1 0 1 0, Loses 2 2 1 2 1 2
== Greenbean, 30 typed, Red Ryder
after: $1150 | bets No Bet $0, No Bet $0 | stake "30" open | on Red Ryder | buttons GO!, Place Bet | signal amber+face | cars at start | standings shown, Wins 0 0 1 0 1 0, Loses 2 2 1 2 1 2
== Red Ryder, 1100, Place Bet
after: $50 | bets Red Ryder $1100, No Bet $0 | stake "0" open | on Red Ryder (shut: Red Ryder) | buttons GO!, Place Bet | signal amber+face | cars at start | standings shown, Wins 0 0 1 0 1 0, Loses 2 2 1 2 1 2
== Orange, 50, Place Bet
after: $0 | bets Red Ryder $1100, Orange $50 | stake "0" open | on Orange (shut: Red Ryder) | buttons GO!, Place Bet | signal amber+face | cars at start | standings shown, Wins 0 0 1 0 1 0, Loses 2 2 1 2 1 2
== GO! and the race
box "Tarvelon 2000", no icon: Your All Out Of Money. Game Over.
  over: $0 | bets No Bet $0, No Bet $0 | stake "0" shut | on No Bet | buttons GO!, Place Bet | signal amber+face | cars at start | standings shown, Wins 0 1 1 0 1 0, Loses 3 2 2 3 2 3
after: the same
== a millisecond
closed Main, then Status
)");
}

} // namespace
} // namespace tarvelon
