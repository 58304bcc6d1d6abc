#include "route.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <map>

#include "cave.h"
#include "engineparts.h"
#include "eventsingelton.h"
#include "inventorylayout.h"
#include "junglecrashsite.h"
#include "timemachine.h"
#include "village.h"
#include "vulcano.h"

namespace
{
using Goal = std::function<bool(const Playthrough&, const V&)>;
using Check = std::function<bool(const Playthrough&)>;
namespace layout = inventorylayout;

constexpr uint8_t ourKeyE = 0x12;
constexpr uint8_t ourKeyI = 0x17;
constexpr uint8_t ourKeyN = 0x31;
constexpr uint8_t ourKeyReturn = 0x1C;
// A conversation a step must bring shows within this many frames of it being looked for.
constexpr int ourExpectFrames = 8000;
const V ourStairsFoot(428, 689);
const V ourStairsTop(775, 353);
constexpr float ourRiverLine = 1097.0f;

template <typename Scene>
const Scene& SceneOf(const Playthrough& aPlay, const char* aName)
{
    for (const auto& [name, scene] : aPlay.GetGame().Scenes())
    {
        if (std::string(name) == aName)
        {
            return dynamic_cast<const Scene&>(*scene);
        }
    }
    return dynamic_cast<const Scene&>(aPlay.GetGame().GetCurrentLevel());
}

// Where a press takes the item aName of the scene (and nothing else).
Goal AtItem(const std::string& aName)
{
    return [aName](const Playthrough& aPlay, const V& aHeroine)
    {
        const LevelBaseData& level = aPlay.GetGame().GetCurrentLevel();
        const int target = level.PressTarget(aHeroine);
        return target >= 0 && level.GetItems()[static_cast<size_t>(target)].GetName() == aName;
    };
}

// Where aGoal holds and a press goes to the scene's own thing, not to an item.
Goal Pressing(const Goal& aGoal)
{
    return [aGoal](const Playthrough& aPlay, const V& aHeroine) {
        return aGoal(aPlay, aHeroine) &&
               aPlay.GetGame().GetCurrentLevel().PressTarget(aHeroine) < 0;
    };
}

// Her feet in the scene's way out named aZone.
Goal InZone(const std::string& aZone)
{
    return [aZone](const Playthrough& aPlay, const V& aHeroine)
    {
        const V feet(aHeroine.x + 32.0f, aHeroine.y + 100.0f);
        for (const ZoneRect& zone : aPlay.GetGame().GetCurrentLevel().GetZoneRects())
        {
            if (zone.name == aZone && zone.Encloses(feet))
            {
                return true;
            }
        }
        return false;
    };
}

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
    bool StairsBuilt() const { return SceneOf<Vulcano>(play, "Vulcano").AreStairsBuilt(); }
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

class Route
{
public:
    Route(std::vector<RouteStep>& aSteps, std::set<std::string>& aExpected,
          const Playthrough& aPlay)
        : mySteps(aSteps), myExpected(aExpected), myPlay(aPlay)
    {
    }

