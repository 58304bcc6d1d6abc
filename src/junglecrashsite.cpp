#include "junglecrashsite.h"

#include <algorithm>

#include "eventsingelton.h"
#include "soundmanager.h"

namespace
{
constexpr int ourCloseSteps = 300;
}  // namespace

void JungleCrashSite::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_jungle_crash.dds",
              "img/Levels/scene_jungle_crash_overlay.dds", "img/Levels/collision_jungle_crash.bmp");
    myCurtain.InitOpen(aHGE);
    myRaft = Raft(aHGE, Vector2<float>(831.0f, 468.0f));
    myTree = interactables::RaftTree(aHGE);
    myAxeReady = false;
    myTreeChopped = false;
    using V = Vector2<float>;
    PlaceItem("stick", V(543, 371));
    PlaceItem("flintstone2", V(302, 829));
    PlaceItem("flintstone1", V(185, 571));
    PlaceItem("sharpFlintstone", V(260, 327));
    myMusicName = "Jungle";
    CreateConversations();
}

void JungleCrashSite::CreateConversations()
{
    LoadConversations(
        "dialogue/crashsite.txt",
        {"Spott flint stone", "Put flint stone in Roderick", "Activate Roderick",
         "After Roderick activated", "You can't go there", "That's a branch stupid",
         "sharpFlintstone", "before axe with tree", "with axe with tree intermediation",
         "after axe with tree", "have raft", "tree needs an axe", "Roderick is off"});
}

void JungleCrashSite::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& aInventory)
{
    myLevelTime += aElapsed;
    // Once heard, the buzz is not asked for again: a request for a finished conversation would
    // end whatever else this frame asked for, such as the refusal at the way south.
    if (!myRobot.IsActivated() && myRobot.IsNear())
    {
        RequestUnlessPlayed("Activate Roderick");
    }
    if (myRobot.IsActivated() && IsPlayed("Activate Roderick"))
    {
        RequestUnlessPlayed("After Roderick activated");
    }
    // Each find is remarked on once.
    const std::pair<const char*, const char*> remarks[] = {
        {"flintstone2", "Spott flint stone"},
        {"flintstone1", "Put flint stone in Roderick"},
        {"sharpFlintstone", "sharpFlintstone"},
        {"stick", "That's a branch stupid"},
    };
    for (const auto& [item, conversation] : remarks)
    {
        if (aInventory.HasItem(item))
        {
            RequestUnlessPlayed(conversation);
        }
    }
    if (!aInventory.HasItem("logs") && aInventory.HasItem("axe") &&
        IsPlayed("before axe with tree") && !myTreeChopped)
    {
        myAxeReady = true;
    }
    // She came to the tree with the axe: it falls as soon as she has said so.
    if (myChopFollows && IsPlayed("before axe with tree") && !IsConversationRunning() &&
        myRequestedConversation.empty())
    {
        myChopFollows = false;
        if (myAxeReady)
        {
            Chop(aInventory);
        }
    }
    if (IsPlayed("with axe with tree intermediation"))
    {
        RequestUnlessPlayed("after axe with tree");
    }
    if (!myRequestedConversation.empty())
    {
        FindConversation(myRequestedConversation);
    }
    const PostMaster& flags = *PostMaster::GetInstance();
    const bool overlaysClosed = !flags.inventoryOpen && !flags.notepadOpen;
    if (!myRaft.IsActive() && flags.raftMade && overlaysClosed)
    {
        myRaft.SetShown(true);
    }
    if (flags.raftMade && overlaysClosed)
    {
        RequestUnlessPlayed("have raft");
    }
}

void JungleCrashSite::HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/,
                                  Inventory& aInventory)
{
    if (!PressFree())
    {
        return;
    }
    if (!myRobot.IsActivated())
    {
        if (IsPlayed("Activate Roderick") && myRobot.IsNear())
        {
            myRobot.Activate();
            PostMaster::GetInstance()->robotActivated = true;
        }
        return;
    }
    if (myRaft.IsShown() && myRaft.IsInRange())
    {
        myRaft.Use();
        return;
    }
    if (!myTree.IsInRange())
    {
        return;
    }
    if (!IsPlayed("before axe with tree"))
    {
        myRequestedConversation = "before axe with tree";
        myChopFollows = aInventory.HasItem("axe");
    }
    else if (myAxeReady)
    {
        Chop(aInventory);
    }
    else
    {
        myRequestedConversation = "tree needs an axe";
    }
}

void JungleCrashSite::Chop(Inventory& aInventory)
{
    myAxeReady = false;
    myChopFollows = false;
    myTreeChopped = true;
    myRequestedConversation = "with axe with tree intermediation";
    // Nothing is left of the tree to draw or to use.
    myTree.Vanish();
    aInventory.AddItem(MakeItem("logs"));
}

float JungleCrashSite::UseDistance(const Vector2<float>& aHeroine) const
{
    const float robot = ReachDistance(!myRobot.IsActivated() && myRobot.Reaches(aHeroine),
                                      myRobot.GetWorldPosition(), aHeroine);
    const float raft = ReachDistance(myRaft.IsShown() && myRaft.Reaches(aHeroine),
                                     myRaft.GetWorldPosition(), aHeroine);
    const float tree = ReachDistance(myRobot.IsActivated() && myTree.Reaches(aHeroine),
                                     myTree.GetWorldPosition(), aHeroine);
    return std::min({robot, raft, tree});
}

void JungleCrashSite::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myCurtain.Open();
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
    if (myRaft.IsShown())
    {
        Vector2<float> heroine = aPlayer.GetWorldPosition();
        Vector2<float> robot = myRobot.GetWorldPosition();
        const Vector2<float> crossed = myRaft.Update(aCamera, heroine, robot);
        if (crossed != Vector2<float>())
        {
            SoundManager::PlayEffect(geometry::SoundEffect::RaftCrossing);
            for (int i = 0; i < ourCloseSteps; ++i)
            {
                myCurtain.Close();
            }
            aPlayer.SetWorldPosition(heroine);
            myRobot.SetWorldPosition(robot);
            aCamera.Focus(heroine);
        }
    }
    myTree.Update(aCamera, aPlayer.GetWorldPosition());
}

void JungleCrashSite::SetState(const State& aState)
{
    myAxeReady = aState.axeReady;
    myChopFollows = aState.chopFollows;
    myTreeChopped = aState.treeChopped;
    if (myTreeChopped)
    {
        myTree.Vanish();
    }
    myCurtain.SetState(aState.curtain);
    myRaft.SetState(aState.raft);
}

void JungleCrashSite::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
    myRaft.Submit(aBuffer);
    myTree.Submit(aBuffer);
}

void JungleCrashSite::RenderOverlay(RenderData& aBuffer, const Camera& aCamera)
{
    LevelBaseData::RenderOverlay(aBuffer, aCamera);
    myCurtain.Render(aBuffer);
}

void JungleCrashSite::RenderPrompts(RenderData& aBuffer) const
{
    LevelBaseData::RenderPrompts(aBuffer);
    myRaft.SubmitPrompt(aBuffer);
    myTree.SubmitPrompt(aBuffer);
}
