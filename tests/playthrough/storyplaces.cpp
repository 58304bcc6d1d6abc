#include <cmath>
#include <deque>
#include <map>

#include "storytasks.h"

namespace
{
const V ourStairsFoot(428, 689);
const V ourStairsTop(775, 353);
constexpr float ourRiverLine = 1097.0f;

// One way from a place to the next: when it is open, and the steps that take it.
struct Way
{
    Place from;
    Place to;
    std::function<bool(const World&)> open;
    std::function<void(Route&, const World&)> take;
};

Goal AtRaft()
{
    return [](const Playthrough& aPlay, const V& aHeroine)
    { return SceneOf<JungleCrashSite>(aPlay, "JungleCrashSite").GetRaft().Reaches(aHeroine); };
}

// The stairs from one end to the other, standing at aArrival.
void ClimbStairs(Route& aRoute, const char* aEnd, const V& aArrival)
{
    aRoute.WalkToItem(aEnd).Press(ourKeyE).Until("at the other end of the stairs",
                                                 [aArrival](const Playthrough& aPlay)
                                                 { return aPlay.Heroine() == aArrival; });
}

const std::vector<Way>& Ways()
{
    const auto always = [](const World&) { return true; };
    const auto robot = [](const World& aWorld) { return aWorld.RobotOn(); };
    const auto leave = [](const char* aZone, const char* aScene)
    { return [aZone, aScene](Route& aRoute, const World&) { aRoute.Leave(aZone, aScene); }; };
    const auto raft = [](bool aEast)
    {
        return [aEast](Route& aRoute, const World&)
        {
            aRoute.Walk("the raft", Pressing(AtRaft()))
                .Press(ourKeyE)
                .Until("across the river", [aEast](const Playthrough& aPlay)
                       { return (aPlay.Heroine().x > ourRiverLine) == aEast; });
        };
    };
    static const std::vector<Way> ways = {
        {Place::TimeMachine, Place::WestBank, always,
         leave("JungleCrashTransferFromTimeMachine", "JungleCrashSite")},
        {Place::WestBank, Place::TimeMachine, always, leave("TimeMachineLevel", "TimeMachine")},
        {Place::WestBank, Place::DeepJungle, robot, leave("DeepJungleTransfer", "DeepJungle")},
        {Place::DeepJungle, Place::WestBank, always,
         leave("JungleCrashTransfer", "JungleCrashSite")},
        {Place::WestBank, Place::Village, robot,
         leave("VillageTransferFromJungleCrash", "Village")},
        {Place::Village, Place::WestBank, always,
         leave("JungleCrashTransferFromVillage", "JungleCrashSite")},
        {Place::WestBank, Place::EastBank, [](const World& aWorld) { return aWorld.RaftMade(); },
         raft(true)},
        {Place::EastBank, Place::WestBank, always, raft(false)},
        {Place::EastBank, Place::VolcanoGround, always,
         leave("VolcanoTransferFromJungleCrash", "Vulcano")},
        {Place::VolcanoGround, Place::EastBank, always,
         leave("JungleCrashTransferFromVolcano", "JungleCrashSite")},
        {Place::DeepJungle, Place::Cave, always,
         [](Route& aRoute, const World& aWorld)
         {
             aRoute.Leave("CaveFromDeepJungle", aWorld.Blown() ? "BlownUpCave" : "Cave");
             if (!aWorld.Played("Entering") && !aWorld.Blown())
             {
                 aRoute.Expect("Entering");
             }
         }},
        {Place::Cave, Place::DeepJungle, always,
         [](Route& aRoute, const World& aWorld)
         {
             aRoute.Leave(aWorld.Blown() ? "DeepJungleFromBlownUpCave" : "DeepJungleFromCave",
                          "DeepJungle");
         }},
        {Place::VolcanoGround, Place::VolcanoLedge,
         [](const World& aWorld) { return aWorld.StairsBuilt(); },
         [](Route& aRoute, const World&) { ClimbStairs(aRoute, "stair up", ourStairsTop); }},
        {Place::VolcanoLedge, Place::VolcanoGround,
         [](const World& aWorld) { return aWorld.StairsBuilt(); },
         [](Route& aRoute, const World&) { ClimbStairs(aRoute, "stair kit", ourStairsFoot); }},
    };
    return ways;
}

// The ways, in order, from aFrom to aTo; false when none leads there now.
bool FindWay(const World& aWorld, Place aFrom, Place aTo, std::vector<const Way*>& aWays)
{
    std::map<Place, const Way*> cameBy;
    std::deque<Place> open{aFrom};
    cameBy[aFrom] = nullptr;
    while (!open.empty() && cameBy.count(aTo) == 0)
    {
        const Place place = open.front();
        open.pop_front();
        for (const Way& way : Ways())
        {
            if (way.from == place && cameBy.count(way.to) == 0 && way.open(aWorld))
            {
                cameBy[way.to] = &way;
                open.push_back(way.to);
            }
        }
    }
    if (cameBy.count(aTo) == 0)
    {
        return false;
    }
    aWays.clear();
    for (Place place = aTo; place != aFrom; place = cameBy[place]->from)
    {
        aWays.insert(aWays.begin(), cameBy[place]);
    }
    return true;
}
}  // namespace

Place Where(const Playthrough& aPlay)
{
    const std::string scene = aPlay.Scene();
    if (scene == "JungleCrashSite")
    {
        return aPlay.Heroine().x < ourRiverLine ? Place::WestBank : Place::EastBank;
    }
    if (scene == "Vulcano")
    {
        // The ledge is where the stair kit lies, and only the flight or the stairs lead there.
        const auto byTheStairKit = [](const V& aHeroine)
        { return std::fabs(aHeroine.x - 750) < 100 && std::fabs(aHeroine.y - 438) < 100; };
        return aPlay.CanWalkTo(byTheStairKit) ? Place::VolcanoLedge : Place::VolcanoGround;
    }
    const std::map<std::string, Place> places = {{"TimeMachine", Place::TimeMachine},
                                                 {"DeepJungle", Place::DeepJungle},
                                                 {"Cave", Place::Cave},
                                                 {"BlownUpCave", Place::Cave},
                                                 {"Village", Place::Village}};
    return places.at(scene);
}

bool TakeWay(const World& aWorld, Place aFrom, Place aTo, Route* aRoute)
{
    std::vector<const Way*> ways;
    if (!FindWay(aWorld, aFrom, aTo, ways))
    {
        return false;
    }
    for (const Way* way : ways)
    {
        if (aRoute != nullptr)
        {
            way->take(*aRoute, aWorld);
        }
    }
    return true;
}
