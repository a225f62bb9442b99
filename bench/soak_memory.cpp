// Resident memory over a long run: plays races with random bets and
// prints the process's resident set after 1,000 and after 100,000 races. A game that keeps
// something per race would show here as a ratio well above 1.
#include "long_play.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace tarvelon;
using namespace tarvelon::bench;

// VmRSS from /proc/self/status, in kB; -1 when it cannot be read.
long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main() {
    constexpr long early = 1'000, late = 100'000;
    GameRandom random; // shared by the games, so each new game goes on with the next races
    RandomBettor bettor(20240601);
    auto game = std::make_unique<DirectGame>(random);
    long games = 1, earlyKilobytes = 0;
    for (long race = 1; race <= late; ++race) {
        Main& main = game->main();
        bettor.placeBets(main);
        main.limit_Timer();
        if (runRace(main) < 0) {
            std::fprintf(stderr, "race %ld did not end\n", race);
            return 1;
        }
        // The recorder stands in for boxes the player closes; what it keeps is the test's.
        game->messages.shown.clear();
        if (main.timer.Enabled) { // game over: the quit timer ends this game
            main.timer_Timer();
            game = std::make_unique<DirectGame>(random);
            ++games;
        }
        if (race == early)
            earlyKilobytes = residentKilobytes();
    }
    const long lateKilobytes = residentKilobytes();
    std::printf("races        VmRSS\n");
    std::printf("%7ld  %8ld kB\n", early, earlyKilobytes);
    std::printf("%7ld  %8ld kB\n", late, lateKilobytes);
    std::printf("ratio    %8.3f   (%ld games)\n",
                static_cast<double>(lateKilobytes) / static_cast<double>(earlyKilobytes), games);
    return 0;
}
