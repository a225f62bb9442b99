// Runs the Qt front end's benchmarks and their bare-Qt floors and prints one table.
//
// The machine is shared and noisy, so every figure is put beside a floor measured
// in the same run: each measurement and its floor run as separate processes, one
// after the other, several times, and the table shows the median of each. The
// programs it runs sit beside it in the build folder.
//
//   run_qt_benchmarks           the whole set, about two and a half minutes
//   run_qt_benchmarks --quick   one short run of each, to check that all work
#include "bench_support.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace tarvelon::bench {
namespace {

using Values = std::map<std::string, double>;

std::filesystem::path programFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// Runs `program` with `arguments` and reads back its "name=value" lines; nullopt,
// with what it said on its error output, when it fails.
std::optional<Values> runProgram(const std::string& program,
                                 const std::vector<std::string>& arguments) {
    const std::string path = (programFolder() / program).string();
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int output[2];
    if (pipe(output) != 0)
        return std::nullopt;
    char errorsPath[] = "/tmp/qt_bench_stderr_XXXXXX";
    const int errors = mkstemp(errorsPath);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);

    // The child measures its start-up from this moment.
    const auto spawned =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch());
    setenv(spawnedAtVariable, std::to_string(spawned.count()).c_str(), 1);
    pid_t child = 0;
    const int failed = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);

    std::string said;
    char buffer[4096];
    ssize_t got = 0;
    while (failed == 0 && (got = read(output[0], buffer, sizeof buffer)) > 0)
        said.append(buffer, static_cast<std::size_t>(got));
    close(output[0]);
    int status = 0;
    if (failed == 0)
        waitpid(child, &status, 0);

    std::optional<Values> values;
    if (failed == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        values.emplace();
        std::istringstream lines(said);
        std::string line;
        while (std::getline(lines, line))
            if (const auto equals = line.find('='); equals != std::string::npos)
                (*values)[line.substr(0, equals)] = std::strtod(line.c_str() + equals + 1, nullptr);
    } else {
        std::fprintf(
            stderr, "%s",
            (program + " failed (status " + std::to_string(status) + "); its error output:\n")
                .c_str());
        lseek(errors, 0, SEEK_SET);
        while ((got = read(errors, buffer, sizeof buffer)) > 0)
            std::fwrite(buffer, 1, static_cast<std::size_t>(got), stderr);
    }
    close(errors);
    unlink(errorsPath);
    return values;
}

double median(std::vector<double> values) {
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One measurement and its floor, run in pairs. Load on a shared machine drifts
// over seconds, so each figure is also compared within its pair, and the ratio
// shown is the median of those paired ratios.
struct Pairs {
    std::map<std::string, std::vector<double>> game, floor, ratio;

    double gameMedian(const std::string& name) { return median(game[name]); }
    double floorMedian(const std::string& name) { return median(floor[name]); }
    double ratioMedian(const std::string& name) { return median(ratio[name]); }
};

struct Command {
    std::string program;
    std::vector<std::string> arguments;
};

// Runs `game` and `floor` `runs` times each, in pairs whose order alternates so
// neither always runs first, after `warmUps` pairs whose figures are dropped
// (they fill the file cache).
Pairs measurePairs(int runs, int warmUps, const Command& game, const Command& floor) {
    Pairs pairs;
    for (int i = 0; i < warmUps + runs; ++i) {
        std::optional<Values> gameValues, floorValues;
        if (i % 2 == 0) {
            gameValues = runProgram(game.program, game.arguments);
            floorValues = runProgram(floor.program, floor.arguments);
        } else {
            floorValues = runProgram(floor.program, floor.arguments);
            gameValues = runProgram(game.program, game.arguments);
        }
        if (i < warmUps || !gameValues || !floorValues)
            continue;
        for (const auto& [name, value] : *gameValues) {
            pairs.game[name].push_back(value);
            if (const auto found = floorValues->find(name); found != floorValues->end()) {
                pairs.floor[name].push_back(found->second);
                pairs.ratio[name].push_back(value / found->second);
            }
        }
    }
    return pairs;
}

// Runs `game` alone `runs` times, for a figure that has no floor.
Pairs measureAlone(int runs, const Command& game) {
    Pairs alone;
    for (int i = 0; i < runs; ++i)
        if (const std::optional<Values> values = runProgram(game.program, game.arguments))
            for (const auto& [name, value] : *values)
                alone.game[name].push_back(value);
    return alone;
}

struct Row {
    std::string figure;
    double value, floor, ratio;
    std::string target;
    // Whether the target is met, from value, floor and their ratio; none for a
    // figure shown for context only.
    std::function<bool(double value, double floor, double ratio)> met;
    double scale = 1; // to show values in another unit
};

void printTable(const std::vector<Row>& rows) {
    std::printf("%-30s | %9s | %9s | %6s | %-20s | %s\n", "figure", "value", "floor", "ratio",
                "target", "met?");
    std::printf("%s\n", std::string(94, '-').c_str());
    for (const Row& row : rows) {
        const double value = row.value * row.scale, floor = row.floor * row.scale;
        const char* met = "-";
        // A pair counts only when both sides ran, so a failed floor leaves no value either.
        if (std::isnan(value))
            met = "FAILED";
        else if (row.met)
            met = row.met(row.value, row.floor, row.ratio) ? "yes" : "NO";
        std::printf("%-30s | %9.2f | %9.2f | %6.3f | %-20s | %s\n", row.figure.c_str(), value,
                    floor, row.ratio, row.target.c_str(), met);
    }
}

} // namespace
} // namespace tarvelon::bench

