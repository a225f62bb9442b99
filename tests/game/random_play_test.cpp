// Random play: thousands of seeded sequences of everything a player can do, with time passing
// in between, checking after every event that the standings add up, that the bankroll holds
// exactly what the accepted stakes and the announced payouts say, that no control shows
// "inf" or "nan", and that the game ends only through the quit timer after game over.
//
// The sequences choose their actions with a generator of their own; the game keeps its own
// random source, so the races are the game's, only the player is random.
#include "support/headless_game.h"
#include "support/long_play.h"

#include "ui/texts.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace tarvelon {
namespace {

using testing::BankrollLedger;
using testing::HeadlessGame;
using testing::PlacedBet;

// A stake text and what it stands for: its number, or nullopt when no careful reader would
// take it for a number the game can hold.
struct Stake {
    std::string text;
    std::optional<double> value;
};

constexpr double largest = std::numeric_limits<double>::max();

// Texts that are not stakes, whatever the reader.
const char* const junk[] = {"",    " ",   "abc",      "12abc", "+",    "-",     ".",
                            "1e",  "e5",  "1 2",      "1,5",   "0x10", "$5",    "- 5",
                            "inf", "nan", "Infinity", "-inf",  "NaN",  "1e999", "--1"};

// Stakes far beyond any bankroll, some of whose payouts no double can hold.
const Stake huge[] = {{"1e308", 1e308},
                      {"8e307", 8e307},
                      {"1.5e300", 1.5e300},
                      {"1E+200", 1E+200},
                      {"9e307", 9e307},
                      {"1e15", 1e15},
                      {"1.7976931348623157e308", largest},
                      {"1e-400", 0.0}};

class Player {
public:
    explicit Player(std::uint32_t seed) : random_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Stakes with at most twelve significant digits, so that twice the stake is announced
    // exactly and the payout read back from the message is the one the game added.
    Stake stake() {
        const int kind = pick(0, 99);
        if (kind < 30) {
            const int whole = pick(0, kind < 10 ? 20 : 2000);
            return {std::to_string(whole), whole};
        }
        if (kind < 45) {
            const int cents = pick(0, 200'000);
            const std::string digits = std::to_string(cents / 100);
            const int fraction = cents % 100;
            // Trailing zeros and a missing leading zero are both numbers.
            std::string text = digits == "0" && pick(0, 1) ? "" : digits;
            text += '.';
            text += static_cast<char>('0' + fraction / 10);
            if (fraction % 10 != 0 || pick(0, 1))
                text += static_cast<char>('0' + fraction % 10);
            return {text, cents / 100.0};
        }
        if (kind < 55) {
            Stake inner = stake();
            const char* blanks[] = {" ", "  ", "\t", " \t"};
            inner.text = blanks[pick(0, 3)] + inner.text + blanks[pick(0, 3)];
            return inner;
        }
        if (kind < 65) {
            Stake inner = stake();
            if (inner.text.find_first_not_of(" \t") != std::string::npos &&
                inner.text[inner.text.find_first_not_of(" \t")] != '-') {
                inner.text.insert(inner.text.find_first_not_of(" \t"), "-");
                if (inner.value)
                    inner.value = *inner.value == 0 ? 0.0 : -*inner.value;
            }
            return inner;
        }
        if (kind < 75)
            return huge[pick(0, static_cast<int>(std::size(huge)) - 1)];
        if (kind < 85)
            return {junk[pick(0, static_cast<int>(std::size(junk)) - 1)], std::nullopt};
        if (kind < 90) {
            const int whole = pick(1, 500);
            return {"+" + std::to_string(whole), whole};
        }
        return {"0", 0.0};
    }

    // Milliseconds to let pass. Between races only the cut-off tick runs, and it does the same
    // on every tick, so long waits are kept for races, which take a few seconds to finish.
    int waitLength(bool raceRunning) {
        const int kind = pick(0, 99);
        if (!raceRunning)
            return kind < 40 ? pick(1, 3) : kind < 80 ? pick(4, 50) : pick(50, 300);
        return kind < 30 ? pick(1, 50) : kind < 60 ? pick(50, 1500) : pick(1500, 4000);
    }

private:
    std::mt19937 random_;
};

enum class Action { Option, Type, PlaceBet, Go, ShowStatus, About, StatusOk, Wait };

// One event as it happened, for the failure report.
struct Event {
    Action action;
    int option = 0;
    std::string text;
    int ms = 0;
};

std::string describe(const std::vector<Event>& events) {
    std::ostringstream out;
    const char* names[] = {"option", "type", "Place Bet", "GO!", "Status", "About", "OK", "wait"};
    for (const Event& event : events) {
        out << "\n  " << names[static_cast<int>(event.action)];
        if (event.action == Action::Option)
            out << ' ' << event.option;
        if (event.action == Action::Type)
            out << " \"" << event.text << '"';
        if (event.action == Action::Wait)
            out << ' ' << event.ms << " ms";
    }
    return out.str();
}

bool showsInfinityOrNan(const std::string& text) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = lower(text[i]), b = lower(text[i + 1]), c = lower(text[i + 2]);
        if ((a == 'i' && b == 'n' && c == 'f') || (a == 'n' && b == 'a' && c == 'n'))
            return true;
    }
    return false;
}

