#pragma once
// The story played as a player may take it: a planner that knows what needs what and, from a
// seed, chooses at each point among everything that can be done then (the useful steps, and
// now and then a try in the wrong place, a walk elsewhere or a look at the inventory and the
// notepad), and says which conversations each choice must bring.
#include <cstdint>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "player.h"

struct Task;

class StoryPlanner
{
public:
    // aInstallAsFound: every part goes into the engine as soon as she can get it there.
    explicit StoryPlanner(uint32_t aSeed, bool aInstallAsFound = false);
    ~StoryPlanner();

    // The next steps from the game as it is; none once the end picture has been dismissed.
    std::vector<RouteStep> Next(Playthrough& aPlay);
    // Every conversation the choices made so far had to bring.
    const std::set<std::string>& GetExpected() const { return myExpected; }

private:
    std::vector<RouteStep> Choose(Playthrough& aPlay);

    std::mt19937 myRandom;
    bool myInstallAsFound;
    bool myStarted = false;
    bool myEnded = false;
    std::vector<std::unique_ptr<Task>> myTasks;
    std::set<std::string> myExpected;
};

// Conversations photographed for the tour, on their first line.
std::set<std::string> TourConversations();
