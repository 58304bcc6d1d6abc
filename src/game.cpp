#include "game.h"

#include <pthread.h>

#include <algorithm>
#include <chrono>

#include "assertion.h"
#include "eventsingelton.h"
#include "fatal.h"
#include "inputwrapper/inputwrapper.h"
#include "savedgame.h"
#include "soundmanager.h"

namespace
{
constexpr int64_t kSwapPeriodNs = 2000000;  // at most 500 swaps per second
// The window shows frames no faster than the display (60 a second, or fewer on a slow
// machine): for each, the logic runs the frames of the real time since the last one, up to
// this much, so the game keeps its speed; time lost in a longer stall is let go.
constexpr int64_t kMostCatchUpNs = 200000000;
constexpr auto kPollSleep = std::chrono::microseconds(1000);
// While a worker is still busy the main thread waits in naps instead of spinning; the window
// shows a frame no more often than the display does, so a nap as long as this costs nothing
// that shows.
constexpr auto kBusyNap = std::chrono::microseconds(1000);

// How a thread waits for the next thing to do: paced runs sleep (the pace leaves time to
// spare), unpaced runs (fast, fixed-step replays and tests) only give way to the others.
void Wait(bool aPaced, std::chrono::microseconds aSleep)
{
    if (aPaced)
    {
        std::this_thread::sleep_for(aSleep);
    }
    else
    {
        std::this_thread::yield();
    }
}

// Named by the starting thread, so the names are there as soon as Start returns.
void NameThread(std::thread& aThread, const char* aName)
{
    pthread_setname_np(aThread.native_handle(), aName);
}
}  // namespace

Game::Game(HGE* aHGE, const GameOptions& aOptions)
    : myHGE(aHGE),
      myOptions(aOptions),
      mySaves(aOptions.mySaveFolder, [this](const std::string& aLine) { Say(aLine); }),
      myPacer(kSwapPeriodNs),
      myCatchUp(kSwapPeriodNs, kMostCatchUpNs / kSwapPeriodNs)
{
    myHGE->System_SetState(HGE_TITLE, "Marrowen");
    myHGE->System_SetState(HGE_WINDOWED, true);
    myHGE->System_SetState(HGE_USESOUND, false);
    myHGE->System_SetState(HGE_SCREENWIDTH, 1024);
    myHGE->System_SetState(HGE_SCREENHEIGHT, 768);
    myHGE->System_SetState(HGE_SHOWSPLASH, false);
    // Without a window there is nothing to play in: say so rather than run unseen.
    if (!myHGE->System_Initiate())
    {
        platform::Fatal("the game window could not be opened");
    }
    myHGE->System_ShowCursor(false);

    InitWorld(myHGE, Vector2<float>(1024.0f, 768.0f));
    PostMaster::Create();
    const bool saveFound = mySaves.Exists();
    OfferSave();
    if (myOptions.myContinue && myOffer)
    {
        Continue();
    }
    else if (myOptions.myContinue && !saveFound)
    {
        // (A save found but refused has been spoken of already.)
        Say("there is no saved game to continue; the game starts at the title");
    }
    else if (myOptions.myStartInPlay)
    {
        // Straight into play: no title, no prologue.
        myStartScreen.SkipToPlay();
    }
}

void Game::Start()
{
    MARROWEN_ASSERT(!myLogicThread.joinable() && "Game: started twice", "game");
    myLogicThread = std::thread(&Game::LogicThread, this);
    NameThread(myLogicThread, "marrowen-logic");
    myRenderThread = std::thread(&Game::RenderThread, this);
    NameThread(myRenderThread, "marrowen-render");
}

Game::~Game()
{
    Stop();
    // The workers are joined: nobody asks for music or draws an item any more.
    SoundManager::Destroy();
    Item::ReleaseAllPictures();
    PostMaster::Destroy();
    myHGE->System_Shutdown();
    myHGE->Release();
}

void Game::Stop()
{
    // Let the frame in flight finish, so the last swap is also the last picture presented.
    while (!myQuit.load(std::memory_order_acquire) &&
           !(myLogicDone.load(std::memory_order_acquire) &&
             myRenderDone.load(std::memory_order_acquire)))
    {
        std::this_thread::sleep_for(kBusyNap);
    }
    myQuit.store(true, std::memory_order_release);
    JoinWorkers();
    SaveOnStop();
    mySaves.Close();
}

void Game::JoinWorkers()
{
    if (myLogicThread.joinable())
    {
        myLogicThread.join();
    }
    if (myRenderThread.joinable())
    {
        myRenderThread.join();
    }
}

bool Game::SwapBuffers()
{
    if (myQuit.load(std::memory_order_acquire))
    {
        return false;
    }
    // Without the workers the first frame would never be done.
    MARROWEN_ASSERT(myLogicThread.joinable() && "Game: swapped before Start", "game");
    // The deadline first: the workers have until then, and are nearly always done by it, so
    // the main thread wakes about once per swap instead of napping while they work.
    if (myOptions.myPaced)
    {
        myPacer.WaitForDeadline();
    }
    if (!myLogicDone.load(std::memory_order_acquire) ||
        !myRenderDone.load(std::memory_order_acquire))
    {
        Wait(myOptions.myPaced, kBusyNap);
        return true;
    }
    if (myOptions.myPaced)
    {
        myPacer.MarkSwap();
    }
    myLogicDone.store(false, std::memory_order_relaxed);
    myRenderDone.store(false, std::memory_order_relaxed);
    const uint32_t logic = myLogicBuffer.load(std::memory_order_relaxed);
    myLogicBuffer.store(myRenderBuffer.load(std::memory_order_relaxed), std::memory_order_relaxed);
    myRenderBuffer.store(logic, std::memory_order_relaxed);
    ++mySwapCount;
    // The go flags publish the swap and the indices to the workers.
    myLogicGo.store(true, std::memory_order_release);
    myRenderGo.store(true, std::memory_order_release);
    return true;
}