// One sequence of play: the game, the events, and what the test expects the game to hold,
// kept from the player's own side of the screen.
class Sequence {
public:
    Sequence(std::uint32_t seed, int skipDraws) : player_(seed), game_(&random_) {
        for (int i = 0; i < skipDraws; ++i)
            random_.next();
    }

    // Plays up to `events` events; stops at the first failed check or when the program ends.
    void play(int events) {
        for (int i = 0; i < events && !ended_; ++i) {
            step();
            check();
            if (::testing::Test::HasFailure())
                return;
        }
    }

    const std::vector<Event>& events() const { return events_; }
    int racesRun() const { return racesRun_; }
    bool ended() const { return ended_; }

private:
    Main& main() { return game_.main(); }

    void record(Action action, int option = 0, std::string text = {}, int ms = 0) {
        events_.push_back({action, option, std::move(text), ms});
    }

    void step() {
        const int roll = player_.pick(0, 99);
        if (roll < 20)
            clickOption(player_.pick(0, 6));
        else if (roll < 35)
            type(player_.stake());
        else if (roll < 50)
            placeBet();
        else if (roll < 58)
            go();
        else if (roll < 62)
            act(Action::ShowStatus, main().Command6);
        else if (roll < 65)
            act(Action::About, main().Command4);
        else if (roll < 68)
            statusOk();
        else
            wait(player_.waitLength(raceRunning_));
    }

    void clickOption(int index) {
        OptionButton& option = *main().options()[static_cast<std::size_t>(index)];
        if (!option.Enabled)
            return;
        record(Action::Option, index);
        game_.click(option);
        choice_ = index;
        if (index == 6)
            typed_ = {"0", 0.0}; // no bet clears the amount box
    }

    void type(Stake stake) {
        if (!main().Text7.Enabled)
            return;
        record(Action::Type, 0, stake.text);
        game_.typeStake(stake.text);
        typed_ = std::move(stake);
    }

    void placeBet() {
        if (!main().Command5.Enabled)
            return;
        record(Action::PlaceBet);
        const std::size_t before = game_.messages.shown.size();
        game_.click(main().Command5);
        if (bets_.size() >= 2) {
            ++lateBetPresses_; // before the cut-off tick: nothing is placed
            return;
        }
        const bool refused = game_.messages.shown.size() > before &&
                             game_.messages.shown[before].text == texts::refusedStake;
        const std::optional<double>& value = typed_.value;
        if (!value || *value < 0 || !std::isfinite(2 * *value)) {
            EXPECT_TRUE(refused) << "stake \"" << typed_.text << '"';
        } else if (*value <= 1e12 && std::fabs(ledger_.value()) <= 1e290) {
            EXPECT_FALSE(refused) << "stake \"" << typed_.text << '"';
        }
        if (refused) {
            refusalsExpected_ += 1;
            return;
        }
        ledger_.debit(value.value_or(0));
        bets_.push_back({choice_ == 6 ? "No Bet" : main().slots()[choice_].name.Text, typed_.text,
                         value.value_or(0)});
        typed_ = {"0", 0.0};
    }

    void go() {
        if (!main().Command1.Enabled)
            return;
        record(Action::Go);
        game_.click(main().Command1);
        raceRunning_ = true;
    }

    void act(Action action, CommandButton& button) {
        record(action);
        game_.click(button);
        if (action == Action::About)
            expectedAbouts_ += 1;
    }

