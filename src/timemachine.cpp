#include "timemachine.h"

void TimeMachine::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_timemachine.dds", "img/Levels/scene_timemachine_overlay.dds",
              "img/Levels/collision_timemachine.bmp");
    myMusicName = "Machine";
    CreateConversations();
}

void TimeMachine::CreateConversations()
{
    BuildConversations({});
}

void TimeMachine::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& /*aInventory*/)
{
    myLevelTime += aElapsed;
}

void TimeMachine::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
}

void TimeMachine::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
}

void TimeMachine::HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/,
                              Inventory& /*aInventory*/)
{
}
