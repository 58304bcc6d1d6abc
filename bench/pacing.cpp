// Runs the headless game for a while and reports the swap rate and how much CPU each thread
// used: the pacing should give 500 swaps per second without any thread spinning a whole core.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game.h"

namespace
{
struct ThreadTime
{
    std::string name;
    double cpuSeconds;
};

// CPU time of every thread of this process, from /proc (schedstat: nanoseconds on the CPU).
std::vector<ThreadTime> ThreadTimes()
{
    std::vector<ThreadTime> times;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
    {
        std::ifstream comm(task.path() / "comm");
        std::ifstream schedstat(task.path() / "schedstat");
        ThreadTime time;
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
    HGE* hge = game.GetHGE();

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    uint64_t swaps = game.GetSwapCount();
    Clock::time_point lastSwap = start;
    double shortestMs = 1e9;
    double longestMs = 0.0;
    int stalls = 0;  // intervals of more than two periods
    while (Clock::now() < end && hge->System_PumpMessages() && game.SwapBuffers())
    {
        if (game.GetSwapCount() != swaps)
        {
            const Clock::time_point now = Clock::now();
            if (swaps > 0)
            {
                const double ms = std::chrono::duration<double, std::milli>(now - lastSwap).count();
                shortestMs = std::min(shortestMs, ms);
                longestMs = std::max(longestMs, ms);
                stalls += ms > 4.0 ? 1 : 0;
            }
            swaps = game.GetSwapCount();
            lastSwap = now;
        }
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const std::vector<ThreadTime> times = ThreadTimes();
    game.Stop();

    printf("swaps: %llu in %.2f s = %.1f per second (interval %.3f .. %.3f ms, %d over 4 ms)\n",
           static_cast<unsigned long long>(swaps), elapsed, static_cast<double>(swaps) / elapsed,
           shortestMs, longestMs, stalls);
    for (const ThreadTime& time : times)
    {
        printf("thread %-16s cpu %6.2f s = %5.1f %% of one core\n", time.name.c_str(),
               time.cpuSeconds, 100.0 * time.cpuSeconds / elapsed);
    }
    return 0;
}
