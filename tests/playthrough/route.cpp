#include "route.h"

#include <sstream>

#include "cave.h"
#include "inventorylayout.h"
#include "junglecrashsite.h"
#include "timemachine.h"
#include "village.h"
#include "vulcano.h"

namespace
{
using Goal = std::function<bool(const Playthrough&, const V&)>;
namespace layout = inventorylayout;

constexpr uint8_t ourKeyE = 0x12;
constexpr uint8_t ourKeyI = 0x17;
constexpr uint8_t ourKeyReturn = 0x1C;

template <typename Scene>
const Scene& SceneOf(const Playthrough& aPlay)
{
    return dynamic_cast<const Scene&>(aPlay.GetGame().GetCurrentLevel());
}

// In reach of the item aName of the scene (it must lie there).
Goal AtItem(const std::string& aName)
{
    return [aName](const Playthrough& aPlay, const V& aHeroine)
    {
        for (const Item& item : aPlay.GetGame().GetCurrentLevel().GetItems())
        {
            if (item.GetName() == aName)
            {
                return item.Reaches(aHeroine);
            }
        }
        return false;
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

class Route
{
public:
    std::vector<RouteStep> Take() { return std::move(mySteps); }

    // Walks to where aGoal holds; with aUntil, walks on towards it until aUntil holds (a way
    // out moves her on in the frame she steps into it).
    Route& Walk(const std::string& aWhat, Goal aGoal,
                const std::function<bool(const Playthrough&)>& aUntil = nullptr)
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
    // Presses E until the prologue has been skipped.
    Route& SkipPrologue()
    {
        return Add("skip the prologue",
                   [](Playthrough& aPlay)
                   {
                       if (aPlay.GetGame().GetStartScreen().IsStarted())
                       {
                           return true;
                       }
                       if (!aPlay.IsBusy())
                       {
                           aPlay.Tap(ourKeyE);
                       }
                       return false;
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
    // E, then every conversation named has to play (they are read as they come).
    Route& Use(std::initializer_list<const char*> aConversations = {})
    {
        Press(ourKeyE);
        for (const char* conversation : aConversations)
        {
            Expect(conversation);
        }
        return *this;
    }
    Route& Expect(const std::string& aConversation)
    {
        return Until("\"" + aConversation + "\" has played",
                     [aConversation](const Playthrough& aPlay)
                     { return aPlay.Played(aConversation); });
    }
    Route& Until(const std::string& aWhat,
                 const std::function<bool(const Playthrough&)>& aCondition)
    {
        return Add(aWhat, [aCondition](Playthrough& aPlay) { return aCondition(aPlay); });
    }
    Route& Holding(const std::string& aItem)
    {
        return Until("carry " + aItem,
                     [aItem](const Playthrough& aPlay) { return aPlay.Holds(aItem); });
    }
    // A few frames later, so the frame drawn last shows it; with aReady, once that holds.
    Route& Milestone(const std::string& aName,
                     const std::function<bool(const Playthrough&)>& aReady = nullptr)
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
    // Opens the inventory, drags every ingredient into the slots, presses the combine button,
    // checks that the combination worked and closes the inventory again.
    Route& Combine(const std::vector<std::string>& aIngredients)
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
                                   const std::string& name = aIngredients[state->next++];
                                   const int cell = inventory.FindCell(name);
                                   if (cell == HeldGrid::ourNoCell)
                                   {
                                       aPlay.Fail(name + " is not in the inventory's grid");
                                       return false;
                                   }
                                   aPlay.ClickAt(layout::HeldCell(cell) + V(40, 40));
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

private:
    Route& Add(const std::string& aLabel, std::function<bool(Playthrough&)> aAdvance)
    {
        mySteps.push_back(RouteStep{aLabel, std::move(aAdvance)});
        return *this;
    }

    std::vector<RouteStep> mySteps;
};

void TitleAndTimeMachine(Route& aRoute)
{
    aRoute.Milestone("title")
        .Press(ourKeyReturn)
        .Milestone("prologue")
        .SkipPrologue()
        .Expect("wake ester")
        .Expect("ester woken")
        .Milestone("awake in the time machine")
        .Walk("the engine", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<TimeMachine>(aPlay).GetEngineSpot().Reaches(aHeroine); })
        .Use({"engine examined"})
        .Leave("JungleCrashTransferFromTimeMachine", "JungleCrashSite")
        .Milestone("the crash site");
}

void CrashSiteFirstVisit(Route& aRoute)
{
    // Before Roderick is on, the way south is refused.
    aRoute
        .Walk("the way south", InZone("DeepJungleTransfer"),
              [](const Playthrough& aPlay) { return aPlay.Played("You can't go there"); })
        .Walk("Roderick", [](const Playthrough& aPlay, const V& aHeroine)
              { return aPlay.GetGame().GetCurrentLevel().GetRobot().Reaches(aHeroine); })
        .Expect("Activate Roderick")
        .Use({"After Roderick activated"})
        .Milestone("Roderick switched on")
        .WalkToItem("flintstone2")
        .Use({"Spott flint stone"})
        .WalkToItem("flintstone1")
        .Use({"Put flint stone in Roderick"})
        .WalkToItem("sharpFlintstone")
        .Use({"sharpFlintstone"})
        .WalkToItem("stick")
        .Use({"That's a branch stupid"})
        .Walk("the big tree", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<JungleCrashSite>(aPlay).GetTree().Reaches(aHeroine); })
        .Use({"before axe with tree"})
        .Leave("DeepJungleTransfer", "DeepJungle")
        .Milestone("the deep jungle");
}

void DeepJungleAndCave(Route& aRoute)
{
    aRoute.WalkToItem("coconut")
        .Use({"palm"})
        .WalkToItem("log")
        .Use({"log"})
        .WalkToItem("dried leaves")
        .Use({"dry leafs"})
        .WalkToItem("rubber tree")
        .Use({"rubber"})
        .Use({"no axe"})
        .Combine({"sharpFlintstone", "wire", "stick"})
        .Holding("axe")
        .Milestone("the axe")
        .Use({"no shell"})
        .Combine({"axe", "coconut"})
        .Use({"tapped"})
        .Holding("rubber")
        .Combine({"dried leaves", "flintstone1", "flintstone2"})
        .Combine({"fire", "log"})
        .Holding("charcoal")
        .Leave("CaveFromDeepJungle", "Cave")
        .Expect("Entering")
        .Milestone("the cave")
        .WalkToItem("Sulphur")
        .Use({"Picked up sulphur"})
        .WalkToItem("Guano")
        .Use({"guano eww"})
        .Use({"Picked up guano"})
        .Use()
        .Holding("Guano")
        .Walk("the magnetic rock", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<Cave>(aPlay).GetStone().Reaches(aHeroine); })
        .Expect("Close to rock")
        .Combine({"Sulphur", "Guano", "charcoal"})
        .Holding("gunpowder")
        .Use({"bye bye cave"})
        .Until("back in the deep jungle",
               [](const Playthrough& aPlay) { return aPlay.Scene() == "DeepJungle"; })
        .Expect("explosion escapeist")
        .Holding("MagneticRock")
        .Milestone("the magnetic rock")
        .Leave("CaveFromDeepJungle", "BlownUpCave")
        .Expect("blown apart")
        .Milestone("the blown-up cave")
        .Leave("DeepJungleFromBlownUpCave", "DeepJungle")
        .Leave("JungleCrashTransfer", "JungleCrashSite");
}

void LogsRopeAndRaft(Route& aRoute)
{
    aRoute
        .Walk("the big tree", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<JungleCrashSite>(aPlay).GetTree().Reaches(aHeroine); })
        .Use({"with axe with tree intermediation", "after axe with tree"})
        .Holding("logs")
        .Milestone("the logs")
        .Leave("VillageTransferFromJungleCrash", "Village")
        .Milestone("the village")
        .WalkToItem("Rope")
        .Use({"rope"})
        .Walk("the village woman", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<Village>(aPlay).GetWoman().Reaches(aHeroine); })
        .Use({"The main quest1", "The main quest2", "The main quest3", "The main quest4",
              "The main quest5"})
        .Leave("JungleCrashTransferFromVillage", "JungleCrashSite")
        .Combine({"logs", "Rope"})
        .Expect("have raft")
        .Milestone("the raft")
        .Walk("the raft", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<JungleCrashSite>(aPlay).GetRaft().Reaches(aHeroine); })
        .Use()
        .Until("across the river",
               [](const Playthrough& aPlay) { return aPlay.Heroine().x > 1097.0f; })
        .Milestone("across the river", [](const Playthrough& aPlay)
                   { return SceneOf<JungleCrashSite>(aPlay).GetCurtain().GetAlpha() == 0; });
}

