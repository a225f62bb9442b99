// Letting timers sleep changes nothing the player can see: random play runs once
// with every firing and once with timers sleeping as the real front end's do, and
// both games show the same windows and boxes after every event and millisecond.
#include "support/headless_game.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvelon::testing {
namespace {

class Side : public HeadlessGame {
public:
    explicit Side(VirtualClock::Firings mode) : HeadlessGame(nullptr, mode) {}

    // The player's event `kind`: an option, typing, the standings' OK, or a button.
    void play(int kind, int option, const char* stake) {
        CommandButton* buttons[] = {&main().Command5, &main().Command1, &main().Command6,
                                    &main().Command4, &main().Command3};
        if (kind == 0)
            click(*main().options()[option]);
        else if (kind == 1)
            typeStake(stake);
        else if (Status* status = shell.existingStatus(); kind == 2 && status)
            clock.event([status] { status->Command1_Click(); });
        else if (kind > 2)
            click(*buttons[kind - 3]);
    }

    // Every property the game writes, of every control of both windows, and every
    // box, packed flat: it is taken several times every virtual millisecond.
    std::string seen() {
        std::string out;
        auto add = [&](const auto& value) {
            if constexpr (requires { value.data(); })
                out.append(value.data(), value.size()).push_back('\0');
            else
                out.append(reinterpret_cast<const char*>(&value), sizeof value);
        };
        auto describe = [&](const auto* c) {
            add(c->Left), add(c->Top), add(c->Visible);
            if constexpr (requires { c->Caption; })
                add(c->Caption);
            if constexpr (requires { c->Text; })
                add(c->Text), add(c->Locked);
            if constexpr (requires { c->Enabled; })
                add(c->Enabled);
            if constexpr (requires { c->Tag; })
                add(c->Tag), add(c->HandPointer);
            if constexpr (requires { c->Value(); })
                add(c->Value());
            if constexpr (requires { c->BackColor; })
                add(c->BackColor.value_or(Color{1, 2, 3})), add(c->BackColor.has_value());
        };
        Main& main = this->main();
        add(main.Caption), add(main.Left), add(main.Top);
        for (ControlRef control : main.controls())
            std::visit(describe, control);
        for (Main::CarSlot slot : main.slots())
            describe(&slot.car);
        if (Status* status = shell.existingStatus()) {
            add(status->Visible);
            for (const Label* label : status->labels())
                describe(label);
        }
        for (const MessageRecorder::Shown& box : messages.shown)
            add(box.title), add(box.text), add(box.icon);
        for (const std::string& window : shell.closed)
            add(window);
        return out;
    }

    long firings = 0;

protected:
    void fire(Timer& timer) override {
        ++firings;
        const bool check = static_cast<bool>(timer.Inputs);
        const std::string inputs = check ? timer.Inputs() : "", before = check ? seen() : "";
        HeadlessGame::fire(timer);
        // A firing the sleep rule takes for one that changed nothing must be one; checked on
        // both sides, so also on every firing the sleeping side skips.
        EXPECT_TRUE(!check || timer.Inputs() != inputs || seen() == before)
            << timer.Name << " changed silently";
    }
};

TEST(TimerSleep, RandomPlayLooksTheSameWithSleepingTimers) {
    const char* stakes[] = {"0", "1", "25", "100", "999.99", "1000", "5000", "x"};
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        // Waiting, then the kinds of Side::play: an option, typing, OK, "Place Bet",
        // "GO!", "Status", "About" and, rarely, "Exit".
        std::discrete_distribution<int> event({100, 300, 150, 50, 200, 120, 50, 28, 2});
        Side every(VirtualClock::Firings::Every), sleeping(VirtualClock::Firings::Sleeping);
        for (int step = 0; step < 400 && !every.shell.programEnded(); ++step) {
            const int kind = event(random), option = int(random() % 7), wait = int(random() % 2600);
            const char* stake = stakes[random() % 8];
            for (Side* side : {&every, &sleeping})
                if (kind > 0)
                    side->play(kind - 1, option, stake);
            for (int ms = 0; ms <= (kind == 0 ? 200 + wait : 1); ++ms) {
                ASSERT_TRUE(every.seen() == sleeping.seen())
                    << "seed " << seed << ", step " << step << ", then " << ms << " ms";
                every.clock.advance(1);
                sleeping.clock.advance(1);
            }
        }
        // Otherwise nothing slept and the comparison proved nothing.
        EXPECT_LT(sleeping.firings * 10, every.firings) << "seed " << seed;
    }
}

} // namespace
} // namespace tarvelon::testing
