// The world side of Game: set-up, the per-frame steps and the end condition. The frame
// steps grow as the world does; their order is the painter's and the game's rules' order.
#include "eventsingelton.h"
#include "game.h"
#include "inputwrapper/inputwrapper.h"

void Game::InitWorld(HGE* aHGE, const Vector2<float>& /*aScreenSize*/)
{
    myHGE = aHGE;
    // Sound manager, start screen, camera, levels, heroine, inventory and notepad come here.

    myRenderBuffers.Init(5, 5, true);
    myRenderBuffers.Add(RenderData());
    myRenderBuffers.Add(RenderData());

    Tools::Timer* master = myTimerManager.GetMasterTimer();
    myGameTimer = myTimerManager.CreateTimer();
    myFrameTimer = myTimerManager.CreateTimer();
    master->AddChild(myGameTimer);
    myGameTimer->AddChild(myFrameTimer);
    myTimerManager.Update();

    // Product catalogue, start item, cursor, curtain, transfers, quit menu and billboard
    // come here.
}

void Game::UpdateWorld(InputWrapper& /*aInput*/, float /*aElapsedMs*/) {}

void Game::Update(InputWrapper& /*aInput*/, float /*aElapsedMs*/) {}

void Game::RenderToBuffer(InputWrapper& /*aInput*/, unsigned /*aBufferIndex*/) {}

void Game::FinishLogicFrame(InputWrapper& aInput, unsigned aBufferIndex)
{
    RenderToBuffer(aInput, aBufferIndex);
}

bool Game::EndRequested() const
{
    return PostMaster::GetInstance()->quitRequested;
}
