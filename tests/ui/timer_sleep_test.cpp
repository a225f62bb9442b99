// Letting the cut-off timer sleep changes nothing the player can see: the same
// random play runs once with every timer firing at every tick and once with the
// timers sleeping as the real front end lets them, and both games must show the
// same windows and boxes after every click, every keystroke and every millisecond.
#include "support/long_play.h"
#include "ui/toolkit/virtual_clock.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvelon::testing {
namespace {

struct Side;
std::string seen(Side& side);

struct Side {
    explicit Side(VirtualClock::Firings mode) : clock(mode) {
        for (const Main::TimerHandler& entry : Main::timerHandlers) {
            Timer& timer = main().*entry.timer;
            clock.add(timer, [this, &timer] {
                ++firings;
                const std::string inputs = timer.Inputs ? timer.Inputs() : "";
                const std::string before = seen(*this);
                main().fire(timer);
                // What the sleep rule takes for a firing that changed nothing must be one.
                const bool same = timer.Inputs && timer.Inputs() == inputs;
                EXPECT_TRUE(!same || seen(*this) == before) << timer.Name << " changed silently";
            });
        }
    }
    Main& main() { return game.main(); }
    void click(CommandButton& button) {
        clock.event([&] {
            if (button.Enabled)
                main().click(button);
        });
    }

    GameRandom random;
    DirectGame game{random};
    VirtualClock clock;
    long firings = 0;
};

// Every property the game writes, of every control of both windows, and every
// box, packed flat: it is taken twice every virtual millisecond.
std::string seen(Side& side) {
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
    Main& main = side.main();
    add(main.Caption), add(main.Left), add(main.Top);
    for (ControlRef control : main.controls())
        std::visit(describe, control);
    for (Main::CarSlot slot : main.slots())
        describe(&slot.car);
    if (Status* status = side.game.shell.existingStatus()) {
        add(status->Visible);
        for (const Label* label : status->labels())
            describe(label);
    }
    for (const MessageRecorder::Shown& box : side.game.messages.shown)
        add(box.title), add(box.text), add(box.icon);
    add(side.game.shell.mainClosed()), add(side.game.shell.programEnded());
    return out;
}

TEST(TimerSleep, RandomPlayLooksTheSameWithSleepingTimers) {
    const char* stakes[] = {"0", "1", "25", "100", "999.99", "1000", "5000", "x"};
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 random(seed);
        auto pick = [&](int high) { return std::uniform_int_distribution<int>(0, high)(random); };
        Side every(VirtualClock::Firings::Every), sleeping(VirtualClock::Firings::Sleeping);
        std::string events;
        for (int step = 0; step < 500 && !every.game.shell.programEnded(); ++step) {
            const int kind = pick(999);
            const int option = pick(6), stake = pick(7), wait = kind < 100 ? 200 + pick(2600) : 1;
            events += std::to_string(kind) + ' ';
            for (Side* side : {&every, &sleeping}) {
                Main& main = side->main();
                if (kind < 100) // waiting, one millisecond at a time
                    continue;
                if (kind < 400)
                    side->clock.event([&] { main.options()[option]->click(); });
                else if (kind < 550)
                    side->clock.event([&] {
                        if (main.Text7.Enabled)
                            main.Text7.Text = stakes[stake];
                    });
                else if (kind < 750)
                    side->click(main.Command5);
                else if (kind < 870)
                    side->click(main.Command1);
                else if (kind < 920)
                    side->click(main.Command6);
                else if (kind < 970)
                    side->clock.event([&] {
                        if (Status* status = side->game.shell.existingStatus())
                            status->Command1_Click();
                    });
                else if (kind < 998)
                    side->click(main.Command4);
                else
                    side->click(main.Command3);
            }
            for (int ms = 0; ms <= wait; ++ms) {
                ASSERT_TRUE(seen(every) == seen(sleeping))
                    << "seed " << seed << ", events " << events << "then " << ms << " ms";
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