int main(int argc, char* argv[]) {
    using namespace tarvelon::bench;
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"); !platform || !*platform)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // Races in a cadence run, and the ticks of each floor race: about as many as
    // a race of the game takes.
    const int races = quick ? 2 : 5;
    const std::string floorTicks = "140";
    const int cadenceRuns = quick ? 1 : 3;
    const int cpuRuns = quick ? 1 : 5;
    const std::string cpuMs = quick ? "1000" : "3000";
    const int startupRuns = quick ? 1 : 9;

    const Clock::time_point began = Clock::now();
    std::fprintf(stderr, "start-up and memory...\n");
    Pairs startup = measurePairs(startupRuns, 1, {"qt_startup_game", {}}, {"qt_startup_floor", {}});
    std::fprintf(stderr, "idle CPU and wake-ups...\n");
    Pairs idle = measurePairs(cpuRuns, 0, {"qt_bench_game", {"idle", cpuMs}},
                              {"qt_bench_floor", {"idle", cpuMs}});
    Pairs still = measurePairs(cpuRuns, 0, {"qt_bench_game", {"idle", cpuMs}},
                               {"qt_bench_floor", {"still", cpuMs}});
    std::fprintf(stderr, "betting closing...\n");
    Pairs closing = measureAlone(1, {"qt_bench_game", {"closing", quick ? "1" : "6"}});
    std::fprintf(stderr, "racing CPU and wake-ups...\n");
    Pairs racing = measurePairs(cpuRuns, 0, {"qt_bench_game", {"racing", cpuMs}},
                                {"qt_bench_floor", {"racing", cpuMs}});
    std::fprintf(stderr, "race cadence...\n");
    Pairs cadence =
        measurePairs(cadenceRuns, 0, {"qt_bench_game", {"cadence", std::to_string(races)}},
                     {"qt_bench_floor", {"cadence", std::to_string(races), floorTicks}});

    using Met = std::function<bool(double, double, double)>;
    auto row = [](const std::string& figure, Pairs& pairs, const std::string& name,
                  std::string target, Met met, double scale = 1) {
        return Row{figure,
                   pairs.gameMedian(name),
                   pairs.floorMedian(name),
                   pairs.ratioMedian(name),
                   std::move(target),
                   std::move(met),
                   scale};
    };
    const Met signalInRange = [](double value, double, double) {
        return value >= 1000 && value <= 1015;
    };
    auto ratioAtMost = [](double most) {
        return Met([most](double, double, double ratio) { return ratio <= most; });
    };
    auto valueAtMost = [](double most) {
        return Met([most](double value, double, double) { return value <= most; });
    };
    const std::vector<Row> rows{
        row("start signal, mean (ms)", cadence, "signal_mean_ms", "1000-1015 ms", signalInRange),
        row("start signal, longest (ms)", cadence, "signal_max_ms", "1000-1015 ms", signalInRange),
        row("race ticks per second", cadence, "ticks_per_s", "(context)", {}),
        row("tick period, mean (ms)", cadence, "gap_mean_ms", "within 1% of floor",
            [](double, double, double ratio) { return std::abs(ratio - 1) <= 0.01; }),
        row("tick gap, p50 (ms)", cadence, "gap_p50_ms", "(context)", {}),
        row("tick gap, p99 (ms)", cadence, "gap_p99_ms", "<= floor + 1 ms",
            [](double value, double floor, double) { return value <= floor + 1; }),
        row("tick gap, largest (ms)", cadence, "gap_max_ms", "(context)", {}),
        row("wake-ups per s, idle", still, "wakeups_per_s", "<= 5", valueAtMost(5)),
        row("CPU idle (ms per s)", idle, "cpu_per_s", "ratio <= 0.1", ratioAtMost(0.1), 1000),
        row("timer firings per s, idle", idle, "events_per_s", "(context)", {}),
        row("wake-ups per s, racing", racing, "wakeups_per_s", "ratio <= 1.3", ratioAtMost(1.3)),
        row("wake-ups per race tick", racing, "wakeups_per_tick", "(context)", {}),
        row("CPU racing (ms per s)", racing, "cpu_per_s", "ratio <= 1.1", ratioAtMost(1.1), 1000),
        row("betting closed, mean (ms)", closing, "closing_mean_ms", "(context)", {}),
        row("betting closed, longest (ms)", closing, "closing_max_ms", "<= 2 ms", valueAtMost(2)),
        row("start-up to first box (ms)", startup, "startup_ms", "ratio <= 1.3", ratioAtMost(1.3)),
        row("peak resident at box (MiB)", startup, "peak_rss_kb", "ratio <= 1.3", ratioAtMost(1.3),
            1.0 / 1024),
    };

    std::printf("Qt front end against bare-Qt floors, QT_QPA_PLATFORM=%s. Medians over runs in\n"
                "pairs (cadence %d pairs of %d races, CPU %d pairs of %s ms, start-up %d pairs);\n"
                "ratio: the median of the ratios within each pair.\n",
                std::getenv("QT_QPA_PLATFORM"), cadenceRuns, races, cpuRuns, cpuMs.c_str(),
                startupRuns);
    printTable(rows);
    std::printf("whole run: %.0f s\n", millisecondsBetween(began, Clock::now()) / 1000);
    return 0;
}
