// marrowen-startup [RUNS]: how long the game takes from the start of its process to the first
// presented frame of play (straight into play), headless and in the real window, and its peak
// memory then. Each run is a fresh process (this program again); the two kinds take turns, and
// the medians are printed side by side with their ratio. The window needs a display (Xvfb will
// do); without one only the headless figures are printed.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "benchmemory.h"
#include "benchstats.h"
#include "game.h"
#include "imagedecoder.h"

extern char** environ;

namespace
{
using Clock = std::chrono::steady_clock;

// One run of start-up as the child sees it: it says "presented" on its output the moment the
// first frame of play is on screen, then its peak memory, the pictures it decoded and where its
// memory is.
int Child(hgeBackend aBackend)
{
    hgeSelectBackend(aBackend);
    GameOptions options;
    options.myStartInPlay = true;
    Game game(hgeCreate(HGE_VERSION), options);
    game.Start();
    HGE* hge = game.GetHGE();
    // The first swap hands the render thread an empty buffer and the second the first frame of
    // play; the third comes once that frame was presented.
    while (hge->System_PumpMessages() && game.SwapBuffers() && game.GetSwapCount() < 3)
    {
    }
    printf("presented\n%.1f %d\n%s\n", benchstats::PeakMemoryMb(), platform::DecodedPictureCount(),
           benchmemory::Now(hge).Describe().c_str());
    fflush(stdout);
    game.Stop();
    return 0;
}

struct Run
{
    double ms = 0.0;
    double peakMb = 0.0;
    double pictures = 0.0;
    std::string memory;
};

// Starts this program as a child of the kind aKind and times it to its first frame of play.
bool TimeChild(const char* aSelf, const char* aKind, Run& aRun)
{
    int output[2];
    if (pipe(output) != 0)
    {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    char* arguments[] = {const_cast<char*>(aSelf), const_cast<char*>("--child"),
                         const_cast<char*>(aKind), nullptr};
    pid_t child = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&child, aSelf, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0)
    {
        close(output[0]);
        return false;
    }
    FILE* said = fdopen(output[0], "r");
    char line[1024] = {};
    bool presented = fgets(line, sizeof line, said) != nullptr && strcmp(line, "presented\n") == 0;
    aRun.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    presented = presented && fscanf(said, "%lf %lf\n", &aRun.peakMb, &aRun.pictures) == 2 &&
                fgets(line, sizeof line, said) != nullptr;
    aRun.memory = line;
    fclose(said);
    int status = 0;
    waitpid(child, &status, 0);
    return presented && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(const std::vector<Run>& aRuns, double Run::*aField)
{
    std::vector<double> values;
    for (const Run& run : aRuns)
    {
        values.push_back(run.*aField);
    }
    return benchstats::Percentile(values, 0.5);
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "--child") == 0)
    {
        return Child(strcmp(argv[2], "window") == 0 ? HGE_BACKEND_WINDOW : HGE_BACKEND_HEADLESS);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    // The runs' logs go to a folder of their own, not the player's.
    char folder[] = "/tmp/marrowen-startup-XXXXXX";
    if (mkdtemp(folder) == nullptr)
    {
        return 1;
    }
    setenv("XDG_STATE_HOME", folder, 1);
    const char* display = getenv("DISPLAY");
    const bool window = display != nullptr && display[0] != '\0';
    std::vector<Run> headless;
    std::vector<Run> windowed;
    for (int i = 0; i < runs; ++i)
    {
        for (const bool inWindow : {false, true})
        {
            Run run;
            if (inWindow && !window)
            {
                continue;
            }
            if (!TimeChild(argv[0], inWindow ? "window" : "headless", run))
            {
                fprintf(stderr, "marrowen-startup: the %s start-up failed\n",
                        inWindow ? "window's" : "headless");
                return 1;
            }
            (inWindow ? windowed : headless).push_back(run);
        }
    }
    std::filesystem::remove_all(folder);
    printf("start-up to the first frame of play ms, headless: %.0f (median of %d)\n",
           Median(headless, &Run::ms), runs);
    printf("peak memory after start-up MB, headless: %.0f\n", Median(headless, &Run::peakMb));
    printf("pictures decoded at start-up, headless: %.0f\n", Median(headless, &Run::pictures));
    printf("memory MB after start-up, headless (last run): %s", headless.back().memory.c_str());
    if (!window)
    {
        printf("window start-up: no display\n");
        return 0;
    }
    printf("start-up to the first frame of play ms, window: %.0f (median of %d)\n",
           Median(windowed, &Run::ms), runs);
    printf("peak memory after start-up MB, window: %.0f\n", Median(windowed, &Run::peakMb));
    printf("pictures decoded at start-up, window: %.0f\n", Median(windowed, &Run::pictures));
    printf("memory MB after start-up, window (last run): %s", windowed.back().memory.c_str());
    printf("start-up ratio window / headless: %.2f\n",
           Median(windowed, &Run::ms) / Median(headless, &Run::ms));
    return 0;
}