void Game::LogicThread(Game* aGame)
{
    InputWrapper input;
    input.Init(aGame->myHGE);
    input.SetBindings(aGame->myOptions.myBindings);
    if (aGame->myOptions.myInput != nullptr)
    {
        input.SetFeed(aGame->myOptions.myInput);
    }
    while (!aGame->myQuit.load(std::memory_order_acquire))
    {
        const bool frame = aGame->myLogicGo.load(std::memory_order_acquire);
        if (frame)
        {
            aGame->myLogicGo.store(false, std::memory_order_relaxed);
            aGame->LogicFrames(input, aGame->myLogicBuffer.load(std::memory_order_relaxed));
        }
        // Every pass, frame or not: a release is reported to one frame only.
        input.ClearKeyEdges();
        input.ClearButtonEdges();
        if (!FinishLogicPass(aGame->EndRequested(), frame, aGame->myQuit, aGame->myLogicDone))
        {
            return;
        }
        Wait(aGame->myOptions.myPaced, kPollSleep);
    }
}

bool Game::FinishLogicPass(bool aEnd, bool aFrame, std::atomic<bool>& aQuit,
                           std::atomic<bool>& aLogicDone)
{
    // The quit flag goes up instead of the frame being reported done, so that the main thread
    // cannot start one more swap.
    if (aEnd)
    {
        aQuit.store(true, std::memory_order_release);
        return false;
    }
    if (aFrame)
    {
        aLogicDone.store(true, std::memory_order_release);
    }
    return true;
}

void Game::LogicFrames(InputWrapper& aInput, unsigned aBufferIndex)
{
    RenderData& buffer = myRenderBuffers[aBufferIndex];
    // Unpaced, each buffer takes one frame; paced, as many as real time calls for.
    const int due = myOptions.myPaced ? myCatchUp.FramesDue(FramePacer::NowNs()) : 1;
    // Animations advance by all the time the buffer stands for.
    buffer.SetElapsed(0.0f);
    for (int frame = 0; frame < due && !EndRequested(); ++frame)
    {
        // Only the last frame's picture is drawn; the ones before it were caught up.
        buffer.Clear();
        LogicFrame(aInput, aBufferIndex);
        aInput.ClearKeyEdges();
        aInput.ClearButtonEdges();
    }
}

void Game::LogicFrame(InputWrapper& aInput, unsigned aBufferIndex)
{
    const int64_t startNs = FramePacer::NowNs();
    RenderData& buffer = myRenderBuffers[aBufferIndex];
    // Timed things start from zero, not from the time the world took to set up. Paced frames
    // are 2 ms of game time each, however the picture keeps up; unpaced ones (one a swap) are
    // their fixed step, so a run played back reaches the same frames.
    const bool stepped = !myOptions.myPaced && myOptions.myFixedStepMs > 0.0f;
    const float frameMs = stepped ? myOptions.myFixedStepMs : kSwapPeriodNs / 1e6f;
    const float elapsedMs = myLogicFrames.fetch_add(1) == 0 ? 0.0f : frameMs;
    buffer.SetElapsed(buffer.GetElapsed() + elapsedMs);
    aInput.Update();
    UpdateWorld(aInput, elapsedMs);
    // While the quit menu pauses the game, or the player reads what was said, the state flow
    // stands still; animations and the input step still see the true time.
    const float updateMs =
        PostMaster::GetInstance()->paused || myHistory.IsOpen() ? 0.0f : elapsedMs;
    Update(aInput, updateMs);
    if (myOptions.myObserver != nullptr)
    {
        myOptions.myObserver->OnLogicFrame(*this, buffer, updateMs);
    }
    SoundManager::Instance()->Update();
    RenderToBuffer(aInput, aBufferIndex);
    const Vector2<int> mouse = aInput.GetMousePosition();
    myInventory.SubmitInfoCard(static_cast<float>(mouse.x), static_cast<float>(mouse.y), buffer);
    if (myOptions.myObserver != nullptr)
    {
        myOptions.myObserver->OnLogicFrameTime(*this, FramePacer::NowNs() - startNs);
    }
}

void Game::RenderThread(Game* aGame)
{
    while (!aGame->myQuit.load(std::memory_order_acquire))
    {
        if (aGame->myRenderGo.load(std::memory_order_acquire))
        {
            aGame->myRenderGo.store(false, std::memory_order_relaxed);
            aGame->RenderFrame(aGame->myRenderBuffer.load(std::memory_order_relaxed));
            aGame->myRenderDone.store(true, std::memory_order_release);
        }
        else
        {
            Wait(aGame->myOptions.myPaced, kPollSleep);
        }
    }
}

void Game::RenderFrame(unsigned aBufferIndex)
{
    RenderData& buffer = myRenderBuffers[aBufferIndex];
    myHGE->Gfx_BeginScene(0);
    myHGE->Gfx_Clear(0);
    buffer.Replay(buffer.GetElapsed());
    buffer.Clear();
    myHGE->Gfx_EndScene();
}
