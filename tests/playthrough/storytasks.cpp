#include "storytasks.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

#include "village.h"

namespace
{
const V ourStairsFoot(428, 689);

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
             [](Route& aRoute, W) {
                 aRoute.WalkToItem("banana tree").Use({"Banana Tree"}).Milestone("the banana tree");
             }},
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

std::vector<Task> StoryTasks()
{
    std::vector<Task> tasks;
    for (auto* group : {&CrashSiteAndMachine, &JungleAndCave, &VillageAndVolcano, &Detours})
    {
        for (Task& task : group())
        {
            tasks.push_back(std::move(task));
        }
    }
    return tasks;
}