void Volcano(Route& aRoute)
{
    aRoute.Leave("VolcanoTransferFromJungleCrash", "Vulcano")
        .Expect("A bird")
        .Milestone("the volcano")
        .WalkToItem("banana tree")
        .Use({"Banana Tree"})
        .WalkToItem("vulcanization")
        .Use({"Vulcanization failed"})
        .Combine({"rubber", "wire"})
        .Use({"Vulcanization success"})
        .Holding("refined rubber")
        .Milestone("the refined rubber")
        .Combine({"banana", "banana tree leaf 1", "banana tree leaf 2"})
        .Expect("The bird suit")
        .Milestone("the flight", [](const Playthrough& aPlay)
                   { return SceneOf<Vulcano>(aPlay).GetOverlayPair().GetPictureAlpha() == 255; })
        .Expect("Landing")
        .Milestone("on the ledge")
        .Use({"Diamond"})
        .Holding("Diamond")
        .WalkToItem("children")
        .Use({"Saving children", "children no exit"})
        .WalkToItem("stair kit")
        .Use({"building stairs"})
        .Until("at the foot of the stairs",
               [](const Playthrough& aPlay) { return aPlay.Heroine() == V(428, 689); })
        .Milestone("the stairs", [](const Playthrough& aPlay)
                   { return SceneOf<Vulcano>(aPlay).GetCurtain().GetAlpha() == 0; })
        .WalkToItem("stair up")
        .Use()
        .Until("at the top of the stairs",
               [](const Playthrough& aPlay) { return aPlay.Heroine() == V(775, 353); })
        .WalkToItem("children")
        .Use({"complete children"})
        .Milestone("the children saved")
        .WalkToItem("stair kit")
        .Use()
        .Until("at the foot of the stairs",
               [](const Playthrough& aPlay) { return aPlay.Heroine() == V(428, 689); })
        .Leave("JungleCrashTransferFromVolcano", "JungleCrashSite")
        .Walk("the raft", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<JungleCrashSite>(aPlay).GetRaft().Reaches(aHeroine); })
        .Use()
        .Until("back across the river",
               [](const Playthrough& aPlay) { return aPlay.Heroine().x < 1097.0f; });
}

