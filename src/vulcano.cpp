#include "vulcano.h"

#include "assertion.h"
#include "eventsingelton.h"
#include "storypictures.h"

namespace
{
constexpr int ourCloseSteps = 300;
constexpr float ourBirdFromMs = 2500.0f;
using V = Vector2<float>;
const V ourFlightLanding(690, 140);
const V ourSetDown(690, 240);
const V ourStairsFoot(428, 689);
const V ourStairsTop(775, 353);
}  // namespace

void Vulcano::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_volcano.dds", "img/Levels/scene_volcano_overlay.dds",
              "img/Levels/collission_volcano.bmp");
    myRobot.Activate();
    myCurtain.InitOpen(aHGE);
    myBird = StaticSprite(aHGE, "img/NPCs/sprite_ledge_bird.dds");
    myBuiltStairs = StaticSprite(aHGE, "img/Levels/volcano_stairs.dds");
    myOverlayPair = OverlayPair(aHGE);
    myPalmOverlay = MakeItem("palm overlay", V(624, 84), false);
    myPalmOverlay.Hide();
    PlaceItem("Diamond", V(690, 180));
    PlaceItem("banana tree sprite", V(153, 132));
    PlaceItem("banana tree", V(290, 455));
    PlaceItem("vulcanization", V(972, 415));
    PlaceItem("stair kit", V(750, 438));
    PlaceItem("children", V(617, 50));
    PlaceItem("stale boy", V(600, 53), false);
    PlaceItem("stale girl", V(635, 47), false);
    myMusicName = "Vulcano";
    CreateConversations();
}

void Vulcano::CreateConversations()
{
    LoadConversations("dialogue/volcano.txt",
                      {"A bird", "The bird suit", "Diamond", "Saving children", "children no exit",
                       "complete children", "Banana Tree", "Landing", "Vulcanization failed",
                       "Vulcanization success", "building stairs", "shortcut O"});
}

void Vulcano::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& aInventory)
{
    if (aInventory.HasItem("banana tree"))
    {
        UseBananaTree(aInventory);
    }
    myLevelTime += aElapsed;
    // The bird waits for a talk under way or asked for to end (the banana tree's may start
    // before 2.5 s); it is pointed out until she flies after it.
    if (ourBirdFromMs <= myLevelTime && !IsPlayed("The bird suit") &&
        !aInventory.HasItem("bird suit") && !IsConversationRunning() &&
        myRequestedConversation.empty())
    {
        RequestUnlessPlayed("A bird");
    }
    if (aInventory.HasItem("bird suit"))
    {
        aInventory.Close();
        myRequestedConversation = "The bird suit";
    }
    if (IsPlayed("The bird suit"))
    {
        if (aInventory.RemoveItem("bird suit"))
        {
            myFlying = true;
            myRobot.SetFollowing(false);
        }
        myOverlayPair.Update(aElapsed);
    }
    if (myOverlayPair.IsFinished())
    {
        RequestUnlessPlayed("Landing");
    }
    if (aInventory.HasItem("Diamond") && IsPlayed("Landing"))
    {
        RequestUnlessPlayed("Diamond");
    }
    if (IsPlayed("Diamond"))
    {
        myDiamondDone = true;
    }
    // Up on the ledge, the children can be spoken to.
    if (IsPlayed("Landing"))
    {
        myChildrenReachable = true;
    }
    if (aInventory.HasItem("vulcanization"))
    {
        UseVulcanization(aInventory);
    }
    if (aInventory.HasItem("stair kit"))
    {
        UseStairKit(aInventory);
    }
    if (aInventory.HasItem("stair up"))
    {
        PutBack(aInventory, "stair up");
        myStairsUsedUp = true;
    }
    if (aInventory.HasItem("children"))
    {
        UseChildren(aInventory);
    }
}

void Vulcano::UseBananaTree(Inventory& aInventory)
{
    myRequestedConversation = "Banana Tree";
    aInventory.RemoveItem("banana tree");
    aInventory.AddItem(MakeItem("banana", V(280, 450)));
    aInventory.AddItem(MakeItem("banana tree leaf 1", V(140, 500)));
    aInventory.AddItem(MakeItem("banana tree leaf 2", V(600, 800)));
}

void Vulcano::UseVulcanization(Inventory& aInventory)
{
    if (aInventory.HasItem("rubber string") && !IsPlayed("Vulcanization success"))
    {
        aInventory.RemoveItem("rubber string");
        aInventory.RemoveItem("vulcanization");
        aInventory.AddItem(MakeItem("refined rubber"));
        myRequestedConversation = "Vulcanization success";
        return;
    }
    if (!aInventory.HasItem("rubber string"))
    {
        myRequestedConversation = "Vulcanization failed";
    }
    PutBack(aInventory, "vulcanization");
}

void Vulcano::UseStairKit(Inventory& aInventory)
{
    if (!IsPlayed("building stairs"))
    {
        myRequestedConversation = "building stairs";
    }
    else
    {
        PutBack(aInventory, "stair kit");
        myStairsUsedDown = true;
    }
    if (!myStairsBuilt)
    {
        myStairsBuilt = true;
        PlaceItem("stair up", V(580, 725));
    }
}