    // Walks to where aGoal holds; with aUntil, walks on towards it until aUntil holds (a way
    // out moves her on in the frame she steps into it).
    Route& Walk(const std::string& aWhat, Goal aGoal, const Check& aUntil = nullptr)
    {
        return Add("walk to " + aWhat,
                   [aWhat, aGoal, aUntil](Playthrough& aPlay)
                   {
                       if (aUntil && aUntil(aPlay))
                       {
                           return true;
                       }
                       const bool arrived = aPlay.WalkTo(aWhat, [&aPlay, &aGoal](const V& aHeroine)
                                                         { return aGoal(aPlay, aHeroine); });
                       return arrived && !aUntil;
                   });
    }
    Route& WalkToItem(const std::string& aName) { return Walk(aName, AtItem(aName)); }
    // Walks through a way out into the scene it leads to.
    Route& Leave(const std::string& aZone, const std::string& aScene)
    {
        return Walk(aZone, InZone(aZone),
                    [aScene](const Playthrough& aPlay) { return aPlay.Scene() == aScene; });
    }
    // Names what the steps that follow are for, in the report of a failure.
    Route& Begin(const std::string& aTask)
    {
        return Add("begin " + aTask,
                   [aTask](Playthrough& aPlay)
                   {
                       aPlay.SetTask(aTask);
                       return true;
                   });
    }
    Route& Press(uint8_t aKey)
    {
        auto pressed = std::make_shared<bool>(false);
        return Add("press a key",
                   [aKey, pressed](Playthrough& aPlay)
                   {
                       if (!*pressed)
                       {
                           aPlay.Tap(aKey);
                           *pressed = true;
                           return false;
                       }
                       return !aPlay.IsBusy();
                   });
    }
    // E, then every conversation named has to be shown (they are read as they come).
    Route& Use(std::initializer_list<std::string> aConversations = {})
    {
        Press(ourKeyE);
        for (const std::string& conversation : aConversations)
        {
            Expect(conversation);
        }
        return *this;
    }
    // aConversation must be shown once more than it has been so far.
    Route& Expect(const std::string& aConversation)
    {
        myExpected.insert(aConversation);
        const int shown = myPlay.ShownCount(aConversation);
        return Until(
            "\"" + aConversation + "\" is shown",
            [aConversation, shown](const Playthrough& aPlay)
            { return aPlay.ShownCount(aConversation) > shown; },
            ourExpectFrames);
    }
    // aConversation must have been shown by the end.
    Route& ExpectLater(const std::string& aConversation)
    {
        myExpected.insert(aConversation);
        return *this;
    }
    Route& Until(const std::string& aWhat, const Check& aCondition, int aBudget = 60000)
    {
        return Add(
            aWhat, [aCondition](Playthrough& aPlay) { return aCondition(aPlay); }, aBudget);
    }
    // A few frames later, so the frame drawn last shows it; with aReady, once that holds.
    Route& Milestone(const std::string& aName, const Check& aReady = nullptr)
    {
        auto frames = std::make_shared<int>(0);
        return Add("milestone " + aName,
                   [aName, aReady, frames](Playthrough& aPlay)
                   {
                       if (aReady && !aReady(aPlay))
                       {
                           return false;
                       }
                       if (++*frames < 4)
                       {
                           return false;
                       }
                       aPlay.Milestone(aName);
                       return true;
                   });
    }
    // Opens the inventory or the notepad (aKey) and closes it again.
    Route& Peek(uint8_t aKey) { return Press(aKey).Press(aKey); }
    // Opens the inventory, drags every ingredient into the slots, presses the combine button,
    // checks that the combination worked and closes the inventory again.
    Route& Combine(const std::vector<std::string>& aIngredients);

private:
    Route& Add(const std::string& aLabel, std::function<bool(Playthrough&)> aAdvance,
               int aBudget = 60000)
    {
        mySteps.push_back(RouteStep{aLabel, std::move(aAdvance), aBudget});
        return *this;
    }

    std::vector<RouteStep>& mySteps;
    std::set<std::string>& myExpected;
    const Playthrough& myPlay;
};

Route& Route::Combine(const std::vector<std::string>& aIngredients)
{
    struct State
    {
        int phase = 0;
        size_t next = 0;
    };
    auto state = std::make_shared<State>();
    std::string label = "combine";
    for (const std::string& name : aIngredients)
    {
        label += " " + name;
    }
    return Add(label,
               [aIngredients, state, label](Playthrough& aPlay)
               {
                   if (aPlay.IsBusy())
                   {
                       return false;
                   }
                   const Inventory& inventory = aPlay.GetGame().GetInventory();
                   switch (state->phase)
                   {
                       case 0:
                           aPlay.Tap(ourKeyI);
                           state->phase = 1;
                           return false;
                       case 1:
                           if (!inventory.IsOpen())
                           {
                               aPlay.Fail("the inventory did not open");
                           }
                           else if (state->next < aIngredients.size())
                           {
                               const std::vector<Item>& held = inventory.GetItems();
                               const std::string& name = aIngredients[state->next++];
                               size_t cell = 0;
                               while (cell < held.size() && held[cell].GetName() != name)
                               {
                                   ++cell;
                               }
                               if (cell == held.size() || cell >= 15)
                               {
                                   aPlay.Fail(name + " is not in the inventory's grid");
                                   return false;
                               }
                               aPlay.ClickAt(layout::HeldCell(static_cast<int>(cell)) + V(40, 40));
                               // Let go over the panel's empty corner: into the slots.
                               aPlay.ClickAt(layout::Panel() + V(20, 20));
                           }
                           else
                           {
                               aPlay.ClickAt(layout::Button() + V(34, 24));
                               state->phase = 2;
                           }
                           return false;
                       case 2:
                           if (!inventory.LastCombineSucceeded())
                           {
                               aPlay.Fail(label + " failed");
                               return false;
                           }
                           if (inventory.IsOpen())
                           {
                               aPlay.Tap(ourKeyI);
                           }
                           state->phase = 3;
                           return false;
                       default:
                           return !inventory.IsOpen();
                   }
               });
}
}  // namespace

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

