#include "cave.h"

#include "soundmanager.h"

void Cave::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_cave.dds", "img/Levels/scene_caves_overlay.dds",
              "img/Levels/collision_cave.bmp");
    myBlownApart = false;
    myStone = interactables::MagneticStone(aHGE);
    KeepRobotOutside();
    PlaceItem("Sulphur", Vector2<float>(212.0f, 420.0f));
    PlaceItem("Guano", Vector2<float>(432.0f, 337.0f));
    myMusicName = "Vulcano";
    CreateConversations();
}

void Cave::CreateConversations()
{
    LoadConversations("dialogue/cave.txt", {"Entering", "guano eww", "Picked up guano",
                                            "Picked up sulphur", "Close to rock", "bye bye cave"});
}

void Cave::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& aInventory)
{
    myLevelTime += aElapsed;
    RequestUnlessPlayed("Entering");
    if (aInventory.HasItem("Sulphur"))
    {
        RequestUnlessPlayed("Picked up sulphur");
    }
    if (aInventory.HasItem("Guano"))
    {
        TakeGuano(aInventory);
    }
    if (myStone.IsInRange() && !myStone.IsUsed())
    {
        myRequestedConversation = "Close to rock";
        myStone.SetUsed();
    }
    if (IsPlayed("bye bye cave"))
    {
        aInventory.AddItem(MakeItem("MagneticRock", Vector2<float>(1000.0f, 1000.0f)));
        aInventory.RemoveItem("gunpowder");
        SoundManager::PlayEffect(geometry::SoundEffect::Blast);
        BlowApart();
        myTransferTarget = TRANSFER_DEEP_JUNGLE_FROM_CAVE;
        myTransferRequested = true;
    }
}

void Cave::TakeGuano(Inventory& aInventory)
{
    // Scooped up already: it is being told, or has been.
    if (IsPlayed("Picked up guano") || myRequestedConversation == "Picked up guano")
    {
        return;
    }
    // With the shell she scoops it up on the spot; without one it stays where it lies.
    if (aInventory.RemoveItem("coconut half 2"))
    {
        myRequestedConversation = "Picked up guano";
        return;
    }
    myRequestedConversation = "guano eww";
    PutBack(aInventory, "Guano");
}

void Cave::HandleInput(InputWrapper& aInput, float /*aElapsed*/, Inventory& aInventory)
{
    if (UseKeyReleased(aInput))
    {
        myRobot.Activate();
    }
    if (PressFree() && myStone.IsUsed() && IsPlayed("Close to rock") &&
        aInventory.HasItem("gunpowder"))
    {
        myRequestedConversation = "bye bye cave";
    }
}

void Cave::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    // He stays outside the cave: updated, but not following.
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
    myStone.Update(aCamera, aPlayer.GetWorldPosition());
}

void Cave::SetState(const State& aState)
{
    myBlownApart = aState.blownApart;
    myStone.SetUsed(aState.stoneUsed);
}

void Cave::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
    myStone.Submit(aBuffer);
}

void Cave::RenderPrompts(RenderData& aBuffer) const
{
    LevelBaseData::RenderPrompts(aBuffer);
    myStone.SubmitPrompt(aBuffer);
}
