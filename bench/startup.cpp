// marrowen-startup: how long the game takes from the start of the process to the first
// presented frame of play (headless, straight into play), how many pictures it decoded on the
// way, and its peak memory then.
#include <chrono>
#include <cstdio>

#include "benchstats.h"
#include "game.h"
#include "headlessframe.h"
#include "imagedecoder.h"

int main()
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    GameOptions options;
    options.myStartInPlay = true;
    Game game(hgeCreate(HGE_VERSION), options);
    game.Start();
    HGE* hge = game.GetHGE();
    // The first frame presented is always empty; the second shows the first frame of play.
    platform::PresentedFrame frame;
    while (game.SwapBuffers() && !(platform::LastPresentedFrame(hge, frame) && frame.myNumber >= 2))
    {
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    game.Stop();
    printf("start-up to the first frame of play ms: %.0f\n", ms);
    printf("pictures decoded: %d\n", platform::DecodedPictureCount());
    printf("peak memory after start-up MB: %.0f\n", benchstats::PeakMemoryMb());
    return 0;
}
