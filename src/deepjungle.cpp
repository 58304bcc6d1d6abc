#include "deepjungle.h"

namespace
{
const char* const ourEmpty = "img/empty.dds";
}  // namespace

void DeepJungle::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_deepjungle.dds", "img/Levels/scene_deepjungle_overlay.dds",
              "img/Levels/collision_deepjungle.bmp");
    using V = Vector2<float>;
    // The scene picture shows the palm, the rubber tree and the log.
    myItems.emplace_back(aHGE, ourEmpty, "img/Items/icon_coconut.dds", V(721, 622), "coconut",
                         true);
    myItems.emplace_back(aHGE, ourEmpty, ourEmpty, V(199, 656), "rubber tree", true);
    myItems.emplace_back(aHGE, ourEmpty, "img/Items/icon_log.dds", V(431, 289), "log", true);
    myItems.emplace_back(aHGE, "img/Items/sprite_dried_leaves.dds",
                         "img/Items/icon_dried_leaves.dds", V(267, 425), "dried leaves", true);
    myMusicName = "Jungle";
    CreateConversations();
}

void DeepJungle::CreateConversations()
{
    LoadConversations("dialogue/deepjungle.txt", {"palm", "no axe", "no shell", "tapped", "rubber",
                                                  "log", "explosion escapeist", "dry leafs"});
}

void DeepJungle::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& aInventory)
{
    if (aInventory.HasItem("log"))
    {
        RequestUnlessPlayed("log");
    }
    if (aInventory.HasItem("dried leaves"))
    {
        RequestUnlessPlayed("dry leafs");
    }
    myLevelTime += aElapsed;
    if (aInventory.HasItem("coconut"))
    {
        RequestUnlessPlayed("palm");
    }
    if (aInventory.HasItem("rubber tree"))
    {
        UseRubberTree(aInventory);
    }
    if (aInventory.HasItem("MagneticRock"))
    {
        RequestUnlessPlayed("explosion escapeist");
    }
}

void DeepJungle::UseRubberTree(Inventory& aInventory)
{
    myRequestedConversation = "rubber";
    if (IsPlayed("rubber"))
    {
        if (!aInventory.HasItem("axe"))
        {
            RequestUnlessPlayed("no axe");
        }
        else if (!aInventory.HasItem("coconut half 1"))
        {
            if (!IsPlayed("tapped") && !IsPlayed("no shell"))
            {
                myRequestedConversation = "no shell";
            }
        }
        else if (!IsPlayed("tapped"))
        {
            myRequestedConversation = "tapped";
            aInventory.RemoveItem("coconut half 1");
            aInventory.AddItem(Item(myHGE, ourEmpty, "img/Items/icon_coconutLatex.dds",
                                    Vector2<float>(199.0f, 656.0f), "rubber", true));
        }
    }
    // The tree stays in the scene until it has given its latex.
    Item tree;
    aInventory.TakeItem(tree, "rubber tree");
    if (!aInventory.HasItem("rubber"))
    {
        myItems.push_back(tree);
    }
}

void DeepJungle::HandleInput(InputWrapper& aInput, float /*aElapsed*/, Inventory& /*aInventory*/)
{
    if (UseKeyReleased(aInput))
    {
        myRobot.Activate();
    }
}

void DeepJungle::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
}

void DeepJungle::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
}
