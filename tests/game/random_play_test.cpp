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

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

namespace tarvelon {
namespace {

using namespace tarvelon::testing;

// A stake text and what it stands for: its number, or nullopt when no careful reader would
// take it for a number the game can hold.
struct Stake {
    std::string text;
    std::optional<double> value;
};

// clang-format off
// Stakes far beyond any bankroll, some of whose payouts no double can hold.
const Stake huge[] = {{"1e308", 1e308}, {"8e307", 8e307}, {"1.5e300", 1.5e300}, {"1E+200", 1E+200},
    {"9e307", 9e307}, {"1e15", 1e15}, {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"1e-400", 0.0}};

// Texts that are not stakes, whatever the reader.
const char* const junk[] = {"", " ", "abc", "12abc", "+", "-", ".", "1e", "e5", "1 2", "1,5", "0x10",
    "$5", "- 5", "inf", "nan", "Infinity", "-inf", "NaN", "1e999", "--1"};
// clang-format on

class Player {
public:
    explicit Player(std::uint32_t seed) : random_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    template <typename T, std::size_t N>
    const T& pickFrom(const T (&items)[N]) {
        return items[pick(0, static_cast<int>(N) - 1)];
    }

    // Stakes with at most twelve significant digits, so that twice the stake is announced
    // exactly and the payout read back from the message is the one the game added.
    Stake stake() {
        const int kind = pick(0, 99);
        if (kind < 30) {
            const int whole = pick(0, kind < 10 ? 20 : 2000);
            return {std::to_string(whole), whole};
        }
        if (kind < 45) {
            // Trailing zeros and a missing leading zero are both numbers.
            const int cents = pick(0, 200'000);
            std::string text = cents < 100 && pick(0, 1) ? "" : std::to_string(cents / 100);
            text += '.' + std::to_string(100 + cents % 100).substr(1);
            if (text.back() == '0' && pick(0, 1))
                text.pop_back();
            return {text, cents / 100.0};
        }
        if (kind < 55) {
            const char* blanks[] = {" ", "  ", "\t", " \t"};
            Stake inner = stake();
            inner.text = pickFrom(blanks) + inner.text + pickFrom(blanks);
            return inner;
        }
        if (kind < 65) {
            Stake inner = stake();
            const std::size_t first = inner.text.find_first_not_of(" \t");
            if (first != std::string::npos && inner.text[first] != '-') {
                inner.text.insert(first, "-");
                if (inner.value)
                    inner.value = *inner.value == 0 ? 0.0 : -*inner.value;
            }
            return inner;
        }
        if (kind < 75)
            return pickFrom(huge);
        if (kind < 85)
            return {pickFrom(junk), std::nullopt};
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

bool showsInfinityOrNan(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
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
        for (int i = 0; i < events && !ended_ && !::testing::Test::HasFailure(); ++i) {
            step();
            check();
        }
    }

    const std::string& events() const { return events_; }
    int racesRun() const { return racesRun_; }
    bool ended() const { return ended_; }

private:
    Main& main() { return game_.main(); }

    void record(const std::string& event) { events_ += "\n  " + event; }

    void step() {
        const int roll = player_.pick(0, 99);
        if (roll < 20)
            clickOption(player_.pick(0, 6));
        else if (roll < 35)
            type(player_.stake());
        else if (roll < 50)
            placeBet();
        else if (roll < 58)
            raceRunning_ |= press("GO!", main().Command1);
        else if (roll < 62)
            press("Status", main().Command6);
        else if (roll < 65)
            about();
        else if (roll < 68)
            statusOk();
        else
            wait(player_.waitLength(raceRunning_));
    }

    bool press(const std::string& name, CommandButton& button) {
        if (!button.Enabled)
            return false;
        record(name);
        game_.click(button);
        return true;
    }

    void about() {
        if (press("About", main().Command4)) {
            EXPECT_EQ(newMessages(), std::vector<std::string>{texts::aboutText});
        }
    }

    void clickOption(int index) {
        OptionButton& option = *main().options()[static_cast<std::size_t>(index)];
        if (!option.Enabled)
            return;
        record("option " + std::to_string(index));
        game_.click(option);
        choice_ = index;
        if (index == 6)
            typed_ = {"0", 0.0}; // no bet clears the amount box
    }

    void type(Stake stake) {
        if (!main().Text7.Enabled)
            return;
        record("type \"" + stake.text + '"');
        game_.typeStake(stake.text);
        typed_ = std::move(stake);
    }

    void placeBet() {
        if (!press("Place Bet", main().Command5))
            return;
        const std::vector<std::string> shown = newMessages();
        const bool refused = shown == std::vector<std::string>{texts::refusedStake};
        EXPECT_TRUE(shown.empty() || refused) << "Place Bet showed " << shown.front();
        if (bets_.size() >= 2) {
            EXPECT_FALSE(refused) << "a refusal after the last bet";
            ++lateBetPresses_; // before the cut-off tick: nothing is placed
            return;
        }
        const std::optional<double>& value = typed_.value;
        // Unreadable, negative and overflowing stakes are refused; ordinary ones never are.
        if (!value || *value < 0 || !std::isfinite(2 * *value)) {
            EXPECT_TRUE(refused) << "stake \"" << typed_.text << '"';
        } else if (*value <= 1e12 && std::fabs(ledger_.value()) <= 1e290) {
            EXPECT_FALSE(refused) << "stake \"" << typed_.text << '"';
        }
        if (refused)
            return;
        ledger_.debit(value.value_or(0));
        bets_.push_back({choice_ == 6 ? "No Bet" : main().slots()[choice_].name.Text, typed_.text,
                         value.value_or(0)});
        typed_ = {"0", 0.0};
    }

    void statusOk() {
        Status* status = game_.shell.existingStatus();
        if (status == nullptr || !status->Visible)
            return;
        record("OK");
        game_.clock.event([&] { status->Command1_Click(); });
    }

    void wait(int ms) {
        record("wait " + std::to_string(ms) + " ms");
        // Stop at the end of a race or of the program, so each is checked as its own event.
        game_.clock.advanceUntil(
            [&] { return (raceRunning_ && main().Command1.Enabled) || game_.shell.mainClosed(); },
            ms);
    }

    // The texts of the messages shown since the last look, with their titles checked.
    std::vector<std::string> newMessages() {
        std::vector<std::string> texts;
        for (const std::vector<MessageRecorder::Shown>& shown = game_.messages.shown;
             messagesSeen_ < shown.size(); ++messagesSeen_) {
            const MessageRecorder::Shown& box = shown[messagesSeen_];
            EXPECT_EQ(box.title, box.text == texts::aboutText ? texts::aboutTitle : main().Caption);
            texts.push_back(box.text);
        }
        return texts;
    }

    // Everything the game shows must agree with what the player has seen happen.
    void check() {
        const bool raceEnded = raceRunning_ && main().Command1.Enabled;
        if (raceEnded)
            settleRace();
        else
            EXPECT_EQ(newMessages(), std::vector<std::string>{}) << "a message out of turn";
        if (game_.shell.mainClosed()) {
            EXPECT_TRUE(gameOver_) << "the program ended without game over";
            EXPECT_TRUE(game_.shell.programEnded());
            ended_ = true;
            return;
        }
        if (!raceEnded)
            checkStandings();
        checkBets();
        checkTexts();
    }

    // The race just ended pays the bets on its winner, first bet first, and ends the game when
    // the bankroll is spent; the reset clears the bets and chooses no bet again.
    void settleRace() {
        raceRunning_ = false;
        ++racesRun_;
        const int winner = checkStandings();
        ASSERT_NE(winner, 0) << "no car's win count went up";
        std::vector<std::string> expected =
            payoutMessages(bets_, main().slots()[winner - 1].name.Text);
        for (const std::string& text : expected)
            ledger_.credit(*announcedPayout(text));
        gameOver_ = ledger_.value() <= 0;
        if (gameOver_)
            expected.emplace_back(gameOverMessage);
        EXPECT_EQ(newMessages(), expected) << "bankroll " << ledger_.text();
        bets_.clear();
        lateBetPresses_ = 0;
        if (choice_ != 6)
            typed_ = {"0", 0.0}; // choosing no bet clears the amount box
        choice_ = 6;
    }

    // Returns the car whose win count went up since the last check, or 0.
    int checkStandings() {
        Status* status = game_.shell.existingStatus();
        if (status == nullptr) {
            EXPECT_EQ(racesRun_, 0) << "races were run but there are no standings";
            return 0;
        }
        EXPECT_EQ(standings_.check(*status, racesRun_), "");
        return standings_.winner();
    }

    void checkBets() {
        Main& m = main();
        EXPECT_EQ(m.money.Text, ledger_.text());
        EXPECT_EQ(m.Text7.Text, typed_.text);
        EXPECT_TRUE(m.options()[choice_]->Value()) << "the choice is option " << choice_;
        const int counter = 2 - static_cast<int>(bets_.size()) - lateBetPresses_;
        EXPECT_EQ(m.Command5.Tag, NumberText(counter));
        EXPECT_EQ(m.timer.Enabled, gameOver_) << "the quit timer runs only after game over";
        EXPECT_EQ(m.Bet.Caption, bets_.size() > 0 ? bets_[0].car : "No Bet");
        EXPECT_EQ(m.Text10.Text, bets_.size() > 0 ? bets_[0].stake : "0");
        EXPECT_EQ(m.bet2.Caption, bets_.size() > 1 ? bets_[1].car : "No Bet");
        EXPECT_EQ(m.Text13.Text, bets_.size() > 1 ? bets_[1].stake : "0");
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
    std::string events_;

    // What the player has seen and done.
    int choice_ = 6; // index into Main::options(); `none` is the last
    Stake typed_{"0", 0.0};
    std::vector<PlacedBet> bets_;
    int lateBetPresses_ = 0;
    BankrollLedger ledger_;
    StandingsWatch standings_;
    bool raceRunning_ = false;
    int racesRun_ = 0;
    std::size_t messagesSeen_ = 0;
    bool gameOver_ = false;
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
            ADD_FAILURE() << "seed " << seed << ", events:" << sequence.events();
            return;
        }
    }
    // The property is only worth something if the sequences got far enough.
    EXPECT_GT(races, sequences) << "races finished";
    EXPECT_GT(endedGames, 10) << "games that ran out of money";
}

} // namespace
} // namespace tarvelon
