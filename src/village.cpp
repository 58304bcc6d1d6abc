#include "village.h"

void Village::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_village.dds", "img/Levels/scene_village_overlay.dds",
              "img/Levels/collission_village.bmp");
    myMusicName = "Village";
    CreateConversations();
}

void Village::CreateConversations()
{
    BuildConversations({});
}

void Village::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& /*aInventory*/)
{
    myLevelTime += aElapsed;
}

void Village::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
}

void Village::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
}

void Village::HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/, Inventory& /*aInventory*/)
{
}
