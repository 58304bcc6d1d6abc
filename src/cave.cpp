#include "cave.h"

void Cave::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_cave.dds", "img/Levels/scene_caves_overlay.dds",
              "img/Levels/collision_cave.bmp");
    myBlownApart = false;
    KeepRobotOutside();
    myMusicName = "Vulcano";
    CreateConversations();
}

void Cave::CreateConversations()
{
    BuildConversations({});
}

void Cave::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& /*aInventory*/)
{
    myLevelTime += aElapsed;
}

void Cave::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    // He stays outside the cave: updated, but not following.
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
}

void Cave::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
}

void Cave::HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/, Inventory& /*aInventory*/) {}
