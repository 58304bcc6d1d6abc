#include "junglecrashsite.h"

void JungleCrashSite::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_jungle_crash.dds",
              "img/Levels/scene_jungle_crash_overlay.dds", "img/Levels/collision_jungle_crash.bmp");
    myMusicName = "Jungle";
    CreateConversations();
}

void JungleCrashSite::UpdateScript(float aElapsed, Player& /*aPlayer*/, Inventory& /*aInventory*/)
{
    myLevelTime += aElapsed;
}

void JungleCrashSite::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
}

void JungleCrashSite::RenderObjects(RenderData& aBuffer, const Camera& /*aCamera*/)
{
    myRobot.Submit(aBuffer);
}

void JungleCrashSite::HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/,
                                  Inventory& /*aInventory*/)
{
}

void JungleCrashSite::CreateConversations()
{
    const char* const noFace = "img/Conversation/EmptyPortrait.dds";
    BuildConversations({
        {"You can't go there",
         noFace,
         "",
         noFace,
         "",
         {"Roderick should come along. Walk up to him and switch him on with E or Return "
          "first;"}},
    });
}
