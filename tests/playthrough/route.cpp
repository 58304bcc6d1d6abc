#include "route.h"

#include "storytasks.h"

StoryPlanner::StoryPlanner(uint32_t aSeed, bool aInstallAsFound)
    : myRandom(aSeed), myInstallAsFound(aInstallAsFound)
{
    for (Task& task : StoryTasks())
    {
        myTasks.push_back(std::make_unique<Task>(std::move(task)));
    }
}

StoryPlanner::~StoryPlanner() = default;

std::vector<RouteStep> StoryPlanner::Next(Playthrough& aPlay)
{
    std::vector<RouteStep> steps;
    Route route(steps, myExpected, aPlay);
    if (myEnded)
    {
        return steps;
    }
    if (!myStarted)
    {
        myStarted = true;
        // A game continued from a save is under way already.
        if (!aPlay.GetGame().GetStartScreen().IsStarted())
        {
            route.Milestone("title")
                .Press(ourKeyReturn)
                .Milestone("prologue")
                .Until("the prologue skipped", [](const Playthrough& aPlay)
                       { return aPlay.GetGame().GetStartScreen().IsStarted(); })
                .Expect("wake ester")
                .Expect("ester woken")
                .Milestone("awake in the time machine");
            return steps;
        }
    }
    return Choose(aPlay);
}

std::vector<RouteStep> StoryPlanner::Choose(Playthrough& aPlay)
{
    std::vector<RouteStep> steps;
    Route route(steps, myExpected, aPlay);
    const World world{aPlay};
    const Place here = Where(aPlay);
    std::vector<Task*> useful;
    std::vector<Task*> tries;
    Task* home = nullptr;
    for (const std::unique_ptr<Task>& task : myTasks)
    {
        const bool reachable =
            task->place == Place::Anywhere || TakeWay(world, here, task->place, nullptr);
        if (!reachable || !task->ready(world))
        {
            continue;
        }
        if (task->name == "home")
        {
            home = task.get();
        }
        else if (task->useful(world))
        {
            useful.push_back(task.get());
        }
        else if (!task->tried)
        {
            tries.push_back(task.get());
        }
    }
    if (myInstallAsFound)
    {
        // Each part goes in at once: the engine looked over, then the part fitted.
        for (Task* task : useful)
        {
            if ((task->name == "fit a part" || task->name == "examine the engine") &&
                (world.CarriesPart() || world.FittedCount() == 0))
            {
                useful = {task};
                break;
            }
        }
    }
    Task* chosen = nullptr;
    if (!tries.empty() && (useful.empty() || myRandom() % 4 == 0))
    {
        chosen = tries[myRandom() % tries.size()];
        chosen->tried = true;
    }
    else if (!useful.empty())
    {
        chosen = useful[myRandom() % useful.size()];
    }
    else if (home != nullptr)
    {
        chosen = home;
        myEnded = true;
    }
    if (chosen == nullptr)
    {
        aPlay.Fail("a dead end: nothing the story allows brings it on from here");
        return steps;
    }
    if (chosen->place != Place::Anywhere)
    {
        TakeWay(world, here, chosen->place, &route);
    }
    route.Begin(chosen->name);
    chosen->act(route, world);
    return steps;
}

std::set<std::string> TourConversations()
{
    return {"ester woken",   "You can't go there", "Activate Roderick", "before axe with tree",
            "no shell",      "Close to rock",      "The main quest4",   "A bird",
            "The bird suit", "Saving children",    "Call me Ester",     "home trip"};
}
