#include "village.h"

#include <algorithm>
#include <cmath>

#include "storypictures.h"

namespace
{
// The woman's request, one conversation after the other.
const char* const ourQuest[] = {"The main quest1", "The main quest2", "The main quest3",
                                "The main quest4", "The main quest5"};
}  // namespace

void Village::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_village.dds", "img/Levels/scene_village_overlay.dds",
              "img/Levels/collission_village.bmp");
    myWoman = interactables::VillageWoman(aHGE);
    myNative = interactables::VillageNative(aHGE);
    myBoy = interactables::VillageBoy(aHGE);
    myRescuedBoy = StaticSprite(aHGE, "img/NPCs/sprite_boy.dds");
    myRescuedGirl = StaticSprite(aHGE, "img/NPCs/sprite_girl.dds");
    PlaceItem("Rope", Vector2<float>(1000.0f, 600.0f));
    // An item only to be drawn: never in reach, never taken.
    PlaceItem("Sheep", Vector2<float>(1073.0f, 90.0f), false);
    myMusicName = "Village";
    CreateConversations();
}

void Village::CreateConversations()
{
    LoadConversations(
        "dialogue/village.txt",
        {ourQuest[0], ourQuest[1], ourQuest[2], ourQuest[3], ourQuest[4], "Call me Ester",
         "Call me Ester2", "rope", "Nissa again", "village boy", "village native", "shortcut H"});
}

void Village::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& aInventory)
{
    myLevelTime += aElapsed;
    // The request goes on by one conversation each time one ends.
    for (size_t i = 0; i + 1 < std::size(ourQuest); ++i)
    {
        if (IsPlayed(ourQuest[i]) && !IsPlayed(ourQuest[i + 1]))
        {
            myRequestedConversation = ourQuest[i + 1];
        }
    }
    if (aInventory.HasItem("Rope"))
    {
        RequestUnlessPlayed("rope");
    }
    // Once she has made her request, Nissa takes the stone as soon as Ester is by her with it,
    // in hand or already in the engine: all she wants is it off the mountain.
    const auto diamondWithEster = [&]
    {
        const StoryFacts facts = Facts(aInventory);
        return facts.Holds("Diamond") || facts.Fitted("Diamond");
    };
    if (IsPlayed(ourQuest[4]) && !IsPlayed("Call me Ester") && myWoman.IsInRange() &&
        myRequestedConversation.empty() && diamondWithEster())
    {
        myRequestedConversation = "Call me Ester";
        aInventory.AddItem(MakeItem("gold necklace"));
    }
    // Asked for only until it has played: asking for it afterwards would end every later talk
    // the moment it starts, such as the rope's when the rope is found after the necklace.
    if (IsPlayed("Call me Ester"))
    {
        RequestUnlessPlayed("Call me Ester2");
    }
    if (!myRequestedConversation.empty())
    {
        FindConversation(myRequestedConversation);
    }
}

void Village::HandleInput(InputWrapper& aInput, float /*aElapsed*/, Inventory& aInventory)
{
    if (UseKeyReleased(aInput))
    {
        myRobot.Activate();
    }
    // A shortcut past part of the story: the diamond, whenever none is carried.
    if (aInput.Released(Action::Diamond) && !IsConversationRunning() && !OverlayOpen())
    {
        myRequestedConversation = "shortcut H";
        if (!aInventory.HasItem("Diamond"))
        {
            aInventory.AddItem(MakeItem("Diamond", Vector2<float>(690.0f, 180.0f)));
        }
    }
    if (!PressFree())
    {
        return;
    }
    const Vector2<float> heroine = myPlayerPosition;
    const float woman =
        ReachDistance(myWoman.Reaches(heroine), myWoman.GetWorldPosition(), heroine);
    const float boy = ReachDistance(myBoy.Reaches(heroine), myBoy.GetWorldPosition(), heroine);
    const float native =
        ReachDistance(myNative.Reaches(heroine), myNative.GetWorldPosition(), heroine);
    if (std::isfinite(woman) && woman <= boy && woman <= native)
    {
        // Her request is told in one go; later she is glad to see Ester again.
        myRequestedConversation = IsPlayed(ourQuest[0]) ? "Nissa again" : ourQuest[0];
    }
    else if (std::isfinite(boy) && boy <= native)
    {
        myRequestedConversation = "village boy";
    }
    else if (std::isfinite(native))
    {
        myRequestedConversation = "village native";
    }
}

float Village::UseDistance(const Vector2<float>& aHeroine) const
{
    float nearest = std::numeric_limits<float>::infinity();
    for (const Interactable* villager : {&myWoman, &myNative, &myBoy})
    {
        nearest = std::min(nearest, ReachDistance(villager->Reaches(aHeroine),
                                                  villager->GetWorldPosition(), aHeroine));
    }
    return nearest;
}

void Village::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
    for (Interactable* villager : {&myWoman, &myNative, &myBoy})
    {
        villager->Update(aCamera, aPlayer.GetWorldPosition());
    }
}

void Village::RenderObjects(RenderData& aBuffer, const Camera& aCamera)
{
    myRobot.Submit(aBuffer);
    for (const Interactable* villager : {&myWoman, &myNative, &myBoy})
    {
        villager->Submit(aBuffer);
    }
    if (myChildrenHome)
    {
        SubmitInScene(aBuffer, myRescuedBoy, geometry::ourRescuedBoy.left,
                      geometry::ourRescuedBoy.top, aCamera);
        SubmitInScene(aBuffer, myRescuedGirl, geometry::ourRescuedGirl.left,
                      geometry::ourRescuedGirl.top, aCamera);
    }
}

void Village::RenderPrompts(RenderData& aBuffer) const
{
    LevelBaseData::RenderPrompts(aBuffer);
    for (const Interactable* villager : {&myWoman, &myNative, &myBoy})
    {
        villager->SubmitPrompt(aBuffer);
    }
}