namespace
{
// The place she is in.
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
}  // namespace

namespace
{
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

using Ready = std::function<bool(const World&)>;
using Act = std::function<void(Route&, const World&)>;

Ready Always()
{
    return [](const World&) { return true; };
}

// A find lying in aScene: walk to it, take it, and its remark.
Task PickUp(Place aPlace, const char* aScene, const char* aItem, const char* aRemark)
{
    return Task{std::string("take ") + aItem, aPlace,
                [aScene, aItem](const World& aWorld)
                { return aWorld.RobotOn() && aWorld.Lies(aScene, aItem); },
                Always(),
                [aItem, aRemark](Route& aRoute, const World&)
                { aRoute.WalkToItem(aItem).Use({aRemark}); }};
}

// A recipe, made wherever she is once all its ingredients are carried.
Task Make(const char* aProduct, const std::vector<std::string>& aIngredients,
          const Act& aAfter = nullptr)
{
    return Task{std::string("make ") + aProduct, Place::Anywhere,
                [aIngredients](const World& aWorld)
                {
                    return aWorld.RobotOn() && std::all_of(aIngredients.begin(), aIngredients.end(),
                                                           [&aWorld](const std::string& aItem)
                                                           { return aWorld.Holds(aItem); });
                },
                Always(),
                [aIngredients, aAfter](Route& aRoute, const World& aWorld)
                {
                    aRoute.Combine(aIngredients);
                    if (aAfter)
                    {
                        aAfter(aRoute, aWorld);
                    }
                }};
}

// A press at something of the scene reached by aGoal, with the talks it brings.
Act UseAt(const std::string& aWhat, const Goal& aGoal,
          const std::function<std::vector<std::string>(const World&)>& aTalks)
{
    return [aWhat, aGoal, aTalks](Route& aRoute, const World& aWorld)
    {
        aRoute.Walk(aWhat, Pressing(aGoal)).Press(ourKeyE);
        for (const std::string& talk : aTalks(aWorld))
        {
            aRoute.Expect(talk);
        }
    };
}

Goal AtEngine()
{
    return [](const Playthrough& aPlay, const V& aHeroine)
    { return SceneOf<TimeMachine>(aPlay, "TimeMachine").GetEngineSpot().Reaches(aHeroine); };
}

Goal AtTree()
{
    return [](const Playthrough& aPlay, const V& aHeroine)
    { return SceneOf<JungleCrashSite>(aPlay, "JungleCrashSite").GetTree().Reaches(aHeroine); };
}

Goal AtWoman()
{
    return [](const Playthrough& aPlay, const V& aHeroine)
    { return SceneOf<Village>(aPlay, "Village").GetWoman().Reaches(aHeroine); };
}

std::vector<Task> CrashSiteAndMachine()
{
    using W = const World&;
    return {
        Task{"examine the engine", Place::TimeMachine,
             [](W aWorld) { return !aWorld.Played("engine examined"); }, Always(),
             UseAt("the engine", AtEngine(),
                   [](W) { return std::vector<std::string>{"engine examined"}; })},
        Task{"fit a part", Place::TimeMachine,
             [](W aWorld) { return aWorld.Played("engine examined") && aWorld.CarriesPart(); },
             Always(),
             [](Route& aRoute, W aWorld)
             {
                 aRoute.Walk("the engine", Pressing(AtEngine())).Press(ourKeyE);
                 for (const EnginePart& part : ourEngineParts)
                 {
                     if (aWorld.Holds(part.itemName) && !aWorld.Fitted(part.itemName))
                     {
                         aRoute.Expect(part.fittedRemark);
                         break;
                     }
                 }
                 if (aWorld.FittedCount() == 3)
                 {
                     aRoute.Expect("maching fixed").Milestone("the machine fixed");
                 }
             }},
        Task{"the engine with nothing to fit", Place::TimeMachine,
             [](W aWorld) { return aWorld.Played("engine examined") && !aWorld.CarriesPart(); },
             [](W) { return false; },
             UseAt("the engine", AtEngine(),
                   [](W) { return std::vector<std::string>{"nothing to fit"}; })},
        Task{"the belt before Roderick", Place::TimeMachine,
             [](W aWorld) { return !aWorld.RobotOn(); }, [](W) { return false; },
             [](Route& aRoute, W) { aRoute.WalkToItem("engine belt").Use({"Roderick is off"}); }},
        Task{"the hatch before Roderick", Place::WestBank,
             [](W aWorld) { return !aWorld.RobotOn(); }, [](W) { return false; },
             [](Route& aRoute, W) { aRoute.Press(ourKeyI).Expect("Roderick is off"); }},
        Task{"the way south before Roderick", Place::WestBank,
             [](W aWorld) { return !aWorld.RobotOn(); }, [](W) { return false; },
             [](Route& aRoute, W aWorld)
             {
                 const int told = aWorld.play.ShownCount("You can't go there");
                 aRoute
                     .Walk("the way south", InZone("DeepJungleTransfer"),
                           [told](const Playthrough& aPlay)
                           { return aPlay.ShownCount("You can't go there") > told; })
                     .Expect("You can't go there");
             }},
        Task{"switch Roderick on", Place::WestBank, [](W aWorld) { return !aWorld.RobotOn(); },
             Always(),
             [](Route& aRoute, W aWorld)
             {
                 aRoute.Walk(
                     "Roderick", [](const Playthrough& aPlay, const V& aHeroine)
                     { return aPlay.GetGame().GetCurrentLevel().GetRobot().Reaches(aHeroine); });
                 if (!aWorld.Played("Activate Roderick"))
                 {
                     aRoute.Expect("Activate Roderick");
                 }
                 aRoute.Use({"After Roderick activated"}).Milestone("Roderick switched on");
             }},
        PickUp(Place::WestBank, "JungleCrashSite", "flintstone2", "Spott flint stone"),
        PickUp(Place::WestBank, "JungleCrashSite", "flintstone1", "Put flint stone in Roderick"),
        PickUp(Place::WestBank, "JungleCrashSite", "sharpFlintstone", "sharpFlintstone"),
        PickUp(Place::WestBank, "JungleCrashSite", "stick", "That's a branch stupid"),
        Task{"take the belt", Place::TimeMachine,
             [](W aWorld) { return aWorld.RobotOn() && aWorld.Lies("TimeMachine", "engine belt"); },
             Always(),
             [](Route& aRoute, W) { aRoute.WalkToItem("engine belt").Use({"belt found"}); }},
        Task{"the big tree", Place::WestBank,
             [](W aWorld) { return aWorld.RobotOn() && !aWorld.Played("before axe with tree"); },
             Always(),
             UseAt("the big tree", AtTree(),
                   [](W aWorld)
                   {
                       std::vector<std::string> talks = {"before axe with tree"};
                       if (aWorld.Holds("axe"))
                       {
                           talks.insert(talks.end(), {"with axe with tree intermediation",
                                                      "after axe with tree"});
                       }
                       return talks;
                   })},
        Task{"chop the tree", Place::WestBank,
             [](W aWorld) {
                 return aWorld.Played("before axe with tree") && aWorld.Holds("axe") &&
                        !aWorld.Chopped();
             },
             Always(),
             UseAt("the big tree", AtTree(),
                   [](W) {
                       return std::vector<std::string>{"with axe with tree intermediation",
                                                       "after axe with tree"};
                   })},
        Task{"the tree without the axe", Place::WestBank,
             [](W aWorld) {
                 return aWorld.Played("before axe with tree") && !aWorld.Holds("axe") &&
                        !aWorld.Chopped();
             },
             [](W) { return false; },
             UseAt("the big tree", AtTree(),
                   [](W) { return std::vector<std::string>{"tree needs an axe"}; })},
        Make("the axe", {"sharpFlintstone", "wire", "stick"},
             [](Route& aRoute, W) { aRoute.Milestone("the axe"); }),
        Make("the raft", {"logs", "Rope"},
             // Told at the crash site, whenever she is next there.
             [](Route& aRoute, W) { aRoute.ExpectLater("have raft"); }),
        Make("the mended belt", {"refined rubber", "engine belt"},
             [](Route& aRoute, W) { aRoute.Milestone("the mended belt"); }),
    };
}
}  // namespace

