// A whole game without any toolkit: the window model, a message recorder that
// answers OK at once, and a virtual clock driving the timers.
#pragma once

#include "ui/main_form.h"
#include "ui/toolkit/message_recorder.h"
#include "ui/toolkit/random_source.h"
#include "ui/toolkit/virtual_clock.h"

#include <map>
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

// The largest value a source in [0, 1) can give.
inline constexpr float largestRandom = 1.0f - 0x1p-24f;

class HeadlessGame {
public:
    explicit HeadlessGame(RandomSource* random = nullptr)
        : main_({random ? *random : gameRandom_, messages}) {
        for (const Main::TimerHandler& entry : Main::timerHandlers) {
            Timer& timer = main_.*entry.timer;
            clock.add(timer, [this, &timer, handler = entry.handler] {
                ++firings[timer.Name];
                (main_.*handler)();
            });
        }
    }

    Main& main() { return main_; }

    // Runs a handler as the player's click, at the current virtual time.
    void click(void (Main::*handler)()) {
        clock.event([&] { (main_.*handler)(); });
    }

    // Runs race ticks until the race stops; returns how many ticks it took.
    int ticksUntilRaceStops() {
        int ticks = 0;
        while (main_.Race.Enabled) {
            clock.event([&] { main_.Race_Timer(); });
            ++ticks;
        }
        return ticks;
    }

    MessageRecorder messages;
    VirtualClock clock;
    std::map<std::string, int> firings;

private:
    GameRandom gameRandom_;
    Main main_;
};

} // namespace tarvelon::testing
