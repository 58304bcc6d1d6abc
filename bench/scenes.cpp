// marrowen-scenes: whether entering a scene makes the picture stall. The whole story is played
// in the real window at its real pace (the attract mode's route, as `marrowen --demo` plays
// it), the time between frames is taken, and the longest frame in the second after each change
// of scene is printed against the frames elsewhere, with the peak memory and where it was.
// Takes as long as the story (about four minutes). Needs a display (Xvfb will do).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "benchmemory.h"
#include "benchroute.h"
#include "benchstats.h"
#include "game.h"

namespace
{
using Clock = std::chrono::steady_clock;
constexpr double kAfterChangeSeconds = 1.0;
constexpr auto kLookEvery = std::chrono::milliseconds(500);

// The scene being played, and each change of it, seen on the logic thread.
class SceneChanges : public FrameObserver
{
public:
    void OnLogicFrame(const Game& aGame, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        const std::string scene =
            aGame.GetStartScreen().IsStarted() ? aGame.GetCurrentSceneName() : "";
        std::lock_guard<std::mutex> lock(myMutex);
        if (scene != myScene)
        {
            myScene = scene;
            if (!scene.empty())
            {
                myChanges.push_back(scene);
            }
        }
    }

    // The scenes entered so far, in order.
    std::vector<std::string> Changes()
    {
        std::lock_guard<std::mutex> lock(myMutex);
        return myChanges;
    }

private:
    std::mutex myMutex;
    std::string myScene;
    std::vector<std::string> myChanges;
};

struct Swap
{
    double seconds;  // since the start
    size_t changes;  // scenes entered by then
};
}  // namespace

int main()
{
    HGE* hge = hgeCreate(HGE_VERSION);
    std::vector<InputEvent> events;
    if (!benchroute::Read(hge, "marrowen-scenes", events))
    {
        return 1;
    }
    ReplayFeed route(std::move(events));
    SceneChanges changes;
    // As the attract mode plays it: 2 ms of game time a logic frame, at the window's pace.
    GameOptions options = benchroute::Options(route, changes);
    options.myPaced = true;
    std::vector<Swap> swaps;
    benchmemory::Memory most;
    {
        Game game(hge, options);
        game.Start();
        const Clock::time_point start = Clock::now();
        Clock::time_point nextLook = start;
        uint64_t swapped = game.GetSwapCount();
        while (hge->System_PumpMessages() && game.SwapBuffers())
        {
            if (game.GetSwapCount() != swapped)
            {
                swapped = game.GetSwapCount();
                swaps.push_back(Swap{std::chrono::duration<double>(Clock::now() - start).count(),
                                     changes.Changes().size()});
            }
            // Where the memory is when the most is used (looked at twice a second).
            if (Clock::now() >= nextLook)
            {
                nextLook = Clock::now() + kLookEvery;
                const benchmemory::Memory now = benchmemory::Now(hge);
                most = now.Resident() > most.Resident() ? now : most;
            }
        }
        game.Stop();
        if (!game.GetBillboard().IsShown())
        {
            fprintf(stderr, "marrowen-scenes: the story did not reach its end picture\n");
            return 1;
        }
    }
    const std::vector<std::string> entered = changes.Changes();
    // When each change was first seen at a swap.
    std::vector<double> changedAt;
    for (const Swap& swap : swaps)
    {
        while (changedAt.size() < swap.changes)
        {
            changedAt.push_back(swap.seconds);
        }
    }
    std::vector<double> longest(changedAt.size(), 0.0);
    std::vector<double> elsewhere;
    for (size_t i = 1; i < swaps.size(); ++i)
    {
        const double ms = 1000.0 * (swaps[i].seconds - swaps[i - 1].seconds);
        // The frame belongs to the last change when that came less than a second before.
        const size_t last = swaps[i].changes;
        if (last > 0 && swaps[i].seconds - changedAt[last - 1] < kAfterChangeSeconds)
        {
            longest[last - 1] = std::max(longest[last - 1], ms);
        }
        else
        {
            elsewhere.push_back(ms);
        }
    }
    for (size_t i = 0; i < longest.size(); ++i)
    {
        printf("longest frame ms after entering %s (scene change %zu): %.1f\n", entered[i].c_str(),
               i + 1, longest[i]);
    }
    printf("frames ms elsewhere: median %.1f, p99 %.1f, longest %.1f (%zu frames)\n",
           benchstats::Percentile(elsewhere, 0.5), benchstats::Percentile(elsewhere, 0.99),
           benchstats::Percentile(elsewhere, 1.0), elsewhere.size());
    printf("longest frame ms at any scene change: %.1f\n",
           longest.empty() ? 0.0 : *std::max_element(longest.begin(), longest.end()));
    printf("peak memory through the story MB, window: %.0f\n", benchstats::PeakMemoryMb());
    printf("memory MB when the most was used: %s\n", most.Describe().c_str());
    return 0;
}