namespace
{
std::vector<Task> JungleAndCave()
{
    using W = const World&;
    const auto atRock = [](const Playthrough& aPlay, const V& aHeroine)
    { return SceneOf<Cave>(aPlay, "Cave").GetStone().Reaches(aHeroine); };
    return {
        PickUp(Place::DeepJungle, "DeepJungle", "coconut", "palm"),
        PickUp(Place::DeepJungle, "DeepJungle", "log", "log"),
        PickUp(Place::DeepJungle, "DeepJungle", "dried leaves", "dry leafs"),
        Task{"the rubber tree", Place::DeepJungle,
             [](W aWorld) { return aWorld.Lies("DeepJungle", "rubber tree"); },
             [](W aWorld) {
                 return !aWorld.Played("rubber") ||
                        (aWorld.Holds("axe") && aWorld.Holds("coconut half 1"));
             },
             [](Route& aRoute, W aWorld)
             {
                 aRoute.WalkToItem("rubber tree").Press(ourKeyE);
                 const bool ready = aWorld.Holds("axe") && aWorld.Holds("coconut half 1");
                 if (!aWorld.Played("rubber"))
                 {
                     aRoute.Expect("rubber");
                 }
                 aRoute.Expect(ready                      ? "tapped"
                               : !aWorld.Played("rubber") ? "rubber"
                               : aWorld.Holds("axe")      ? "no shell"
                                                          : "no axe");
             }},
        Make("the coconut halves", {"axe", "coconut"}),
        Make("fire", {"dried leaves", "flintstone1", "flintstone2"}),
        Make("charcoal", {"fire", "log"}),
        Make("the rubber string", {"rubber", "wire"}),
        Make("gunpowder", {"Sulphur", "Guano", "charcoal"}),
        PickUp(Place::Cave, "Cave", "Sulphur", "Picked up sulphur"),
        Task{"the guano", Place::Cave, [](W aWorld) { return aWorld.Lies("Cave", "Guano"); },
             [](W aWorld) { return aWorld.Holds("coconut half 2"); },
             [](Route& aRoute, W aWorld)
             {
                 aRoute.WalkToItem("Guano").Use(
                     {aWorld.Holds("coconut half 2") ? "Picked up guano" : "guano eww"});
             }},
        Task{"the magnetic rock", Place::Cave,
             [](W aWorld) { return !aWorld.Blown() && !aWorld.Played("Close to rock"); }, Always(),
             [atRock](Route& aRoute, W)
             { aRoute.Walk("the magnetic rock", atRock).Expect("Close to rock"); }},
        Task{"blow the rock out", Place::Cave,
             [](W aWorld) { return aWorld.Holds("gunpowder") && aWorld.Played("Close to rock"); },
             Always(),
             [](Route& aRoute, W)
             {
                 aRoute.Use({"bye bye cave"})
                     .Until("back in the deep jungle",
                            [](const Playthrough& aPlay) { return aPlay.Scene() == "DeepJungle"; })
                     .Expect("explosion escapeist")
                     .Milestone("the magnetic rock");
             }},
        Task{"the ruins", Place::Cave,
             [](W aWorld) { return aWorld.Blown() && !aWorld.Played("blown apart"); }, Always(),
             [](Route& aRoute, W) { aRoute.Expect("blown apart").Milestone("the blown-up cave"); }},
    };
}

std::vector<Task> VillageAndVolcano()
{
    using W = const World&;
    const auto villager = [](const char* aName, const char* aTalk, const Goal& aGoal)
    {
        return Task{std::string("speak to the ") + aName, Place::Village, [](W) { return true; },
                    [](W) { return false; },
                    UseAt(std::string("the ") + aName, aGoal,
                          [aTalk](W) { return std::vector<std::string>{aTalk}; })};
    };
    const auto atVillager = [](float aX, float aY)
    {
        return [aX, aY](const Playthrough&, const V& aHeroine)
        { return std::fabs(aHeroine.x - aX) < 120 && std::fabs(aHeroine.y - aY) < 120; };
    };
    return {
        PickUp(Place::Village, "Village", "Rope", "rope"),
        Task{"speak to Nissa", Place::Village,
             [](W aWorld) { return !aWorld.Played("The main quest1"); }, Always(),
             UseAt("Nissa", AtWoman(),
                   [](W aWorld)
                   {
                       std::vector<std::string> talks = {"The main quest1", "The main quest2",
                                                         "The main quest3", "The main quest4",
                                                         "The main quest5"};
                       if (aWorld.DiamondFound())
                       {
                           talks.insert(talks.end(), {"Call me Ester", "Call me Ester2"});
                       }
                       return talks;
                   })},
        Task{"bring Nissa the news of the diamond", Place::Village,
             [](W aWorld)
             {
                 return aWorld.Played("The main quest5") && aWorld.DiamondFound() &&
                        !aWorld.Played("Call me Ester");
             },
             Always(),
             [](Route& aRoute, W)
             {
                 aRoute.Walk("Nissa", Pressing(AtWoman()))
                     .Expect("Call me Ester")
                     .Expect("Call me Ester2")
                     .Milestone("the gold necklace");
             }},
        Task{"speak to Nissa again", Place::Village,
             [](W aWorld) { return aWorld.Played("The main quest5"); }, [](W) { return false; },
             UseAt("Nissa", AtWoman(), [](W) { return std::vector<std::string>{"Nissa again"}; })},
        villager("boy", "village boy", atVillager(142, 791)),
        villager("native", "village native", atVillager(1829, 962)),
        Task{"the banana tree", Place::VolcanoGround,
             [](W aWorld) { return aWorld.Lies("Vulcano", "banana tree"); }, Always(),
             [](Route& aRoute, W) { aRoute.WalkToItem("banana tree").Use({"Banana Tree"}); }},
        Task{"the hot rock", Place::VolcanoGround,
             [](W aWorld) { return aWorld.Lies("Vulcano", "vulcanization"); },
             [](W aWorld) { return aWorld.Holds("rubber string"); },
             [](Route& aRoute, W aWorld)
             {
                 const bool cure = aWorld.Holds("rubber string");
                 aRoute.WalkToItem("vulcanization")
                     .Use({cure ? "Vulcanization success" : "Vulcanization failed"});
                 if (cure)
                 {
                     aRoute.Milestone("the refined rubber");
                 }
             }},
        Task{"fly in the bird suit", Place::VolcanoGround,
             [](W aWorld)
             {
                 return aWorld.Played("A bird") && aWorld.Holds("banana") &&
                        aWorld.Holds("banana tree leaf 1") && aWorld.Holds("banana tree leaf 2");
             },
             Always(),
             [](Route& aRoute, W)
             {
                 aRoute.Combine({"banana", "banana tree leaf 1", "banana tree leaf 2"})
                     .Expect("The bird suit")
                     .Milestone("the flight",
                                [](const Playthrough& aPlay) {
                                    return SceneOf<Vulcano>(aPlay, "Vulcano")
                                               .GetOverlayPair()
                                               .GetPictureAlpha() == 255;
                                })
                     .Expect("Landing")
                     .Milestone("on the ledge");
             }},
        Task{"land on the ledge", Place::VolcanoLedge,
             [](W aWorld) { return aWorld.Played("The bird suit") && !aWorld.Played("Landing"); },
             Always(), [](Route& aRoute, W) { aRoute.Expect("Landing"); }},
        Task{"take the diamond", Place::VolcanoLedge,
             [](W aWorld) { return aWorld.Played("Landing") && aWorld.Lies("Vulcano", "Diamond"); },
             Always(), [](Route& aRoute, W) { aRoute.WalkToItem("Diamond").Use({"Diamond"}); }},
        Task{"speak to the children", Place::VolcanoLedge,
             [](W aWorld)
             { return aWorld.Played("Landing") && aWorld.Lies("Vulcano", "children"); },
             [](W aWorld) { return !aWorld.Played("Saving children") || aWorld.StairsBuilt(); },
             [](Route& aRoute, W aWorld)
             {
                 aRoute.WalkToItem("children").Press(ourKeyE);
                 if (!aWorld.Played("Saving children"))
                 {
                     aRoute.Expect("Saving children");
                 }
                 if (aWorld.StairsBuilt())
                 {
                     aRoute.Expect("complete children").Milestone("the children saved");
                 }
                 else if (aWorld.Played("Saving children"))
                 {
                     aRoute.Expect("children no exit");
                 }
             }},
        Task{"build the stairs", Place::VolcanoLedge,
             [](W aWorld) { return aWorld.Played("Landing") && !aWorld.StairsBuilt(); }, Always(),
             [](Route& aRoute, W)
             {
                 aRoute.WalkToItem("stair kit")
                     .Use({"building stairs"})
                     .Until("at the foot of the stairs", [](const Playthrough& aPlay)
                            { return aPlay.Heroine() == ourStairsFoot; })
                     .Milestone("the stairs");
             }},
        Task{"home", Place::TimeMachine, [](W aWorld) { return aWorld.Played("maching fixed"); },
             Always(),
             [](Route& aRoute, W)
             {
                 aRoute
                     .Walk("the launch place", [](const Playthrough&, const V& aHeroine)
                           { return aHeroine.x >= 310.0f && aHeroine.y >= 770.0f; })
                     .Expect("home trip")
                     .Until("the end picture", [](const Playthrough& aPlay)
                            { return aPlay.GetGame().GetBillboard().IsShown(); })
                     .Milestone("the end")
                     .Press(ourKeyReturn);
             }},
    };
}

// A look elsewhere, or into the inventory or the notepad: no step of the story.
std::vector<Task> Detours()
{
    using W = const World&;
    std::vector<Task> detours;
    for (Place place : {Place::TimeMachine, Place::WestBank, Place::DeepJungle, Place::Village,
                        Place::VolcanoGround})
    {
        detours.push_back(
            Task{"a walk", place, Always(), [](W) { return false; }, [](Route&, W) {}});
    }
    detours.push_back(Task{"a look at the notepad", Place::Anywhere, Always(),
                           [](W) { return false; },
                           [](Route& aRoute, W) { aRoute.Peek(ourKeyN); }});
    detours.push_back(Task{"a look into the hatch", Place::Anywhere,
                           [](W aWorld) { return aWorld.RobotOn(); }, [](W) { return false; },
                           [](Route& aRoute, W) { aRoute.Peek(ourKeyI); }});
    return detours;
}
}  // namespace

StoryPlanner::StoryPlanner(uint32_t aSeed, bool aInstallAsFound)
    : myRandom(aSeed), myInstallAsFound(aInstallAsFound)
{
    for (auto* group : {&CrashSiteAndMachine, &JungleAndCave, &VillageAndVolcano, &Detours})
    {
        for (Task& task : group())
        {
            myTasks.push_back(std::make_unique<Task>(std::move(task)));
        }
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
    std::vector<const Way*> way;
    for (const std::unique_ptr<Task>& task : myTasks)
    {
        const bool reachable =
            task->place == Place::Anywhere || FindWay(world, here, task->place, way);
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
        FindWay(world, here, chosen->place, way);
        for (const Way* step : way)
        {
            step->take(route, world);
        }
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
