#include "blownupcave.h"

void BlownUpCave::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_cave_blown_up.dds", "img/Levels/scene_caves_overlay.dds",
              "img/Levels/collision_cave.bmp");
    KeepRobotOutside();
    myMusicName = "Vulcano";
    CreateConversations();
}

void BlownUpCave::CreateConversations()
{
    LoadConversations("dialogue/blownupcave.txt", {"blown apart"});
}

void BlownUpCave::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& /*aInventory*/)
{
    myLevelTime += aElapsed;
    if (IsPlayed("blown apart"))
    {
        return;
    }
    mySinceEntry += aElapsed;
    if (mySinceEntry > 2000.0f)
    {
        myRequestedConversation = "blown apart";
    }
}

void BlownUpCave::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    // He stays outside the cave: updated, but not following.
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
}

void BlownUpCave::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
}

void BlownUpCave::HandleInput(InputWrapper& aInput, float /*aElapsed*/, Inventory& /*aInventory*/)
{
    if (UseKeyReleased(aInput))
    {
        myRobot.Activate();
    }
}
