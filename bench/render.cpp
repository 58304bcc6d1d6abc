// marrowen-render: how close the window's drawing comes to the least a renderer must do. The
// story is played headless (the attract mode's route) and one frame of each scene is kept, 2 s
// after the heroine first arrives; each kept frame is then drawn over and over by the window
// engine, and a bare OpenGL loop draws as many full-screen pictures per frame as that frame
// holds. The game's frames also say the CPU time they cost. Needs a display (Xvfb will do).
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bareglloop.h"
#include "benchroute.h"
#include "displayoptions.h"
#include "fatal.h"
#include "game.h"
#include "headlessframe.h"

namespace
{
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr uint64_t kFramesIntoScene = 1000;  // 2 s of play
constexpr double kSeconds = 3.0;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A frame as the headless engine presented it, with the files its pictures came from.
struct KeptFrame
{
    platform::PresentedFrame frame;
    std::vector<std::string> picturePaths;  // one per quad
};

// Which scene each logic frame played, and how many frames each scene has had.
class SceneWatch : public FrameObserver
{
public:
    void OnLogicFrame(const Game& aGame, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        if (!aGame.GetStartScreen().IsStarted())
        {
            return;
        }
        std::lock_guard<std::mutex> lock(myMutex);
        myScene = aGame.GetCurrentSceneName();
        ++myFrames[myScene];
    }

    std::pair<std::string, uint64_t> Current()
    {
        std::lock_guard<std::mutex> lock(myMutex);
        return {myScene, myScene.empty() ? 0 : myFrames[myScene]};
    }

private:
    std::mutex myMutex;
    std::string myScene;
    std::map<std::string, uint64_t> myFrames;
};

std::map<std::string, KeptFrame> KeepFramesOfEachScene()
{
    std::map<std::string, KeptFrame> kept;
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    HGE* hge = hgeCreate(HGE_VERSION);
    std::vector<InputEvent> events;
    if (!benchroute::Read(hge, "marrowen-render", events))
    {
        hge->Release();
        return kept;
    }
    ReplayFeed replay(std::move(events));
    SceneWatch watch;
    const GameOptions options = benchroute::Options(replay, watch);
    Game game(hge, options);
    game.Start();
    while (game.SwapBuffers() && kept.size() < 7)
    {
        const auto [scene, frames] = watch.Current();
        if (frames >= kFramesIntoScene && kept.count(scene) == 0)
        {
            KeptFrame& frame = kept[scene];
            platform::LastPresentedFrame(hge, frame.frame);
            for (const hgeQuad& quad : frame.frame.myQuads)
            {
                frame.picturePaths.push_back(platform::PicturePath(hge, quad.tex));
            }
        }
    }
    game.Stop();
    return kept;
}

// The kept frame's quads on the window engine's own pictures.
std::vector<hgeQuad> OnWindowPictures(HGE* aWindow, const KeptFrame& aFrame,
                                      std::map<std::string, HTEXTURE>& aLoaded)
{
    std::vector<hgeQuad> quads = aFrame.frame.myQuads;
    for (size_t i = 0; i < quads.size(); ++i)
    {
        const std::string& path = aFrame.picturePaths[i];
        if (path.empty())
        {
            quads[i].tex = 0;
            continue;
        }
        auto loaded = aLoaded.find(path);
        if (loaded == aLoaded.end())
        {
            loaded = aLoaded.emplace(path, aWindow->Texture_Load(path.c_str())).first;
        }
        quads[i].tex = loaded->second;
    }
    return quads;
}

// Pictures at least as large as the screen: what the bare loop draws as many of.
int FullScreenPictures(HGE* aWindow, const std::vector<hgeQuad>& aQuads)
{
    std::map<HTEXTURE, bool> pictures;
    for (const hgeQuad& quad : aQuads)
    {
        if (quad.tex != 0 && aWindow->Texture_GetWidth(quad.tex) >= kScreenWidth &&
            aWindow->Texture_GetHeight(quad.tex) >= kScreenHeight)
        {
            pictures[quad.tex] = true;
        }
    }
    return static_cast<int>(pictures.size());
}

// Draws frames on one thread of its own (the window's drawing stays on the thread that began
// it), while told to, and counts them.
class WindowDrawing
{
public:
    explicit WindowDrawing(HGE* aWindow) : myWindow(aWindow), myThread([this] { Draw(); }) {}
    WindowDrawing(const WindowDrawing&) = delete;
    WindowDrawing& operator=(const WindowDrawing&) = delete;
    ~WindowDrawing()
    {
        myEnd = true;
        myThread.join();
    }

