// The world side of Game: set-up, the per-frame steps and the end condition. The order of the
// steps is the game's: input first, then the state flow, then everything visible in painter's
// order.
#include "eventsingelton.h"
#include "fatal.h"
#include "game.h"
#include "inputwrapper/inputwrapper.h"
#include "itemcatalogue.h"
#include "productcatalogue.h"
#include "soundmanager.h"

namespace
{
// Out of sight until the time machine places her.
const Vector2<float> ourParkingPlace(2000.0f, 2000.0f);
constexpr size_t ourHeldRoom = 15;
constexpr size_t ourSlotRoom = 3;

Vector2<float> ToFloat(const Vector2<int>& aPoint)
{
    return Vector2<float>(static_cast<float>(aPoint.x), static_cast<float>(aPoint.y));
}
}  // namespace

void Game::InitWorld(HGE* aHGE, const Vector2<float>& aScreenSize)
{
    myHGE = aHGE;
    SoundManager::Create();
    SoundManager::Instance()->SetVolumes(myOptions.myMusicVolume, myOptions.myEffectsVolume);
    myStartScreen = StartScreen(aHGE);

    myCamera.SetPosition(Vector2<float>(100.0f, 100.0f));
    LevelBaseData* const levels[] = {&myCrashSite,   &myDeepJungle, &myTimeMachine, &myCave,
                                     &myBlownUpCave, &myVillage,    &myVolcano};
    for (LevelBaseData* level : levels)
    {
        level->Init(aHGE);
    }
    myCurrentLevel = &myTimeMachine;
    myStoryFacts = StoryFacts(&myInventory, {levels, levels + std::size(levels)}, &myTimeMachine);
    for (LevelBaseData* level : levels)
    {
        level->SetStoryFacts(&myStoryFacts);
    }
    const std::string unknown = myStoryFacts.UnknownConversation();
    if (!unknown.empty())
    {
        platform::Fatal(unknown.c_str());
    }

    myPlayer.Init(aHGE, aScreenSize / 2.0f, myCamera);
    myPlayer.SetWorldPosition(ourParkingPlace);
    myCamera.Focus(myPlayer.GetWorldPosition());
    myInventory.Init(aHGE);
    myNotepad.Init(aHGE);
    myHistory.Init(aHGE);

    myRenderBuffers.resize(2);

    for (const Item& product : ProductCatalogue(aHGE))
    {
        myInventory.AddProduct(product);
    }
    myInventory.Reserve(ourHeldRoom, ourSlotRoom);
    myInventory.AddItem(itemcatalogue::Make(aHGE, "wire"));

    myCursor.Init(aHGE);
    myCurtain.Init(aHGE);
    myLevelSwitch.CreateTransferZones();
    myQuitMenu = QuitMenu(aHGE);
    myQuitMenu.Init();
    myBillboard = Billboard(aHGE);
}

void Game::UpdateWorld(InputWrapper& aInput, float aElapsedMs)
{
    PostMaster& flags = *PostMaster::GetInstance();
    LevelBaseData& level = *myCurrentLevel;
    // What was said can be read at any time of play; while it is open, it has the keys.
    if (myStartScreen.IsStarted() && !flags.paused)
    {
        myHistory.HandleInput(aInput);
    }
    const bool playing = !myHistory.IsOpen();
    if (playing && !level.IsConversationRunning() && !myInventory.IsOpen() &&
        !myCurtain.IsActive() && !myNotepad.IsOpen() && !flags.paused)
    {
        myPlayer.Update(aInput, myCamera, level.GetCollisionMap());
    }
    if (playing)
    {
        level.HandleLevelInput(aInput, aElapsedMs, myInventory);
        level.HandleInput(aInput, aElapsedMs, myInventory);
    }
    // Each condition sees what the steps before it left: the inventory opened here already
    // keeps the notepad shut in the same frame.
    if (playing && !myNotepad.IsOpen() && !level.IsConversationRunning() && !flags.paused)
    {
        if (level.GetRobot().IsActivated())
        {
            myInventory.Update(aInput);
        }
        else if (aInput.Released(Action::Inventory))
        {
            // The inventory is Roderick's hatch: the scene says why it stays shut.
            level.ExplainRobotOff();
        }
    }
    if (playing && !myInventory.IsOpen() && !level.IsConversationRunning() && !flags.paused)
    {
        myNotepad.HandleInput(aInput);
    }
    if (!myStartScreen.IsStarted())
    {
        myStartScreen.HandleInput(aInput);
    }
    // Escape is asked about first, every frame: a held Escape never counts as released, so it
    // opens the menu without also dismissing the end picture. During a scene's picture
    // sequence it moves the pictures on instead, as Return does.
    if (aInput.Held(Action::Menu) && flags.openingFinished && !level.IsShowingPictures())
    {
        flags.paused = true;
    }
    myQuitMenu.Update(aInput);
    if (myBillboard.IsShown())
    {
        myBillboard.HandleInput(aInput);
    }
}

