// The world's frame inside a whole Game on the headless engine, with the real scenes.
#include <gtest/gtest.h>

#include "eventsingelton.h"
#include "game.h"
#include "runtimefixtures.h"

namespace
{
constexpr uint8_t ourKeyD = 0x20;

// Holds D from a given logic frame on, and pauses the game at another.
class Script : public FrameObserver
{
public:
    void OnLogicFrame(RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        ++myFrame;
        if (myFrame == myWalkFrom)
        {
            myInput->SetKey(ourKeyD, true);
        }
        if (myFrame == myPauseAt)
        {
            PostMaster::GetInstance()->paused = true;
        }
    }

    platform::InputSource* myInput = nullptr;
    int myFrame = 0;
    int myWalkFrom = 1;
    int myPauseAt = -1;
};

class GameWorldTest : public HeadlessTest
{
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        myScript.myInput = myHGE->System_GetState(HGE_HWND);
    }

    void TearDown() override
    {
        myHGE->System_GetState(HGE_HWND)->ReleaseAll();
        HeadlessTest::TearDown();
    }

    // Runs a game for aSwaps swaps; the quads of the last frame it presented. That frame drew
    // the logic frame numbered myDrawn (the first frame presented is always empty).
    std::vector<hgeQuad> Run(bool aPlay, uint64_t aSwaps)
    {
        GameOptions options;
        options.myStartInPlay = aPlay;
        options.myFixedStepMs = 2.0f;
        options.myPaced = false;
        options.myObserver = &myScript;
        platform::PresentedFrame frame;
        platform::LastPresentedFrame(myHGE, frame);
        const uint64_t before = frame.myNumber;
        Game game(options);
        while (game.GetSwapCount() < aSwaps && game.SwapBuffers())
        {
        }
        game.Stop();
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        myDrawn = static_cast<int>(frame.myNumber - before) - 1;
        return frame.myQuads;
    }

    Script myScript;
    int myDrawn = 0;
};

float Width(const hgeQuad& aQuad)
{
    return aQuad.v[1].x - aQuad.v[0].x;
}
float Height(const hgeQuad& aQuad)
{
    return aQuad.v[3].y - aQuad.v[0].y;
}

TEST_F(GameWorldTest, TheTitlePhaseDrawsTheSceneUnderTheClosedCurtain)
{
    myScript.myWalkFrom = -1;
    const std::vector<hgeQuad> quads = Run(false, 20);
    // Floor, robot, heroine, overlay, then the curtain, still opaque because only play opens it.
    ASSERT_EQ(5u, quads.size());
    const hgeQuad& curtain = quads[4];
    EXPECT_EQ(0.0f, curtain.v[0].x);
    EXPECT_EQ(0.0f, curtain.v[0].y);
    EXPECT_GE(Width(curtain), 1024.0f);
    EXPECT_GE(Height(curtain), 768.0f);
    EXPECT_EQ(255u, curtain.v[0].col >> 24);
}

TEST_F(GameWorldTest, PlayDrawsTheSceneInPaintersOrderBehindTheFadingCurtain)
{
    myScript.myWalkFrom = -1;
    const std::vector<hgeQuad> quads = Run(true, 21);
    // Floor, robot, heroine, overlay, curtain.
    ASSERT_EQ(5u, quads.size());
    const hgeQuad& floor = quads[0];
    const hgeQuad& heroine = quads[2];
    const hgeQuad& curtain = quads[4];
    EXPECT_GE(Width(floor), 1024.0f);
    EXPECT_GE(Height(floor), 768.0f);
    EXPECT_EQ(64.0f, Width(heroine));
    EXPECT_EQ(128.0f, Height(heroine));
    // The heroine stands at (310, 770) in world pixels; the floor's corner is at -camera.
    EXPECT_EQ(310.0f, heroine.v[0].x - floor.v[0].x);
    EXPECT_EQ(770.0f, heroine.v[0].y - floor.v[0].y);
    EXPECT_EQ(0.0f, curtain.v[0].x);
    EXPECT_EQ(0.0f, curtain.v[0].y);
    // The curtain opens one step per frame from opaque. Its colour lives in the sprite, not in
    // the frame's buffer, so the next logic frame may already have taken one more step.
    EXPECT_NEAR(255 - myDrawn, static_cast<int>(curtain.v[0].col >> 24), 1);
}

TEST_F(GameWorldTest, TheHeroineWaitsForTheCurtainThenWalks)
{
    const std::vector<hgeQuad> during = Run(true, 200);
    ASSERT_EQ(5u, during.size());
    EXPECT_EQ(310.0f, during[2].v[0].x - during[0].v[0].x);

    myScript.myFrame = 0;
    myScript.myInput->ReleaseAll();
    const std::vector<hgeQuad> after = Run(true, 301);
    ASSERT_GE(after.size(), 4u);
    // The fade ends at frame 255; from the next frame on she walks 0.2 px per frame.
    ASSERT_GT(myDrawn, 255);
    EXPECT_NEAR(310.0f + static_cast<float>(myDrawn - 255) * 0.2f,
                after[2].v[0].x - after[0].v[0].x, 0.01f);
}

TEST_F(GameWorldTest, ThePausedGameShowsTheCursorOnTop)
{
    myScript.myWalkFrom = -1;
    myScript.myPauseAt = 5;
    const std::vector<hgeQuad> quads = Run(true, 11);
    ASSERT_EQ(6u, quads.size());
    // The cursor starts at the input's (512, 384).
    EXPECT_EQ(512.0f, quads[5].v[0].x);
    EXPECT_EQ(384.0f, quads[5].v[0].y);
}
}  // namespace