    void statusOk() {
        Status* status = game_.shell.existingStatus();
        if (status == nullptr || !status->Visible)
            return;
        record(Action::StatusOk);
        game_.clock.event([&] { status->Command1_Click(); });
    }

    void wait(int ms) {
        record(Action::Wait, 0, {}, ms);
        // Stop at the end of a race or of the program, so each is checked as its own event.
        game_.clock.advanceUntil(
            [&] { return (raceRunning_ && main().Command1.Enabled) || game_.shell.mainClosed(); },
            ms);
    }

    // Everything the game shows must agree with what the player has seen happen.
    void check() {
        readNewMessages();
        if (raceRunning_ && main().Command1.Enabled)
            raceEnded();
        if (game_.shell.mainClosed()) {
            EXPECT_TRUE(gameOver_) << "the program ended without game over";
            EXPECT_TRUE(game_.shell.programEnded());
            ended_ = true;
            return;
        }
        checkStandings();
        checkBets();
        checkTexts();
    }

    void readNewMessages() {
        const std::vector<MessageRecorder::Shown>& shown = game_.messages.shown;
        for (; messagesSeen_ < shown.size(); ++messagesSeen_) {
            const MessageRecorder::Shown& box = shown[messagesSeen_];
            if (box.text == texts::refusedStake) {
                EXPECT_GT(refusalsExpected_, 0) << "a refusal outside Place Bet";
                refusalsExpected_ -= 1;
            } else if (box.text == texts::aboutText) {
                EXPECT_EQ(box.title, texts::aboutTitle);
                EXPECT_GT(expectedAbouts_, 0) << "an About box nobody asked for";
                expectedAbouts_ -= 1;
            } else if (std::optional<double> payout = testing::announcedPayout(box.text)) {
                EXPECT_EQ(box.title, main().Caption);
                payouts_.push_back({box.text, *payout});
            } else if (box.text == testing::gameOverMessage) {
                EXPECT_EQ(box.title, main().Caption);
                EXPECT_FALSE(gameOver_) << "game over twice";
                gameOverShown_ = true;
            } else {
                ADD_FAILURE() << "unexpected message: " << box.text;
            }
        }
    }

    void raceEnded() {
        raceRunning_ = false;
        ++racesRun_;
        const int winner = findWinner();
        std::vector<std::string> expected;
        if (winner != 0) {
            const std::string& name = main().slots()[winner - 1].name.Text;
            for (const PlacedBet& bet : bets_)
                if (bet.car == name)
                    expected.push_back(std::string(testing::winMessagePrefix) +
                                       NumberText(2 * bet.amount));
        }
        std::vector<std::string> announced;
        for (const auto& [text, payout] : payouts_) {
            announced.push_back(text);
            ledger_.credit(payout);
        }
        EXPECT_EQ(announced, expected) << "the bets on the winner, first bet first";
        payouts_.clear();

        EXPECT_EQ(gameOverShown_, ledger_.value() <= 0) << "bankroll " << ledger_.text();
        gameOver_ = gameOverShown_;

        bets_.clear();
        lateBetPresses_ = 0;
        // The reset chooses no bet again, which clears the amount box if a car was chosen.
        if (choice_ != 6)
            typed_ = {"0", 0.0};
        choice_ = 6;
    }

    // The slot whose win count went up by one in the race just ended; 0 after a failure.
    int findWinner() {
        Status* status = game_.shell.existingStatus();
        if (status == nullptr) {
            ADD_FAILURE() << "a race ended without the standings window";
            return 0;
        }
        int winner = 0;
        for (int slot = 1; slot <= 6; ++slot) {
            const double wins =
                StrictNumber(status->tally(slot, Status::Column::Wins).Caption).value_or(-1);
            if (wins == wins_[slot - 1] + 1) {
                EXPECT_EQ(winner, 0) << "two winners in one race";
                winner = slot;
            }
            wins_[slot - 1] = wins;
        }
        EXPECT_NE(winner, 0) << "no winner counted";
        return winner;
    }

