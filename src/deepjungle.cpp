#include "deepjungle.h"

void DeepJungle::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_deepjungle.dds", "img/Levels/scene_deepjungle_overlay.dds",
              "img/Levels/collision_deepjungle.bmp");
    using V = Vector2<float>;
    // The scene picture shows the palm, the rubber tree and the log.
    PlaceItem("coconut", V(721, 622));
    PlaceItem("rubber tree", V(199, 656));
    PlaceItem("log", V(431, 289));
    PlaceItem("dried leaves", V(267, 425));
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
    if (aInventory.HasItem("rubber") && IsPlayed("rubber"))
    {
        RequestUnlessPlayed("tapped");
    }
    if (aInventory.HasItem("MagneticRock"))
    {
        RequestUnlessPlayed("explosion escapeist");
    }
}

void DeepJungle::UseRubberTree(Inventory& aInventory)
{
    const bool ready = aInventory.HasItem("axe") && aInventory.HasItem("coconut half 1");
    if (!IsPlayed("rubber"))
    {
        myRequestedConversation = "rubber";
    }
    else if (!aInventory.HasItem("axe"))
    {
        myRequestedConversation = "no axe";
    }
    else if (!ready)
    {
        myRequestedConversation = "no shell";
    }
    // With the axe and a shell the latex runs on this very use; "tapped" tells of it once the
    // tree has been described.
    if (ready)
    {
        aInventory.RemoveItem("coconut half 1");
        aInventory.AddItem(MakeItem("rubber", Vector2<float>(199.0f, 656.0f)));
    }
    // The tree stays in the scene until it has given its latex.
    Item tree;
    aInventory.TakeItem(tree, "rubber tree");
    if (!ready)
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
