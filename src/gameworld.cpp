// The world side of Game: set-up, the per-frame steps and the end condition. The order of the
// steps is the game's: input first, then the state flow, then everything visible in painter's
// order.
#include "eventsingelton.h"
#include "game.h"
#include "inputwrapper/inputwrapper.h"
#include "soundmanager.h"

namespace
{
constexpr uint8_t ourKeyEscape = 0x01;
// Where the time machine's script wakes the heroine.
const Vector2<float> ourWakingPlace(310.0f, 770.0f);
// Out of sight until the time machine places her.
const Vector2<float> ourParkingPlace(2000.0f, 2000.0f);
}  // namespace

void Game::InitWorld(HGE* aHGE, const Vector2<float>& aScreenSize)
{
    myHGE = aHGE;
    SoundManager::Create();
    // The start screen comes here.

    myCamera.SetPosition(Vector2<float>(100.0f, 100.0f));
    LevelBaseData* const levels[] = {&myCrashSite,   &myDeepJungle, &myTimeMachine, &myCave,
                                     &myBlownUpCave, &myVillage,    &myVolcano};
    for (LevelBaseData* level : levels)
    {
        level->Init(aHGE);
    }
    myCurrentLevel = &myTimeMachine;

    myPlayer.Init(aHGE, aScreenSize / 2.0f, myCamera);
    myPlayer.SetWorldPosition(ourParkingPlace);
    myCamera.Focus(myPlayer.GetWorldPosition());
    // The inventory's screen and the notepad come here.

    myRenderBuffers.Init(5, 5, true);
    myRenderBuffers.Add(RenderData());
    myRenderBuffers.Add(RenderData());

    Tools::Timer* master = myTimerManager.GetMasterTimer();
    myGameTimer = myTimerManager.CreateTimer();
    myFrameTimer = myTimerManager.CreateTimer();
    master->AddChild(myGameTimer);
    myGameTimer->AddChild(myFrameTimer);
    myTimerManager.Update();

    // The product catalogue and the start item come here.
    myCursor.Init(aHGE);
    myCurtain.Init(aHGE);
    myLevelSwitch.CreateTransferZones();
    // The quit menu and the end-of-game billboard come here.

    if (myOptions.myStartInPlay)
    {
        // Straight into play, the heroine already awake in the time machine.
        myStarted = true;
        myPlayer.SetWorldPosition(ourWakingPlace);
        myCamera.Focus(ourWakingPlace);
    }
}

void Game::UpdateWorld(InputWrapper& aInput, float aElapsedMs)
{
    PostMaster& flags = *PostMaster::GetInstance();
    LevelBaseData& level = *myCurrentLevel;
    if (!level.IsConversationRunning() && !flags.inventoryOpen && !myCurtain.IsActive() &&
        !flags.notepadOpen && !flags.paused)
    {
        myPlayer.Update(aInput, myCamera, level.GetCollisionMap());
    }
    level.HandleLevelInput(aInput, aElapsedMs, myInventory);
    level.HandleInput(aInput, aElapsedMs, myInventory);
    // The inventory's, the notepad's and the start screen's input come here.
    if (aInput.KeyDown(ourKeyEscape) && flags.openingFinished)
    {
        flags.paused = true;
    }
    // The quit menu's update comes here.
}

void Game::Update(InputWrapper& aInput, float aElapsedMs)
{
    if (!myStarted)
    {
        // The start screen's update comes here.
        SoundManager::Instance()->Play("StartScreen");
        if (myStarted)
        {
            SoundManager::Instance()->StopAll();
        }
    }
    if (myStarted)
    {
        myCurtain.Open();
        myCurrentLevel->UpdateLevel(myPlayer, myCamera, aElapsedMs, myInventory);
        myCurrentLevel->Update(myPlayer, myCamera, aElapsedMs);
        myCamera.Clamp(myCurrentLevel->GetMapWidth(), myCurrentLevel->GetMapHeight());
        myPlayer.UpdateScreen(aElapsedMs, myCamera);
        myCursor.SetPosition(aInput.GetMousePosition());
        myCurrentLevel = myLevelSwitch.Run(*myCurrentLevel, myPlayer, myCamera, myCurtain);
        SoundManager::Instance()->ChangeMusic(myCurrentLevel->GetMusicName());
    }
    // The end-of-game billboard and the notepad's update come here.
}

void Game::RenderToBuffer(InputWrapper& /*aInput*/, unsigned aBufferIndex)
{
    RenderData& buffer = myRenderBuffers[static_cast<int>(aBufferIndex)];
    // The scene is drawn in the title phase too: the curtain, not opened before play, and the
    // start screen above it cover it.
    LevelBaseData& level = *myCurrentLevel;
    level.RenderFloor(buffer, myCamera);
    level.RenderObjects(buffer, myCamera);
    level.RenderItems(buffer);
    myPlayer.Submit(buffer);
    level.RenderOverlay(buffer, myCamera);
    level.RenderConversation(buffer);
    // The inventory and the notepad are drawn here.
    myCurtain.Render(buffer);
    // The start screen, the scene's overlay pair, the billboard and the quit menu come here.
    myCursor.Render(buffer, PostMaster::GetInstance()->inventoryOpen);
}

void Game::FinishLogicFrame(InputWrapper& aInput, unsigned aBufferIndex)
{
    RenderToBuffer(aInput, aBufferIndex);
}

bool Game::EndRequested() const
{
    return PostMaster::GetInstance()->quitRequested;
}