    // Frames per second of aQuads over a clear in aClear, drawn for kSeconds, and the CPU time
    // of the whole process (the driver's threads too) per frame in aCpuMs: that one barely
    // changes with what else the machine is doing.
    double FramesPerSecond(DWORD aClear, const std::vector<hgeQuad>& aQuads, double& aCpuMs)
    {
        const double cpuBefore = CpuSeconds();
        {
            std::lock_guard<std::mutex> lock(myMutex);
            myClear = aClear;
            myQuads = aQuads;
        }
        myFrames = 0;
        myDrawing = true;
        const auto start = std::chrono::steady_clock::now();
        const auto end = start + std::chrono::duration<double>(kSeconds);
        while (std::chrono::steady_clock::now() < end)
        {
            myWindow->System_PumpMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        myDrawing = false;
        const double frames = myFrames;
        aCpuMs = 1000.0 * (CpuSeconds() - cpuBefore) / std::max(1.0, frames);
        return frames /
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

private:
    void Draw()
    {
        while (!myEnd)
        {
            if (!myDrawing)
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            std::lock_guard<std::mutex> lock(myMutex);
            myWindow->Gfx_BeginScene();
            myWindow->Gfx_Clear(myClear);
            for (const hgeQuad& quad : myQuads)
            {
                myWindow->Gfx_RenderQuad(&quad);
            }
            myWindow->Gfx_EndScene();
            ++myFrames;
        }
    }

    HGE* myWindow;
    std::mutex myMutex;
    DWORD myClear = 0;
    std::vector<hgeQuad> myQuads;
    std::atomic<bool> myDrawing{false};
    std::atomic<bool> myEnd{false};
    std::atomic<int> myFrames{0};
    std::thread myThread;
};
}  // namespace

int main()
{
    const std::map<std::string, KeptFrame> kept = KeepFramesOfEachScene();
    if (kept.empty())
    {
        return 1;
    }
    // Every frame drawn, as fast as it goes.
    platform::DisplayOptions display;
    display.myUncapped = true;
    platform::SetDisplayOptions(display);
    hgeSelectBackend(HGE_BACKEND_WINDOW);
    HGE* window = hgeCreate(HGE_VERSION);
    window->System_SetState(HGE_TITLE, "marrowen-render");
    window->System_SetState(HGE_SCREENWIDTH, kScreenWidth);
    window->System_SetState(HGE_SCREENHEIGHT, kScreenHeight);
    if (!window->System_Initiate())
    {
        fprintf(stderr, "marrowen-render: %s\n", platform::LastError());
        window->Release();
        return 1;
    }
    std::map<std::string, HTEXTURE> loaded;
    int status = 0;
    {
        WindowDrawing drawing(window);
        for (const auto& [scene, frame] : kept)
        {
            const std::vector<hgeQuad> quads = OnWindowPictures(window, frame, loaded);
            const int fullScreen = FullScreenPictures(window, quads);
            double cpuMs = 0.0;
            const double game = drawing.FramesPerSecond(frame.frame.myClearColor, quads, cpuMs);
            const double bare = platform::BareLoopFramesPerSecond(kScreenWidth, kScreenHeight,
                                                                  fullScreen, kSeconds);
            if (bare <= 0.0)
            {
                fprintf(stderr, "marrowen-render: %s\n", platform::LastError());
                status = 1;
                break;
            }
            printf(
                "render fps, %s: game %.0f (%zu quads, cpu %.1f ms a frame), bare loop %.0f (%d "
                "full-screen), ratio %.2f\n",
                scene.c_str(), game, quads.size(), cpuMs, bare, fullScreen, game / bare);
        }
    }
    for (const auto& [path, texture] : loaded)
    {
        window->Texture_Free(texture);
    }
    window->System_Shutdown();
    window->Release();
    return status;
}
