#pragma once
// A headless engine for one test, small fixture pictures, and a way to draw a frame and look
// at the quads it presented.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "game.h"
#include "headlessframe.h"
#include "hge.h"
#include "inputsource.h"
#include "standinworld.h"
#include "testpictures.h"

class HeadlessTest : public testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHGE = hgeCreate(HGE_VERSION);
        myHGE->System_SetState(HGE_SCREENWIDTH, 1024);
        myHGE->System_SetState(HGE_SCREENHEIGHT, 768);
        myHGE->System_Initiate();
        myFolder =
            testpictures::TempFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    void TearDown() override
    {
        myHGE->System_Shutdown();
        myHGE->Release();
    }

    // The game's files come from the stand-in world: whole games start in a blink.
    void UseStandInWorld() const
    {
        myHGE->System_SetState(HGE_DATAFOLDER, standinworld::Folder().c_str());
    }

    // Writes a one-colour 32-bit DDS picture and returns its path.
    std::string Picture(const std::string& aName, int aWidth, int aHeight,
                        uint32_t aColor = 0xFFFFFFFF) const
    {
        return testpictures::WriteFile(
            myFolder / aName,
            testpictures::DdsArgb32(testpictures::Filled(aWidth, aHeight, aColor)));
    }

    // Runs aDraw between the begin and the end of a scene; the quads it presented.
    std::vector<hgeQuad> Draw(const std::function<void()>& aDraw) const
    {
        myHGE->Gfx_BeginScene(0);
        myHGE->Gfx_Clear(0);
        aDraw();
        myHGE->Gfx_EndScene();
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        return frame.myQuads;
    }

    HGE* myHGE = nullptr;
    std::filesystem::path myFolder;
};

// Runs on the logic thread after each frame's state flow: a look at the game, then the input
// for the frames that follow (set on the input source, read at the start of the next frame).
class FrameScript : public FrameObserver
{
public:
    void OnLogicFrame(const Game& aGame, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        Look(aGame);
        const auto action = myActions.find(myFrame++);
        if (action != myActions.end())
        {
            action->second();
        }
    }

    // After frame aFrame (0 is the first logic frame): aAction.
    void At(int aFrame, std::function<void()> aAction) { myActions[aFrame] = std::move(aAction); }
    // A key held after frame aFrame and let go after the next one: seen released by frame
    // aFrame + 2.
    void Tap(int aFrame, uint8_t aKey)
    {
        At(aFrame, [this, aKey] { myInput->SetKey(aKey, true); });
        At(aFrame + 1, [this, aKey] { myInput->SetKey(aKey, false); });
    }
    // The same with the left mouse button, after moving the cursor by (aDx, aDy).
    void Click(int aFrame, int aDx, int aDy)
    {
        At(aFrame, [this, aDx, aDy] { myInput->AddMotion(aDx, aDy); });
        At(aFrame + 1, [this] { myInput->SetButton(0, true); });
        At(aFrame + 2, [this] { myInput->SetButton(0, false); });
    }

    platform::InputSource* myInput = nullptr;

protected:
    // Every frame, before its actions.
    virtual void Look(const Game& /*aGame*/) {}

private:
    std::map<int, std::function<void()>> myActions;
    int myFrame = 0;
};
