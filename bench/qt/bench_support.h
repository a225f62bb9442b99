// What every Qt benchmark program shares, with no Qt in it: the clocks, the peak
// memory, the tick log of a race cadence and the one-line results the driver
// reads back ("name=value" on standard output).
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <time.h>

namespace tarvelon::bench {

// steady_clock is CLOCK_MONOTONIC on Linux, which every process shares, so a
// time taken by the driver before it starts a program can be compared with one
// taken inside that program.
using Clock = std::chrono::steady_clock;

// The driver's steady_clock reading, in nanoseconds, just before it started this
// process.
inline constexpr const char* spawnedAtVariable = "TARVELON_BENCH_SPAWNED_NS";

inline double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Milliseconds from the driver's start of this process to `when`; negative when
// the driver gave no start time.
inline double millisecondsSinceSpawn(Clock::time_point when) {
    const char* spawned = std::getenv(spawnedAtVariable);
    if (spawned == nullptr)
        return -1;
    const Clock::time_point start{std::chrono::nanoseconds(std::strtoll(spawned, nullptr, 10))};
    return millisecondsBetween(start, when);
}

// CPU time of the whole process, every thread included.
inline double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A memory figure of this process from /proc/self/status ("VmHWM:", the peak resident
// memory so far, or "VmRSS:", the resident memory now), in kibibytes; -1 if unknown.
inline long memoryKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == field) {
            long kb = -1;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

inline long peakResidentKb() {
    return memoryKb("VmHWM:");
}

// The times any thread of this process has gone to sleep and been woken since it
// started (the voluntary context switches of all its threads), that is, its wake-ups.
inline long wakeUps() {
    long total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream status(task.path() / "status");
        std::string key;
        while (status >> key) {
            if (key == "voluntary_ctxt_switches:") {
                long switches = 0;
                status >> switches;
                total += switches;
                break;
            }
            status.ignore(1 << 12, '\n');
        }
    }
    return total;
}

inline void report(const char* name, double value) {
    std::printf("%s=%.6f\n", name, value);
    std::fflush(stdout);
}

// Race ticks as they are seen: when each start was asked for and when each tick
// came. Gaps are counted within races only; the pause between two races is not
// a gap.
class TickLog {
public:
    void startRace(Clock::time_point asked) {
        asked_ = asked;
        inRace_ = true;
        firstTick_ = true;
    }

    void tick(Clock::time_point at) {
        if (!inRace_)
            return;
        if (firstTick_) {
            signals_.push_back(millisecondsBetween(asked_, at));
            firstTick_ = false;
        } else {
            gaps_.push_back(millisecondsBetween(last_, at));
            racingMs_ += millisecondsBetween(last_, at);
        }
        last_ = at;
        ++ticks_;
    }

    void endRace() {
        inRace_ = false;
        ++races_;
    }

    int races() const { return races_; }
    int ticks() const { return ticks_; }
    bool inRace() const { return inRace_; }

    // Prints the start signals, the tick rate and the gaps between ticks.
    void reportAll() const {
        std::vector<double> sorted = gaps_;
        std::sort(sorted.begin(), sorted.end());
        auto rank = [&](double fraction) {
            // Nearest rank: the smallest gap with at least `fraction` of gaps at or below it.
            const auto n = static_cast<double>(sorted.size());
            auto index = static_cast<std::size_t>(std::max(1.0, fraction * n + 0.999999)) - 1;
            return sorted.empty() ? 0.0 : sorted[std::min(index, sorted.size() - 1)];
        };
        double signalSum = 0;
        for (double signal : signals_)
            signalSum += signal;
        const auto gapCount = static_cast<double>(gaps_.size());
        report("races", races_);
        report("signal_mean_ms",
               signals_.empty() ? 0 : signalSum / static_cast<double>(signals_.size()));
        report("signal_max_ms",
               signals_.empty() ? 0 : *std::max_element(signals_.begin(), signals_.end()));
        report("ticks", ticks_);
        report("ticks_per_s", racingMs_ > 0 ? 1000.0 * gapCount / racingMs_ : 0);
        report("gap_mean_ms", gaps_.empty() ? 0 : racingMs_ / gapCount);
        report("gap_p50_ms", rank(0.50));
        report("gap_p99_ms", rank(0.99));
        report("gap_max_ms", sorted.empty() ? 0 : sorted.back());
    }

private:
    std::vector<double> signals_;
    std::vector<double> gaps_;
    Clock::time_point asked_, last_;
    double racingMs_ = 0;
    int races_ = 0;
    int ticks_ = 0;
    bool inRace_ = false;
    bool firstTick_ = false;
};

} // namespace tarvelon::bench
