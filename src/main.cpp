// Starts the game: the window by default, or headless for a set number of frames with a
// screenshot of the last one.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game.h"

namespace
{
struct Arguments
{
    bool myHeadless = false;
    long myFrames = -1;  // headless: swaps to run
    std::string myScreenshot;
    GameOptions myOptions;
};

[[noreturn]] void Usage(const char* aProblem)
{
    fprintf(stderr,
            "marrowen: %s\nusage: marrowen [--play] [--fixed-step-ms MS] "
            "[--headless --frames N [--screenshot FILE.png]]\n",
            aProblem);
    exit(2);
}

const char* NextValue(int& aIndex, int aCount, char** aValues)
{
    if (aIndex + 1 >= aCount)
    {
        Usage("an option is missing its value");
    }
    return aValues[++aIndex];
}

Arguments Parse(int aCount, char** aValues)
{
    Arguments arguments;
    for (int i = 1; i < aCount; ++i)
    {
        const char* option = aValues[i];
        if (strcmp(option, "--headless") == 0)
        {
            arguments.myHeadless = true;
        }
        else if (strcmp(option, "--frames") == 0)
        {
            arguments.myFrames = strtol(NextValue(i, aCount, aValues), nullptr, 10);
        }
        else if (strcmp(option, "--screenshot") == 0)
        {
            arguments.myScreenshot = NextValue(i, aCount, aValues);
        }
        else if (strcmp(option, "--play") == 0)
        {
            arguments.myOptions.myStartInPlay = true;
        }
        else if (strcmp(option, "--fixed-step-ms") == 0)
        {
            arguments.myOptions.myFixedStepMs = strtof(NextValue(i, aCount, aValues), nullptr);
        }
        else
        {
            Usage((std::string("unknown option ") + option).c_str());
        }
    }
    if (arguments.myHeadless && arguments.myFrames <= 0)
    {
        Usage("--headless needs --frames N with N > 0");
    }
    if (!arguments.myHeadless && !arguments.myScreenshot.empty())
    {
        Usage("--screenshot goes with --headless");
    }
    return arguments;
}
}  // namespace

int main(int argc, char** argv)
{
    const Arguments arguments = Parse(argc, argv);
    if (arguments.myHeadless)
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
    }
    Game game(hgeCreate(HGE_VERSION), arguments.myOptions);
    HGE* hge = game.GetHGE();
    while (hge->System_PumpMessages() && game.SwapBuffers())
    {
        if (arguments.myHeadless &&
            game.GetSwapCount() >= static_cast<unsigned long>(arguments.myFrames))
        {
            break;
        }
    }
    // However the run ended (window closed, quit request, frame count), both workers end here.
    game.Stop();
    if (!arguments.myScreenshot.empty() && !hge->System_Snapshot(arguments.myScreenshot.c_str()))
    {
        fprintf(stderr, "marrowen: could not write the screenshot %s\n",
                arguments.myScreenshot.c_str());
        return 1;
    }
    return 0;
}
