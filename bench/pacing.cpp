// marrowen-pacing [SECONDS]: runs the game headless at its pace and prints the swaps per
// second, how late they came after their deadlines, and the CPU time of each thread.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "benchstats.h"
#include "game.h"

namespace
{
struct ThreadTime
{
    std::string id;
    std::string name;
    double cpuSeconds;
};

// The CPU time of every thread of this process, from /proc.
std::vector<ThreadTime> ThreadTimes()
{
    std::vector<ThreadTime> times;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
    {
        std::ifstream comm(task.path() / "comm");
        std::ifstream schedstat(task.path() / "schedstat");
        ThreadTime time;
        time.id = task.path().filename().string();
        unsigned long long runNs = 0;
        std::getline(comm, time.name);
        schedstat >> runNs;
        time.cpuSeconds = static_cast<double>(runNs) / 1e9;
        times.push_back(time);
    }
    return times;
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    Game game(hgeCreate(HGE_VERSION));
    game.Start();
    HGE* hge = game.GetHGE();

    using Clock = std::chrono::steady_clock;
    const std::vector<ThreadTime> before = ThreadTimes();
    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    const uint64_t firstSwap = game.GetSwapCount();
    uint64_t swaps = firstSwap;
    std::vector<double> lateUs;
    while (Clock::now() < end && hge->System_PumpMessages() && game.SwapBuffers())
    {
        if (game.GetSwapCount() != swaps)
        {
            swaps = game.GetSwapCount();
            lateUs.push_back(static_cast<double>(game.GetPacer().GetLastLatenessNs()) / 1000.0);
        }
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const std::vector<ThreadTime> after = ThreadTimes();
    game.Stop();

    printf("swaps per second: %.1f\n", static_cast<double>(swaps - firstSwap) / elapsed);
    printf("lateness median us: %.1f\n", benchstats::Percentile(lateUs, 0.5));
    printf("lateness p99 us: %.1f\n", benchstats::Percentile(lateUs, 0.99));
    printf("lateness max us: %.1f\n", benchstats::Percentile(lateUs, 1.0));
    for (const ThreadTime& time : after)
    {
        double used = time.cpuSeconds;
        for (const ThreadTime& earlier : before)
        {
            used -= earlier.id == time.id ? earlier.cpuSeconds : 0.0;
        }
        printf("cpu %% of one core, %s (%s): %.1f\n", time.name.c_str(), time.id.c_str(),
               100.0 * used / elapsed);
    }
    return 0;
}
