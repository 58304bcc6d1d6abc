#pragma once
// The attract mode's route, which the timing tools play to see the whole story.
#include <cstdio>
#include <string>
#include <vector>

#include "game.h"
#include "hge.h"
#include "inputwrapper/inputrecording.h"

namespace benchroute
{
// The events of demo/route.txt; false, with a line on stderr naming aTool, when it cannot be
// read.
inline bool Read(HGE* aHge, const char* aTool, std::vector<InputEvent>& aEvents)
{
    DWORD size = 0;
    void* route = aHge->Resource_Load("demo/route.txt", &size);
    std::string problem;
    const bool read =
        route != nullptr &&
        ParseInputRecording(std::string(static_cast<const char*>(route), size), aEvents, problem);
    if (!read)
    {
        fprintf(stderr, "%s: demo/route.txt: %s\n", aTool,
                route ? problem.c_str() : "cannot be read");
    }
    aHge->Resource_Free(route);
    return read;
}

// A game that plays aRoute as fast as it goes, two milliseconds of game time per frame, seen
// by aObserver.
inline GameOptions Options(InputFeed& aRoute, FrameObserver& aObserver)
{
    GameOptions options;
    options.myFixedStepMs = 2.0f;
    options.myPaced = false;
    options.myInput = &aRoute;
    options.myObserver = &aObserver;
    return options;
}
}  // namespace benchroute
