// A whole game without any toolkit: the window models, a message recorder that
// answers OK at once, a headless shell and a virtual clock driving the timers,
// firing all of them or letting them sleep as the real front end does.
#pragma once

#include "support/headless_shell.h"
#include "support/message_recorder.h"
#include "support/virtual_clock.h"
#include "ui/main_form.h"
#include "ui/toolkit/random_source.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tarvelon::testing {

// Gives the values it was given, in turn, then repeats the last one.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    float next() override {
        const float value = values_[next_];
        if (next_ + 1 < values_.size())
            ++next_;
        return value;
    }

private:
    std::vector<float> values_;
    std::size_t next_ = 0;
};

class HeadlessGame {
public:
    explicit HeadlessGame(RandomSource* random = nullptr,
                          VirtualClock::Firings firings = VirtualClock::Firings::Every)
        : clock(firings), main_({random ? *random : gameRandom_, messages, shell}) {
        for (Timer* timer : main_.timers())
            clock.add(*timer, [this, timer] { fire(*timer); });
    }
    virtual ~HeadlessGame() = default;

    Main& main() { return main_; }

    // The player's click on a button or an option: nothing while it is disabled.
    template <class Clickable>
    void click(Clickable& control) {
        clock.event([&] { control.click(); });
    }

    // The player types `text` into the amount box, replacing what it held.
    void typeStake(const std::string& text) {
        clock.event([&] {
            if (main_.Text7.Enabled)
                main_.Text7.Text = text;
        });
    }

    // Chooses `option`, types `stake` and presses Place Bet.
    void bet(OptionButton& option, const std::string& stake) {
        click(option);
        typeStake(stake);
        click(main_.Command5);
    }

    // Presses "GO!" and lets time run until the race result has run; returns
    // whether the race ended within a minute.
    bool race() {
        click(main_.Command1);
        return clock.advanceUntil([&] { return main_.Command1.Enabled; }, 60'000);
    }

    // What the player can read of both windows, on one line: the bankroll, the bets, the
    // amount box, the options, the buttons, the signal, the cars and the standings.
    std::string screen() {
        Main& m = main_;
        std::string chosen, shut;
        for (OptionButton* option : m.options()) {
            chosen = option->Value() ? option->Caption : chosen;
            shut += option->Enabled ? "" : (shut.empty() ? "" : ", ") + option->Caption;
        }
        shut = shut.empty() ? ""
               : std::ranges::none_of(m.options(), &OptionButton::Enabled)
                   ? " (all shut)"
                   : " (shut: " + shut + ")";
        const char* buttons[] = {"none", "GO!", "Place Bet", "GO!, Place Bet"};
        const char* signals[] = {"dark", "green", "amber", "amber+face"};
        const bool atStart =
            std::ranges::all_of(m.slots(), [](auto slot) { return slot.car.Left == 30; });
        std::string line = "$" + m.money.Text + " | bets " + m.Bet.Caption + " $" + m.Text10.Text +
                           ", " + m.bet2.Caption + " $" + m.Text13.Text + " | stake \"" +
                           m.Text7.Text + "\" " + (m.Text7.Enabled ? "open" : "shut") + " | on " +
                           chosen + shut + " | buttons " +
                           buttons[m.Command1.Enabled + 2 * m.Command5.Enabled] + " | signal " +
                           signals[m.Image10.Visible ? 2 + m.Image3.Visible : m.Image5.Visible] +
                           (atStart ? " | cars at start" : " | cars racing");
        Status* status = shell.existingStatus();
        if (!status)
            return line + " | no standings";
        // The standings as laid out: under each heading, the numbers of its column.
        line += status->Visible ? " | standings shown" : " | standings hidden";
        for (const Label* heading : {&status->Label19, &status->Label20}) {
            line += ", " + heading->Caption;
            for (ControlRef control : status->controls())
                if (Label* const* label = std::get_if<Label*>(&control);
                    label && *label != heading && std::abs((*label)->Left - heading->Left) < 100)
                    line += " " + (*label)->Caption;
        }
        return line;
    }

    MessageRecorder messages;
    HeadlessShell shell;
    VirtualClock clock;

protected:
    // One firing of `timer`, which a test may look on.
    virtual void fire(Timer& timer) { timer.onTimer(); }

private:
    GameRandom gameRandom_;
    Main main_;
};

} // namespace tarvelon::testing