void HomeTrip(Route& aRoute)
{
    aRoute.Leave("VillageTransferFromJungleCrash", "Village")
        .Walk("the village woman", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<Village>(aPlay).GetWoman().Reaches(aHeroine); })
        .Use({"Call me Ester", "Call me Ester2"})
        .Holding("gold necklace")
        .Milestone("the gold necklace")
        .Leave("JungleCrashTransferFromVillage", "JungleCrashSite")
        .Leave("TimeMachineLevel", "TimeMachine")
        .WalkToItem("engine belt")
        .Use({"belt found"})
        .Combine({"refined rubber", "engine belt"})
        .Holding("combined rubber")
        .Milestone("the whole belt")
        .Walk("the engine", [](const Playthrough& aPlay, const V& aHeroine)
              { return SceneOf<TimeMachine>(aPlay).GetEngineSpot().Reaches(aHeroine); })
        .Use({"maching fixed"})
        .Milestone("the machine fixed")
        .Walk("the launch place", [](const Playthrough&, const V& aHeroine)
              { return aHeroine.x >= 310.0f && aHeroine.y >= 770.0f; })
        .Expect("home trip")
        .Until("the end picture",
               [](const Playthrough& aPlay) { return aPlay.GetGame().GetBillboard().IsShown(); })
        .Milestone("the end")
        .Press(ourKeyReturn);
}
}  // namespace

std::vector<RouteStep> StoryRoute()
{
    Route route;
    TitleAndTimeMachine(route);
    CrashSiteFirstVisit(route);
    DeepJungleAndCave(route);
    LogsRopeAndRaft(route);
    Volcano(route);
    HomeTrip(route);
    return route.Take();
}

std::set<std::string> TourConversations()
{
    return {"ester woken",   "You can't go there", "Activate Roderick", "before axe with tree",
            "no shell",      "Close to rock",      "The main quest4",   "A bird",
            "The bird suit", "Saving children",    "Call me Ester",     "home trip"};
}
