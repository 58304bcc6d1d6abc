#include "deepjungle.h"

void DeepJungle::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_deepjungle.dds", "img/Levels/scene_deepjungle_overlay.dds",
              "img/Levels/collision_deepjungle.bmp");
    myMusicName = "Jungle";
    CreateConversations();
}

void DeepJungle::CreateConversations()
{
    BuildConversations({});
}

void DeepJungle::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& /*aInventory*/)
{
    myLevelTime += aElapsed;
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

void DeepJungle::HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/,
                             Inventory& /*aInventory*/)
{
}