    void checkStandings() {
        Status* status = game_.shell.existingStatus();
        if (status == nullptr) {
            EXPECT_EQ(racesRun_, 0) << "races were run but there are no standings";
            return;
        }
        double winSum = 0, lossSum = 0;
        for (int slot = 1; slot <= 6; ++slot) {
            const std::optional<double> wins =
                StrictNumber(status->tally(slot, Status::Column::Wins).Caption);
            const std::optional<double> losses =
                StrictNumber(status->tally(slot, Status::Column::Losses).Caption);
            ASSERT_TRUE(wins && losses) << "slot " << slot;
            EXPECT_EQ(*wins + *losses, racesRun_) << "slot " << slot;
            winSum += *wins;
            lossSum += *losses;
        }
        EXPECT_EQ(winSum, racesRun_);
        EXPECT_EQ(lossSum, 5.0 * racesRun_);
    }

    void checkBets() {
        Main& m = main();
        EXPECT_EQ(m.money.Text, ledger_.text());
        EXPECT_EQ(m.Text7.Text, typed_.text);
        EXPECT_TRUE(m.options()[choice_]->Value()) << "the choice is option " << choice_;
        const int counter = 2 - static_cast<int>(bets_.size()) - lateBetPresses_;
        EXPECT_EQ(m.Command5.Tag, NumberText(counter));
        EXPECT_EQ(m.timer.Enabled, gameOver_) << "the quit timer runs only after game over";
        const std::pair<const Label*, const TextBox*> records[] = {{&m.Bet, &m.Text10},
                                                                   {&m.bet2, &m.Text13}};
        for (std::size_t i = 0; i < 2; ++i) {
            const bool placed = i < bets_.size();
            EXPECT_EQ(records[i].first->Caption, placed ? bets_[i].car : "No Bet");
            EXPECT_EQ(records[i].second->Text, placed ? bets_[i].stake : "0");
        }
    }

    // Every text the game shows, but the amount box, which shows what the player typed.
    void checkTexts() {
        auto checkText = [](const std::string& name, const std::string& text) {
            EXPECT_FALSE(showsInfinityOrNan(text)) << name << " shows \"" << text << '"';
        };
        for (ControlRef ref : main().controls()) {
            std::visit(
                [&](auto* control) {
                    if constexpr (requires { control->Text; }) {
                        if (control != &main().Text7)
                            checkText(control->Name, control->Text);
                    }
                    if constexpr (requires { control->Caption; })
                        checkText(control->Name, control->Caption);
                    if constexpr (requires { control->Tag; })
                        checkText(control->Name, control->Tag);
                },
                ref);
        }
        if (Status* status = game_.shell.existingStatus())
            for (Label* label : status->labels())
                checkText(label->Name, label->Caption);
    }

    Player player_;
    GameRandom random_;
    HeadlessGame game_;
    std::vector<Event> events_;

    // What the player has seen and done.
    int choice_ = 6; // index into Main::options(); `none` is the last
    Stake typed_{"0", 0.0};
    std::vector<PlacedBet> bets_;
    int lateBetPresses_ = 0;
    BankrollLedger ledger_;
    bool raceRunning_ = false;
    int racesRun_ = 0;
    std::array<double, 6> wins_{};
    std::size_t messagesSeen_ = 0;
    int refusalsExpected_ = 0;
    int expectedAbouts_ = 0;
    std::vector<std::pair<std::string, double>> payouts_;
    bool gameOverShown_ = false, gameOver_ = false;
    bool ended_ = false;
};

// Under AddressSanitizer every event costs ten times as much; a quarter of the sequences still
// walks every path the sanitizer needs to see.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVELON_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(TARVELON_ADDRESS_SANITIZER)
constexpr int sequences = 500;
#else
constexpr int sequences = 2000;
#endif

TEST(RandomPlay, EveryEventKeepsTheStandingsTheBankrollAndTheTextsInOrder) {
    constexpr int eventsPerSequence = 150;
    int races = 0, endedGames = 0;
    for (std::uint32_t seed = 1; seed <= sequences; ++seed) {
        // Each sequence starts the game's races at a different point of its fixed sequence.
        Sequence sequence(seed, static_cast<int>(seed % 97) * 6);
        sequence.play(eventsPerSequence);
        races += sequence.racesRun();
        endedGames += sequence.ended() ? 1 : 0;
        if (HasFailure()) {
            ADD_FAILURE() << "seed " << seed << ", events:" << describe(sequence.events());
            return;
        }
    }
    // The property is only worth something if the sequences got far enough.
    EXPECT_GT(races, sequences) << "races finished";
    EXPECT_GT(endedGames, 10) << "games that ran out of money";
}

} // namespace
} // namespace tarvelon
