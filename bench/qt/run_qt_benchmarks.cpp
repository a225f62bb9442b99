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

// Every value each run of one program gave, by name.
using Samples = std::map<std::string, std::vector<double>>;

void collect(Samples& samples, const std::optional<Values>& values) {
    if (!values)
        return;
    for (const auto& [name, value] : *values)
        samples[name].push_back(value);
}

double median(std::vector<double> values) {
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Runs the game's program and the floor's in turn, `runs` times each, after
// `warmUps` runs of each whose figures are dropped (they fill the file cache).
void alternate(int runs, int warmUps, const std::function<void(bool counted)>& runBoth) {
    for (int i = 0; i < warmUps; ++i)
        runBoth(false);
    for (int i = 0; i < runs; ++i)
        runBoth(true);
}

struct Row {
    std::string figure;
    double value, floor;
    std::string target;
    // Whether the target is met, from value, floor and their ratio; none for a
    // figure shown for context only.
    std::function<bool(double value, double floor, double ratio)> met;
    double scale = 1; // to show values in another unit
};

void printTable(const std::vector<Row>& rows) {
    std::printf("%-32s | %9s | %9s | %6s | %-24s | %s\n", "figure", "value", "floor", "ratio",
                "target", "met?");
    std::printf("%s\n", std::string(100, '-').c_str());
    for (const Row& row : rows) {
        const double value = row.value * row.scale, floor = row.floor * row.scale;
        const double ratio = row.value / row.floor;
        const char* met = "-";
        if (std::isnan(value) || std::isnan(floor))
            met = "FAILED";
        else if (row.met)
            met = row.met(row.value, row.floor, ratio) ? "yes" : "NO";
        std::printf("%-32s | %9.2f | %9.2f | %6.3f | %-24s | %s\n", row.figure.c_str(), value,
                    floor, ratio, row.target.c_str(), met);
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
    const int runs = quick ? 1 : 3;
    const int startupRuns = quick ? 1 : 7;
    const std::string cpuMs = quick ? "2000" : "5000";

    Samples gameStartup, floorStartup, gameIdle, floorIdle, gameRacing, floorRacing, gameCadence,
        floorCadence;
    const Clock::time_point began = Clock::now();

    std::fprintf(stderr, "start-up and memory...\n");
    alternate(startupRuns, 1, [&](bool counted) {
        const auto game = runProgram("qt_startup_game", {});
        const auto floor = runProgram("qt_startup_floor", {});
        if (counted) {
            collect(gameStartup, game);
            collect(floorStartup, floor);
        }
    });
    std::fprintf(stderr, "idle CPU...\n");
    alternate(runs, 0, [&](bool) {
        collect(gameIdle, runProgram("qt_bench_game", {"idle", cpuMs}));
        collect(floorIdle, runProgram("qt_bench_floor", {"idle", cpuMs}));
    });
    std::fprintf(stderr, "racing CPU...\n");
    alternate(runs, 0, [&](bool) {
        collect(gameRacing, runProgram("qt_bench_game", {"racing", cpuMs}));
        collect(floorRacing, runProgram("qt_bench_floor", {"racing", cpuMs}));
    });
    std::fprintf(stderr, "race cadence...\n");
    alternate(runs, 0, [&](bool) {
        collect(gameCadence, runProgram("qt_bench_game", {"cadence", std::to_string(races)}));
        collect(floorCadence,
                runProgram("qt_bench_floor", {"cadence", std::to_string(races), floorTicks}));
    });

    auto both = [](Samples& game, Samples& floor, const char* name) {
        return std::pair{median(game[name]), median(floor[name])};
    };
    auto row = [&](const std::string& figure, Samples& game, Samples& floor, const char* name,
                   std::string target, std::function<bool(double, double, double)> met,
                   double scale = 1) {
        const auto [value, floorValue] = both(game, floor, name);
        return Row{figure, value, floorValue, std::move(target), std::move(met), scale};
    };
    auto signalInRange = [](double value, double, double) {
        return value >= 1000 && value <= 1015;
    };
    const std::vector<Row> rows{
        row("start signal, mean (ms)", gameCadence, floorCadence, "signal_mean_ms", "1000-1015 ms",
            signalInRange),
        row("start signal, longest (ms)", gameCadence, floorCadence, "signal_max_ms",
            "1000-1015 ms", signalInRange),
        row("race ticks per second", gameCadence, floorCadence, "ticks_per_s", "(context)", {}),
        row("tick period, mean (ms)", gameCadence, floorCadence, "gap_mean_ms",
            "within 1% of floor",
            [](double, double, double ratio) { return std::abs(ratio - 1) <= 0.01; }),
        row("tick gap, p50 (ms)", gameCadence, floorCadence, "gap_p50_ms", "(context)", {}),
        row("tick gap, p99 (ms)", gameCadence, floorCadence, "gap_p99_ms", "<= floor + 1 ms",
            [](double value, double floor, double) { return value <= floor + 1; }),
        row("tick gap, largest (ms)", gameCadence, floorCadence, "gap_max_ms", "(context)", {}),
        row(
            "CPU idle (ms per s)", gameIdle, floorIdle, "cpu_per_s", "ratio <= 1.15",
            [](double, double, double ratio) { return ratio <= 1.15; }, 1000),
        row("1 ms firings per s, idle", gameIdle, floorIdle, "events_per_s", "(context)", {}),
        row(
            "CPU racing (ms per s)", gameRacing, floorRacing, "cpu_per_s", "ratio <= 1.5",
            [](double, double, double ratio) { return ratio <= 1.5; }, 1000),
        row("start-up to first box (ms)", gameStartup, floorStartup, "startup_ms", "ratio <= 1.3",
            [](double, double, double ratio) { return ratio <= 1.3; }),
        row(
            "peak resident at box (MiB)", gameStartup, floorStartup, "peak_rss_kb", "ratio <= 1.3",
            [](double, double, double ratio) { return ratio <= 1.3; }, 1.0 / 1024),
    };

    std::printf("Qt front end against bare-Qt floors: medians of %d runs (start-up: %d), "
                "%d races a cadence run, QT_QPA_PLATFORM=%s\n",
                runs, startupRuns, races, std::getenv("QT_QPA_PLATFORM"));
    printTable(rows);
    std::printf("whole run: %.0f s\n", millisecondsBetween(began, Clock::now()) / 1000);
    return 0;
}
