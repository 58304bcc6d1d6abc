#include "vulcano.h"

void Vulcano::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_volcano.dds", "img/Levels/scene_volcano_overlay.dds",
              "img/Levels/collission_volcano.bmp");
    myRobot.Activate();
    myMusicName = "Vulcano";
    CreateConversations();
}

void Vulcano::CreateConversations()
{
    BuildConversations({});
}

void Vulcano::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& /*aInventory*/)
{
    myLevelTime += aElapsed;
}

void Vulcano::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
}

void Vulcano::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
}

void Vulcano::HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/, Inventory& /*aInventory*/)
{
}
