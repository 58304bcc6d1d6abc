#pragma once
// What the planner knows of the story: where she can be and the ways between those places, and
// everything the story lets her do, each with where and when it can be done and the
// conversations it brings.
#include <functional>
#include <string>
#include <vector>

#include "cave.h"
#include "engineparts.h"
#include "eventsingelton.h"
#include "junglecrashsite.h"
#include "routesteps.h"
#include "timemachine.h"
#include "vulcano.h"

// What the planner asks about the game.
struct World
{
    const Playthrough& play;

    bool Holds(const std::string& aItem) const { return play.Holds(aItem); }
    bool Played(const std::string& aConversation) const { return play.Played(aConversation); }
    bool Fitted(const std::string& aPart) const
    {
        return SceneOf<TimeMachine>(play, "TimeMachine")
            .GetInstalledParts()
            .test(FindEnginePart(aPart)->slot);
    }
    // A part she carries that the engine still lacks.
    bool CarriesPart() const
    {
        return std::any_of(std::begin(ourEngineParts), std::end(ourEngineParts),
                           [this](const EnginePart& aPart)
                           { return Holds(aPart.itemName) && !Fitted(aPart.itemName); });
    }
    int FittedCount() const
    {
        return static_cast<int>(
            SceneOf<TimeMachine>(play, "TimeMachine").GetInstalledParts().count());
    }
    bool RobotOn() const
    {
        return SceneOf<JungleCrashSite>(play, "JungleCrashSite").GetRobot().IsActivated();
    }
    bool RaftMade() const { return PostMaster::GetInstance()->raftMade; }
    bool Lies(const char* aScene, const std::string& aItem) const
    {
        for (const auto& [name, scene] : play.GetGame().Scenes())
        {
            if (std::string(name) == aScene)
            {
                size_t index = 0;
                return scene->FindItem(aItem, index);
            }
        }
        return false;
    }
    bool Chopped() const
    {
        return SceneOf<JungleCrashSite>(play, "JungleCrashSite").IsTreeChopped();
    }
    bool Blown() const { return SceneOf<Cave>(play, "Cave").IsBlownApart(); }
    bool StairsBuilt() const { return SceneOf<Vulcano>(play, "Vulcano").GetState().stairsBuilt; }
    bool DiamondFound() const { return Holds("Diamond") || Fitted("Diamond"); }
};

// Where she can be, as far as getting about goes.
enum class Place
{
    Anywhere,
    TimeMachine,
    WestBank,
    EastBank,
    DeepJungle,
    Cave,
    Village,
    VolcanoGround,
    VolcanoLedge,
};

// Something the story lets her do: where, when it can be done, whether it brings the story on
// (the others are tries, each made at most once), and the steps with the talks they bring.
struct Task
{
    std::string name;
    Place place;
    std::function<bool(const World&)> ready;
    std::function<bool(const World&)> useful;
    std::function<void(Route&, const World&)> act;
    bool tried = false;
};

// Everything the story lets her do, detours included.
std::vector<Task> StoryTasks();
// The place she is in.
Place Where(const Playthrough& aPlay);
// The steps of the ways, in order, from aFrom to aTo into aRoute; false when none leads there.
bool TakeWay(const World& aWorld, Place aFrom, Place aTo, Route* aRoute);
