#include "inputwrapper/inputwrapper.h"

#include <gtest/gtest.h>

#include "padkeys.h"
#include "runtimefixtures.h"

namespace
{
// E is bound to use only; W walks up and scrolls up, as the pad's up does.
constexpr uint8_t kE = 0x12;
constexpr uint8_t kW = 0x11;
constexpr uint8_t kPadUp = platform::PadKey(platform::PadButton::DpadUp);
}  // namespace

class InputWrapperTest : public HeadlessTest
{
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        mySource = myHGE->System_GetState(HGE_HWND);
        ASSERT_NE(mySource, nullptr);
        myInput.Init(myHGE);
    }

    // The start of a logic frame: one reading of the devices.
    void Frame() { myInput.Update(); }
    // The end of a pass of the logic loop.
    void EndPass()
    {
        myInput.ClearKeyEdges();
        myInput.ClearButtonEdges();
    }

    platform::InputSource* mySource = nullptr;
    InputWrapper myInput;
};

TEST_F(InputWrapperTest, AKeyHeldAcrossFramesIsReportedOnceInTheFrameOfItsRelease)
{
    mySource->SetKey(kE, true);
    for (int frame = 0; frame < 3; ++frame)
    {
        Frame();
        EXPECT_FALSE(myInput.Released(Action::Use)) << frame;
        EndPass();
    }
    mySource->SetKey(kE, false);
    Frame();
    EXPECT_TRUE(myInput.Released(Action::Use));
    EXPECT_TRUE(myInput.Released(Action::Use));  // every query of the frame sees the edge
    EXPECT_FALSE(myInput.Released(Action::TalkOn));
    EndPass();
    Frame();
    EXPECT_FALSE(myInput.Released(Action::Use));
}

TEST_F(InputWrapperTest, AReleaseBetweenTwoQueriesOfOneFrameIsSeenByTheNextFrame)
{
    mySource->SetKey(kE, true);
    Frame();
    EndPass();
    Frame();
    EXPECT_FALSE(myInput.Released(Action::Use));  // the pick-up's query
    mySource->SetKey(kE, false);
    EXPECT_FALSE(myInput.Released(Action::Use));  // a later query of the same frame agrees
    EXPECT_FALSE(myInput.NoKeyDown());
    EndPass();
    Frame();
    EXPECT_TRUE(myInput.Released(Action::Use));  // not lost
}

TEST_F(InputWrapperTest, AQuickTapBetweenTwoReadingsCountsOnce)
{
    // The window's event pump lets go of a key only once a reading has seen it down.
    mySource->SetKey(kE, true);
    mySource->ReleaseKeyAfterRead(kE);
    Frame();
    EXPECT_FALSE(myInput.Released(Action::Use));
    EndPass();
    Frame();
    EXPECT_TRUE(myInput.Released(Action::Use));
    EndPass();
    Frame();
    EXPECT_FALSE(myInput.Released(Action::Use));
}

TEST_F(InputWrapperTest, AnActionAskedHeldGivesNoReleaseEdgeForThatReading)
{
    mySource->SetKey(kW, true);
    EXPECT_TRUE(myInput.NoKeyDown());  // nothing read yet
    Frame();
    EXPECT_TRUE(myInput.Held(Action::WalkUp));
    EXPECT_TRUE(myInput.Held(Action::WalkUp));  // asking twice in one frame gives the same answer
    EXPECT_FALSE(myInput.NoKeyDown());
    EndPass();
    mySource->SetKey(kW, false);
    Frame();
    // The reading asked about never counted as seen down, so no release is seen.
    EXPECT_FALSE(myInput.Released(Action::ScrollUp));
    EXPECT_TRUE(myInput.NoKeyDown());
    EndPass();

    // Every held key of the action is asked about, not only the first.
    mySource->SetKey(kW, true);
    mySource->SetKey(kPadUp, true);
    Frame();
    EXPECT_TRUE(myInput.Held(Action::WalkUp));
    EndPass();
    mySource->SetKey(kW, false);
    mySource->SetKey(kPadUp, false);
    Frame();
    EXPECT_FALSE(myInput.Released(Action::ScrollUp));
    EndPass();

    // Held but not asked about in the last frame before its release: the edge comes.
    mySource->SetKey(kW, true);
    Frame();
    EndPass();
    mySource->SetKey(kW, false);
    Frame();
    EXPECT_TRUE(myInput.Released(Action::ScrollUp));
}

TEST_F(InputWrapperTest, TheCursorMovesOnlyInsideTheOpenRectangle)
{
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(512, 384));
    mySource->AddMotion(491, -383);
    myInput.Update();
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(1003, 1));

    // One step past a limit on one axis drops the whole move, the other axis included.
    mySource->AddMotion(1, 10);
    myInput.Update();
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(1003, 1));
    mySource->AddMotion(-10, -1);
    myInput.Update();
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(1003, 1));
    mySource->AddMotion(-1003, 5);
    myInput.Update();
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(1003, 1));
    mySource->AddMotion(-1002, 746);
    myInput.Update();
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(1, 747));
    mySource->AddMotion(0, 1);
    myInput.Update();
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(1, 747));
}

TEST_F(InputWrapperTest, AButtonReleaseIsReportedToOneFrameWithTheCursorOfThatFrame)
{
    mySource->SetButton(0, true);
    Frame();
    EXPECT_FALSE(myInput.ButtonReleased(0));
    EndPass();
    mySource->SetButton(0, false);
    mySource->AddMotion(10, 0);
    Frame();
    mySource->AddMotion(50, 0);  // arrives after the reading: the next frame's
    EXPECT_TRUE(myInput.ButtonReleased(0));
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(522, 384));
    EXPECT_TRUE(myInput.ButtonReleased(0));
    EXPECT_FALSE(myInput.ButtonReleased(1));
    EndPass();
    Frame();
    EXPECT_FALSE(myInput.ButtonReleased(0));
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(572, 384));
}

TEST_F(InputWrapperTest, AButtonBeyondTheEighthEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(myInput.ButtonReleased(8), testing::ExitedWithCode(1), "eight mouse buttons");
    EXPECT_EXIT(myInput.ButtonReleased(-1), testing::ExitedWithCode(1),
                "inputwrapper/inputwrapper");
}
