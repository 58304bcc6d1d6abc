// marrowen-power [SECONDS] [SCENE]: what the real window costs the machine. The whole
// process's CPU time (every thread, the graphics driver's included) as a share of one core,
// while the title screen stands untouched and while the heroine walks to and fro in a scene
// (the village by default, the busiest to draw), SECONDS each (10 by default), and the logic
// frames run meanwhile (500 a second is full speed). The scene is reached by playing the
// attract mode's route headless and continuing its save in the window. Needs a display (Xvfb
// will do).
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "benchroute.h"
#include "eventsingelton.h"
#include "fatal.h"
#include "game.h"
#include "savestore.h"

namespace
{
using Clock = std::chrono::steady_clock;
constexpr uint64_t kFramesIntoScene = 1000;  // 2 s after arriving, the scene is settled
constexpr uint64_t kFramesEachWay = 500;     // walks one second one way, then back
constexpr double kSettleSeconds = 2.0;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Stops the route once the heroine has been in the scene a while.
class SceneWatch : public FrameObserver
{
public:
    explicit SceneWatch(std::string aScene) : myScene(std::move(aScene)) {}
    void OnLogicFrame(const Game& aGame, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        const bool there = aGame.GetStartScreen().IsStarted() &&
                           myScene == aGame.GetCurrentSceneName() &&
                           !PostMaster::GetInstance()->conversationRunning;
        myFrames = there ? myFrames + 1 : 0;
        myReached = myReached || myFrames >= kFramesIntoScene;
    }
    bool Reached() const { return myReached; }

private:
    std::string myScene;
    uint64_t myFrames = 0;
    std::atomic<bool> myReached{false};
};

// The save of the route's game some way into aScene, written to aFolder; false if never there.
bool SaveInScene(const std::string& aScene, const std::string& aFolder)
{
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    HGE* hge = hgeCreate(HGE_VERSION);
    std::vector<InputEvent> events;
    if (!benchroute::Read(hge, "marrowen-power", events))
    {
        hge->Release();
        return false;
    }
    ReplayFeed route(std::move(events));
    SceneWatch watch(aScene);
    Game game(hge, benchroute::Options(route, watch));
    game.Start();
    while (!watch.Reached() && game.SwapBuffers())
    {
    }
    game.Stop();
    if (!watch.Reached())
    {
        return false;
    }
    SaveStore store(aFolder,
                    [](const std::string& aLine) { fprintf(stderr, "%s\n", aLine.c_str()); });
    store.Write(game.SaveText());
    store.Close();
    return true;
}

// How far the heroine has walked, seen on the logic thread.
class WalkWatch : public FrameObserver
{
public:
    void OnLogicFrame(const Game& aGame, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        const Vector2<float> at = aGame.GetPlayer().GetWorldPosition();
        if (myStarted)
        {
            myPixels = myPixels + std::hypot(at.x - myLast.x, at.y - myLast.y);
        }
        myLast = at;
        myStarted = true;
    }
    double Pixels() const { return myPixels; }

private:
    Vector2<float> myLast;
    bool myStarted = false;
    std::atomic<double> myPixels{0.0};
};

// The right and left keys held in turn, a second each, for the whole run.
std::vector<InputEvent> ToAndFro(double aSeconds)
{
    std::vector<InputEvent> events;
    uint8_t right = 0;
    uint8_t left = 0;
    ScanCodeOf("D", right);
    ScanCodeOf("A", left);
    const auto frames = static_cast<uint64_t>((aSeconds + kSettleSeconds + 5.0) * 500.0);
    for (uint64_t frame = 0, turn = 0; frame < frames; frame += kFramesEachWay, ++turn)
    {
        const uint8_t now = turn % 2 == 0 ? right : left;
        const uint8_t before = turn % 2 == 0 ? left : right;
        if (turn > 0)
        {
            events.push_back(InputEvent{frame, InputEvent::KEY_UP, before, 0, 0});
        }
        events.push_back(InputEvent{frame, InputEvent::KEY_DOWN, now, 0, 0});
    }
    return events;
}

struct Measured
{
    double cpuPercent = 0.0;
    double logicFramesPerSecond = 0.0;
    double swapsPerSecond = 0.0;
    double walkedPixels = 0.0;
};

// Runs a window game with aOptions, lets it settle, then measures it for aSeconds; aWalk (if
// any) watches the heroine.
bool MeasureWindow(const GameOptions& aOptions, double aSeconds, Measured& aMeasured,
                   const WalkWatch* aWalk = nullptr)
{
    hgeSelectBackend(HGE_BACKEND_WINDOW);
    Game game(hgeCreate(HGE_VERSION), aOptions);
    game.Start();
    HGE* hge = game.GetHGE();
    const auto runFor = [&](double aFor)
    {
        const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                         std::chrono::duration<double>(aFor));
        bool running = true;
        while (running && Clock::now() < end)
        {
            running = hge->System_PumpMessages() && game.SwapBuffers();
        }
        return running;
    };
    bool running = runFor(kSettleSeconds);
    const double cpuBefore = CpuSeconds();
    const uint64_t framesBefore = game.GetLogicFrameCount();
    const uint64_t swapsBefore = game.GetSwapCount();
    const double walkedBefore = aWalk ? aWalk->Pixels() : 0.0;
    const Clock::time_point start = Clock::now();
    running = running && runFor(aSeconds);
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    aMeasured.cpuPercent = 100.0 * (CpuSeconds() - cpuBefore) / elapsed;
    aMeasured.logicFramesPerSecond =
        static_cast<double>(game.GetLogicFrameCount() - framesBefore) / elapsed;
    aMeasured.swapsPerSecond = static_cast<double>(game.GetSwapCount() - swapsBefore) / elapsed;
    aMeasured.walkedPixels = aWalk ? aWalk->Pixels() - walkedBefore : 0.0;
    game.Stop();
    return running;
}
}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const std::string scene = argc > 2 ? argv[2] : "Village";
    // The runs' log and save go to a folder of their own, not the player's.
    char folder[] = "/tmp/marrowen-power-XXXXXX";
    if (mkdtemp(folder) == nullptr)
    {
        return 1;
    }
    setenv("XDG_STATE_HOME", folder, 1);
    const std::string saves = std::string(folder) + "/save";
    if (!SaveInScene(scene, saves))
    {
        fprintf(stderr, "marrowen-power: the route never settles in %s\n", scene.c_str());
        return 1;
    }

    Measured title;
    if (!MeasureWindow(GameOptions(), seconds, title))
    {
        fprintf(stderr, "marrowen-power: the window ended early: %s\n", platform::LastError());
        return 1;
    }
    ReplayFeed walk(ToAndFro(seconds));
    WalkWatch walked;
    GameOptions options;
    options.mySaveFolder = saves;
    options.myContinue = true;
    options.myInput = &walk;
    options.myObserver = &walked;
    Measured walking;
    if (!MeasureWindow(options, seconds, walking, &walked))
    {
        fprintf(stderr, "marrowen-power: the window ended early: %s\n", platform::LastError());
        return 1;
    }
    std::filesystem::remove_all(folder);
    printf("window cpu %% of one core, title screen untouched: %.1f (%.0f frames/s)\n",
           title.cpuPercent, title.swapsPerSecond);
    printf("window cpu %% of one core, walking in %s: %.1f (%.0f frames/s)\n", scene.c_str(),
           walking.cpuPercent, walking.swapsPerSecond);
    printf("logic frames while walking, per second: %.0f (full speed 500); walked %.0f px/s\n",
           walking.logicFramesPerSecond, walking.walkedPixels / seconds);
    return 0;
}
