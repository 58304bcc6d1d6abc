#include "inputwrapper/inputwrapper.h"

#include <gtest/gtest.h>

#include "runtimefixtures.h"

namespace
{
constexpr uint8_t kE = 0x12;
constexpr uint8_t kW = 0x11;
constexpr uint8_t kReturn = 0x1C;
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
        EXPECT_FALSE(myInput.KeyReleased(kE)) << frame;
        EndPass();
    }
    mySource->SetKey(kE, false);
    EXPECT_TRUE(myInput.KeyReleased(kE));
    EXPECT_TRUE(myInput.KeyReleased(kE));  // every query of the frame sees the edge
    EXPECT_FALSE(myInput.KeyReleased(kReturn));
    EndPass();
    EXPECT_FALSE(myInput.KeyReleased(kE));
}

TEST_F(InputWrapperTest, APressAndReleaseBetweenTwoPollsIsMissed)
{
    EXPECT_FALSE(myInput.KeyReleased(kE));
    mySource->SetKey(kE, true);
    mySource->SetKey(kE, false);
    EXPECT_FALSE(myInput.KeyReleased(kE));
}

TEST_F(InputWrapperTest, KeyDownUsesUpItsReadingOfTheKey)
{
    mySource->SetKey(kW, true);
    EXPECT_TRUE(myInput.NoKeyDown());  // no poll yet
    EXPECT_TRUE(myInput.KeyDown(kW));
    EXPECT_TRUE(myInput.NoKeyDown());  // the reading was cleared
    mySource->SetKey(kW, false);
    // The cleared reading never entered the snapshot, so no release is seen.
    EXPECT_FALSE(myInput.KeyReleased(kW));

    mySource->SetKey(kW, true);
    EXPECT_FALSE(myInput.KeyReleased(kReturn));
    EXPECT_FALSE(myInput.NoKeyDown());
    mySource->SetKey(kW, false);
    EXPECT_TRUE(myInput.KeyReleased(kW));
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

TEST_F(InputWrapperTest, AButtonReleaseIsReportedToOneFrameAndPollsTheMouse)
{
    mySource->SetButton(0, true);
    myInput.Update();
    EXPECT_FALSE(myInput.ButtonReleased(0));
    EndPass();
    mySource->SetButton(0, false);
    mySource->AddMotion(10, 0);
    EXPECT_TRUE(myInput.ButtonReleased(0));
    EXPECT_EQ(myInput.GetMousePosition(), Vector2<int>(522, 384));
    EXPECT_TRUE(myInput.ButtonReleased(0));
    EXPECT_FALSE(myInput.ButtonReleased(1));
    EndPass();
    EXPECT_FALSE(myInput.ButtonReleased(0));
}

TEST_F(InputWrapperTest, AButtonBeyondTheEighthEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(myInput.ButtonReleased(8), testing::ExitedWithCode(1), "eight mouse buttons");
    EXPECT_EXIT(myInput.ButtonReleased(-1), testing::ExitedWithCode(1),
                "inputwrapper/inputwrapper");
}
