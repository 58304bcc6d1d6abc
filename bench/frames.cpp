// marrowen-frames: the logic thread's work per frame in each scene, while the whole story is
// played (the attract mode's route, headless, fixed step, as fast as it goes), and the peak
// memory at its end.
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "benchroute.h"
#include "benchstats.h"
#include "game.h"

namespace
{
class FrameTimes : public FrameObserver
{
public:
    void OnLogicFrame(const Game& /*aGame*/, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
    }
    void OnLogicFrameTime(const Game& aGame, int64_t aNanoseconds) override
    {
        if (aGame.GetStartScreen().IsStarted())
        {
            myMicroseconds[aGame.GetCurrentSceneName()].push_back(
                static_cast<double>(aNanoseconds) / 1000.0);
        }
    }

    std::map<std::string, std::vector<double>> myMicroseconds;
};
}  // namespace

int main()
{
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    HGE* hge = hgeCreate(HGE_VERSION);
    std::vector<InputEvent> events;
    if (!benchroute::Read(hge, "marrowen-frames", events))
    {
        return 1;
    }
    ReplayFeed replay(std::move(events));
    FrameTimes times;
    const GameOptions options = benchroute::Options(replay, times);
    {
        Game game(hge, options);
        while (game.SwapBuffers())
        {
        }
        game.Stop();
        printf("end picture reached: %s\n", game.GetBillboard().IsShown() ? "yes" : "no");
    }
    for (const auto& [scene, microseconds] : times.myMicroseconds)
    {
        printf("logic frame us, %s: median %.1f, p99 %.1f (%zu frames)\n", scene.c_str(),
               benchstats::Percentile(microseconds, 0.5),
               benchstats::Percentile(microseconds, 0.99), microseconds.size());
    }
    printf("peak memory at the end of the story MB: %.0f\n", benchstats::PeakMemoryMb());
    return 0;
}