void Vulcano::UseChildren(Inventory& aInventory)
{
    bool keep = true;
    if (myChildrenReachable)
    {
        if (!IsPlayed("Saving children"))
        {
            myRequestedConversation = "Saving children";
            // With the steps already built they go down as soon as they have been spoken to.
            keep = !myStairsBuilt;
        }
        else if (myStairsBuilt)
        {
            RequestUnlessPlayed("complete children");
            keep = false;
            aInventory.RemoveItem("children");
            myChildrenSaved = true;
        }
        else
        {
            myRequestedConversation = "children no exit";
        }
    }
    if (keep)
    {
        PutBack(aInventory, "children");
    }
}

void Vulcano::HandleInput(InputWrapper& aInput, float /*aElapsed*/, Inventory& aInventory)
{
    if (UseKeyReleased(aInput))
    {
        myRobot.Activate();
    }
    // As use moves the prologue's pictures on, it (or the menu's key) moves the flight on.
    if (IsShowingPictures() && (UseKeyReleased(aInput) || aInput.Released(Action::Menu)))
    {
        myOverlayPair.Skip();
    }
    // A shortcut past part of the story: a rubber string, whenever none is carried.
    if (aInput.Released(Action::RubberString) && !OverlayOpen())
    {
        myRequestedConversation = "shortcut O";
        if (!aInventory.HasItem("rubber string"))
        {
            aInventory.AddItem(MakeItem("rubber string"));
        }
    }
}

void Vulcano::CloseCurtain()
{
    for (int i = 0; i < ourCloseSteps; ++i)
    {
        myCurtain.Close();
    }
}

void Vulcano::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
    myCurtain.Open();
    myPalmOverlay.Update(aCamera.GetPosition(), aPlayer.GetWorldPosition());
    if (myDiamondDone && mySinceDiamond < 1.0f)
    {
        CloseCurtain();
        mySinceDiamond += aElapsed;
        aPlayer.SetWorldPosition(ourSetDown);
        myPalmOverlay.Show();
    }
    if (myFlying)
    {
        PlaceHeroine(aPlayer, aCamera, ourFlightLanding);
        myFlying = false;
    }
    if (myStairsUsedDown)
    {
        CloseCurtain();
        PlaceHeroine(aPlayer, aCamera, ourStairsFoot);
        myRobot.SetFollowing(true);
        myStairsUsedDown = false;
    }
    if (myStairsUsedUp)
    {
        CloseCurtain();
        PlaceHeroine(aPlayer, aCamera, ourStairsTop);
        myRobot.SetFollowing(false);
        myStairsUsedUp = false;
    }
    if (myChildrenSaved && !PostMaster::GetInstance()->conversationRunning)
    {
        CloseCurtain();
        myChildrenSaved = false;
    }
    ShowWhoIsOnTheLedge();
}

void Vulcano::ShowWhoIsOnTheLedge()
{
    // She first hears them giggling when she lands; they are gone once brought down.
    const bool there = myChildrenReachable && !AreChildrenHome();
    for (const char* child : {"stale boy", "stale girl"})
    {
        size_t index = 0;
        const bool found = FindItem(child, index);
        MARROWEN_ASSERT(found && "Couldn't get item with ID.", "vulcano");
        myItems[index].SetHidden(!there);
    }
    // Nor does the place to speak to them show its prompt while they are not there.
    size_t spot = 0;
    if (FindItem("children", spot))
    {
        myItems[spot].SetHidden(!there);
    }
}

Vulcano::State Vulcano::GetState() const
{
    return State{myFlying,
                 myDiamondDone,
                 myChildrenReachable,
                 myStairsUsedDown,
                 myStairsUsedUp,
                 myStairsBuilt,
                 myChildrenSaved,
                 mySinceDiamond,
                 IsPalmOverlayShown(),
                 myCurtain.GetState(),
                 myOverlayPair.GetState()};
}

void Vulcano::SetState(const State& aState)
{
    myFlying = aState.flying;
    myDiamondDone = aState.diamondDone;
    myChildrenReachable = aState.childrenReachable;
    myStairsUsedDown = aState.stairsUsedDown;
    myStairsUsedUp = aState.stairsUsedUp;
    myStairsBuilt = aState.stairsBuilt;
    myChildrenSaved = aState.childrenSaved;
    mySinceDiamond = aState.sinceDiamond;
    myPalmOverlay.SetHidden(!aState.palmOverlayShown);
    myCurtain.SetState(aState.curtain);
    myOverlayPair.SetState(aState.overlayPair);
}

void Vulcano::RenderObjects(RenderData& aBuffer, const Camera& aCamera)
{
    if (myStairsBuilt)
    {
        SubmitInScene(aBuffer, myBuiltStairs, geometry::ourBuiltStairs.left,
                      geometry::ourBuiltStairs.top, aCamera);
    }
    // The bird waits by the diamond until she flies up in the suit.
    if (!IsPlayed("The bird suit"))
    {
        SubmitInScene(aBuffer, myBird, geometry::ourLedgeBird.left, geometry::ourLedgeBird.top,
                      aCamera);
    }
    myRobot.Submit(aBuffer);
}

void Vulcano::RenderOverlay(RenderData& aBuffer, const Camera& aCamera)
{
    LevelBaseData::RenderOverlay(aBuffer, aCamera);
    myPalmOverlay.Submit(aBuffer);
    myCurtain.Render(aBuffer);
}