void Game::Update(InputWrapper& aInput, float aElapsedMs)
{
    bool saveDue = false;
    if (!myStartScreen.IsStarted())
    {
        if (myStartScreen.IsContinueRequested())
        {
            Continue();
        }
        myStartScreen.Update(aElapsedMs);
        SoundManager::Instance()->Play("StartScreen");
        if (myStartScreen.IsStarted())
        {
            SoundManager::Instance()->StopAll();
        }
    }
    if (myStartScreen.IsStarted())
    {
        LevelBaseData& playing = *myCurrentLevel;
        const unsigned finished = playing.GetFinishedConversations();
        myCurtain.Open();
        myCurrentLevel->UpdateLevel(myPlayer, myCamera, aElapsedMs, myInventory);
        myCurrentLevel->Update(myPlayer, myCamera, aElapsedMs);
        myCamera.Clamp(myCurrentLevel->GetMapWidth(), myCurrentLevel->GetMapHeight());
        myPlayer.UpdateScreen(aElapsedMs, myCamera);
        myFootsteps.Follow(myPlayer, myCurrentLevel->GetCollisionMap(), aElapsedMs);
        myCursor.SetPosition(aInput.GetMousePosition());
        if (const ConversationBox::Line* line = playing.GetShownLine())
        {
            myHistory.Note(*line->speaker, line->spoken);
        }
        // The children brought down from the volcano's ledge are seen at home.
        myVillage.SetChildrenHome(myVolcano.AreChildrenHome());
        myCurrentLevel = myLevelSwitch.Run(*myCurrentLevel, myPlayer, myCamera, myCurtain);
        SoundManager::Instance()->ChangeMusic(myCurrentLevel->GetMusicName());
        saveDue = myCurrentLevel != &playing || playing.GetFinishedConversations() != finished;
    }
    const bool endPictureWasShown = myBillboard.IsShown();
    if (myCurrentLevel->IsCutsceneRequested())
    {
        myBillboard.Show(aElapsedMs);
    }
    myNotepad.CheckParts(myInventory);
    myHistory.Update();
    Autosave(saveDue, endPictureWasShown);
}

void Game::RenderToBuffer(InputWrapper& aInput, unsigned aBufferIndex)
{
    RenderData& buffer = myRenderBuffers[aBufferIndex];
    const Vector2<float> mouse = ToFloat(aInput.GetMousePosition());
    // The scene is drawn in the title phase too: the curtain, not opened before play, and the
    // start screen above it cover it.
    LevelBaseData& level = *myCurrentLevel;
    level.RenderFloor(buffer, myCamera);
    level.RenderObjects(buffer, myCamera);
    level.RenderItems(buffer);
    level.RenderForegroundBehind(buffer, myCamera);
    myPlayer.Submit(buffer);
    level.RenderOverlay(buffer, myCamera);
    level.RenderPrompts(buffer);
    level.RenderConversation(buffer);
    myInventory.FillRenderBuffer(buffer, mouse.x, mouse.y);
    myNotepad.FillRenderBuffer(buffer);
    myHistory.FillRenderBuffer(buffer);
    myCurtain.Render(buffer);
    myStartScreen.FillRenderBuffer(buffer);
    level.RenderOverlayPair(buffer);
    myBillboard.FillRenderBuffer(buffer);
    myQuitMenu.FillRenderBuffer(buffer);
    myCursor.Render(buffer, myInventory.IsOpen());
}

bool Game::EndRequested() const
{
    const bool framesDone =
        myOptions.myFrameLimit > 0 && myLogicFrames.load() >= myOptions.myFrameLimit;
    return PostMaster::GetInstance()->quitRequested || myBillboard.IsDismissed() || framesDone;
}
