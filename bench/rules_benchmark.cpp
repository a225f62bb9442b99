// Benchmarks of the rules that run on every timer tick and of the number conversions, with a
// summary at the end that sets the race tick against its floor (the random draws and additions
// it cannot do without) and counts the cut-off tick's heap allocations.
#include "long_play.h"
#include "ui/toolkit/timer_sleep.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <vector>

// Every heap allocation of the program is counted, so a benchmark can report how many its
// iterations made. The benchmarks run on one thread.
namespace {
std::size_t allocations = 0;
} // namespace

// Kept out of line: once inlined, the compiler would see memory from `new` reach `free` and
// take the pair for a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new[](std::size_t size) {
    return operator new(size);
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace tarvelon {
namespace {

using bench::DirectGame;

// A car moves less than 100 twips a tick, so from 3000 it takes more than 44 ticks to pass the
// finish line at 7440: putting the cars back there every 44 ticks keeps a race running for
// ever at the cost of six stores now and then.
constexpr float midRace = 3000;
constexpr int ticksFromMidRace = 44;

void BM_RaceTick(benchmark::State& state) {
    GameRandom random;
    DirectGame game(random);
    Main& main = game.main();
    main.Command1_Click();
    main.Timer3_Timer();
    const std::array<Main::CarSlot, 6> cars = main.slots();
    int ticks = 0;
    for (auto _ : state) {
        if (ticks-- == 0) {
            for (Main::CarSlot car : cars)
                car.car.Left = midRace;
            ticks = ticksFromMidRace - 1;
        }
        main.Race_Timer();
    }
    if (!main.Race.Enabled)
        state.SkipWithError("a car finished");
}
BENCHMARK(BM_RaceTick);

// What a tick cannot do without: six draws and six single-precision additions.
void BM_RaceTickFloor(benchmark::State& state) {
    GameRandom random;
    std::array<float, 6> left{};
    int ticks = 0;
    for (auto _ : state) {
        if (ticks-- == 0) {
            left.fill(midRace);
            ticks = ticksFromMidRace - 1;
        }
        for (float& car : left)
            car = 100 * random.next() + car;
        benchmark::DoNotOptimize(left);
    }
}
BENCHMARK(BM_RaceTickFloor);

// The cut-off tick as the front end runs it, inside the sleep rule that compares its inputs
// before and after: with bets left (counter "2") and with betting closed (counter "0", nine
// writes that change nothing).
void BM_CutOffTick(benchmark::State& state) {
    GameRandom random;
    DirectGame game(random);
    Main& main = game.main();
    main.Command5.Tag = std::to_string(state.range(0));
    TimerSleep sleep(main.limit);
    const std::size_t before = allocations;
    for (auto _ : state) {
        sleep.fire([&] { main.limit_Timer(); });
        benchmark::ClobberMemory();
    }
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations - before),
                                                  benchmark::Counter::kAvgIterations);
    state.SetLabel("counter " + main.Command5.Tag);
}
BENCHMARK(BM_CutOffTick)->Arg(2)->Arg(0);

// Texts the game reads: a bankroll, a fraction, a typed stake with blanks, a large bankroll,
// and junk.
const char* const numberTexts[] = {"1000", "987.5", " 25 ", "1.61E+308", "12abc"};

void BM_LenientNumber(benchmark::State& state) {
    const std::string text = numberTexts[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(LenientNumber(text));
    state.SetLabel('"' + text + '"');
}
BENCHMARK(BM_LenientNumber)->DenseRange(0, 4);

void BM_StrictNumber(benchmark::State& state) {
    const std::string text = numberTexts[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(StrictNumber(text));
    state.SetLabel('"' + text + '"');
}
BENCHMARK(BM_StrictNumber)->DenseRange(0, 4);

// Values the game writes: a bankroll, a fraction, a sum with a rounding tail, a loss, a
// bankroll past 1E+15.
const double numberValues[] = {1000, 987.5, 0.1 + 0.2, -500, 1.61e308};

void BM_NumberText(benchmark::State& state) {
    const double value = numberValues[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberText(value));
    state.SetLabel(NumberText(value));
}
BENCHMARK(BM_NumberText)->DenseRange(0, 4);

// A whole race without bets, from "GO!" through the signal and the ticks to the reset.
void BM_WholeRace(benchmark::State& state) {
    GameRandom random;
    DirectGame game(random);
    std::int64_t ticks = 0;
    for (auto _ : state) {
        const int raceTicks = bench::runRace(game.main());
        if (raceTicks < 0) {
            state.SkipWithError("the race did not end");
            break;
        }
        ticks += raceTicks;
    }
    state.counters["ticks"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeRace);

// Whether a run went to its end: Google Benchmark 1.8 replaced `error_occurred` with `skipped`.
template <class Run>
bool completed(const Run& run) {
    if constexpr (requires { run.skipped; })
        return !run.skipped;
    else
        return !run.error_occurred;
}

// Shows the runs as usual and keeps each one's time and counters for the summary.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && completed(run))
                results[run.benchmark_name()] = run;
    }

    // The CPU time of a run in nanoseconds, or a negative number when it did not run.
    double nanoseconds(const std::string& name) const {
        const auto found = results.find(name);
        if (found == results.end())
            return -1;
        return found->second.GetAdjustedCPUTime() *
               benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
               benchmark::GetTimeUnitMultiplier(found->second.time_unit);
    }

    double counter(const std::string& name, const std::string& counterName) const {
        const auto found = results.find(name);
        if (found == results.end())
            return -1;
        return found->second.counters.at(counterName);
    }

    std::map<std::string, Run> results;
};

void printSummary(const RecordingReporter& reporter) {
    std::printf("\n%-26s %12s %12s %8s  %s\n", "figure", "value", "floor", "ratio", "target");
    const double tick = reporter.nanoseconds("BM_RaceTick");
    const double floor = reporter.nanoseconds("BM_RaceTickFloor");
    if (tick >= 0 && floor > 0)
        std::printf("%-26s %9.1f ns %9.1f ns %8.2f  %s: %s\n", "race tick", tick, floor,
                    tick / floor, "tick <= 2x floor", tick <= 2 * floor ? "met" : "NOT MET");
    else
        std::printf("%-26s not run\n", "race tick");
    const struct {
        const char* run;
        const char* figure;
    } cutOffs[] = {{"BM_CutOffTick/2", "cut-off tick, counter 2"},
                   {"BM_CutOffTick/0", "cut-off tick, counter 0"}};
    for (const auto& cutOff : cutOffs) {
        const double allocs = reporter.counter(cutOff.run, "allocs");
        if (allocs >= 0)
            std::printf("%-26s %9.3f /it %12s %8s  %s: %s\n", cutOff.figure, allocs, "", "",
                        "cut-off tick: 0 allocations", allocs == 0 ? "met" : "NOT MET");
        else
            std::printf("%-26s not run\n", cutOff.figure);
    }
}

} // namespace
} // namespace tarvelon

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    tarvelon::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    tarvelon::printSummary(reporter);
    return 0;
}
