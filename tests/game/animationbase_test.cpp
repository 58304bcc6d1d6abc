#include "animationbase.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "quadsprite.h"
#include "runtimefixtures.h"

namespace
{
const Vector2<float> kAt(10.0f, 20.0f);

// Left u of the quad as drawn, in pixels of a sheet aSheetWidth wide.
float LeftPixel(const AnimationBase& aAnimation, float aSheetWidth)
{
    return aAnimation.GetQuad()->GetQuad().v[0].tx * aSheetWidth;
}
}  // namespace

class AnimationTest : public HeadlessTest
{
protected:
    // Four 64 x 32 frames, 50 ms each, and a second sheet of the same layout.
    void SetUp() override
    {
        HeadlessTest::SetUp();
        myWalk = AnimationBase(myHGE);
        myWalk.AddSheet(Picture("walk.dds", 256, 32), 4, 50.0f);
        myWalk.AddSheet(Picture("walk2.dds", 256, 32, 0xFF0000FF), 4, 50.0f);
        myWalk.Init();
    }

    AnimationBase myWalk{nullptr};
};

TEST_F(AnimationTest, LargeElapsedTimesStepSeveralFramesWithoutLosingTime)
{
    EXPECT_FLOAT_EQ(myWalk.GetWidth(), 64.0f);
    std::vector<hgeQuad> quads = Draw([&] { myWalk.DrawAt(175.0f, kAt); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_FLOAT_EQ(quads[0].v[0].x, 10.0f);
    EXPECT_FLOAT_EQ(quads[0].v[2].x, 74.0f);  // one frame wide
    // Three changes: columns 0, 1, 2 were set, column 2 is on screen, frame 3 comes next.
    EXPECT_FLOAT_EQ(myWalk.GetFrameOffset(), 128.0f);
    EXPECT_FLOAT_EQ(quads[0].v[0].tx * 256.0f, 128.0f);
    EXPECT_FLOAT_EQ(quads[0].v[1].tx * 256.0f, 192.0f);
    EXPECT_EQ(myWalk.GetFrame(), 3);

    // The 25 ms left over count towards the next change, which wraps to frame 0.
    Draw([&] { myWalk.DrawAt(25.0f, kAt); });
    EXPECT_EQ(myWalk.GetFrame(), 0);
    EXPECT_FLOAT_EQ(LeftPixel(myWalk, 256.0f), 192.0f);
}

TEST_F(AnimationTest, APausedAnimationKeepsItsColumnAndDoesNotCatchUp)
{
    Draw([&] { myWalk.DrawAt(60.0f, kAt); });
    myWalk.Pause();
    EXPECT_EQ(Draw([&] { myWalk.DrawAt(1000.0f, kAt); }).size(), 1u);
    EXPECT_EQ(myWalk.GetFrame(), 1);
    myWalk.Unpause();
    Draw([&] { myWalk.DrawAt(39.0f, kAt); });
    EXPECT_EQ(myWalk.GetFrame(), 1);  // 10 + 39 ms: still short of one frame
    Draw([&] { myWalk.DrawAt(1.0f, kAt); });
    EXPECT_EQ(myWalk.GetFrame(), 2);
}

TEST_F(AnimationTest, ASheetSwitchKeepsTheFrameIndex)
{
    Draw([&] { myWalk.DrawAt(150.0f, kAt); });
    ASSERT_EQ(myWalk.GetFrame(), 3);
    myWalk.SetAnimation(1);
    EXPECT_EQ(myWalk.GetCurrentAnimation(), 1);
    EXPECT_EQ(myWalk.GetFrame(), 3);
    const std::vector<hgeQuad> quads = Draw([&] { myWalk.DrawAt(50.0f, kAt); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].tex, myWalk.GetTexture());  // the sheet added last is the second
    EXPECT_FLOAT_EQ(quads[0].v[0].tx * 256.0f, 192.0f);
}

TEST_F(AnimationTest, AOneFrameSheetOfTinyFramesEndsOnColumnZero)
{
    AnimationBase heroine(myHGE);
    heroine.AddSheet(Picture("walk16.dds", 1024, 64), 16, 50.0f);
    heroine.AddSheet(Picture("stand.dds", 64, 64), 1, 0.01f);
    heroine.Init();
    Draw([&] { heroine.DrawAt(500.0f, kAt); });
    ASSERT_EQ(heroine.GetFrame(), 10);
    heroine.SetAnimation(1);
    Draw([&] { heroine.DrawAt(2.0f, kAt); });
    EXPECT_EQ(heroine.GetFrame(), 0);
    EXPECT_FLOAT_EQ(heroine.GetFrameOffset(), 0.0f);
    EXPECT_FLOAT_EQ(LeftPixel(heroine, 64.0f), 0.0f);
    EXPECT_FLOAT_EQ(heroine.GetQuad()->GetQuad().v[1].tx, 1.0f);

    // A stall of hours neither hangs nor changes the outcome.
    heroine.SetAnimation(0);
    Draw([&] { heroine.DrawAt(3.6e6f + 50.0f * 3, kAt); });
    EXPECT_EQ(heroine.GetFrame(), 3);
}

TEST_F(AnimationTest, ACopySharesTheQuadButKeepsItsOwnFrames)
{
    AnimationBase copy = myWalk;
    Draw([&] { copy.DrawAt(100.0f, kAt); });
    EXPECT_EQ(copy.GetFrame(), 2);
    EXPECT_EQ(myWalk.GetFrame(), 0);
    EXPECT_EQ(copy.GetQuad(), myWalk.GetQuad());
    copy.SetVisible(false);
    EXPECT_TRUE(Draw([&] { copy.DrawAt(10.0f, kAt); }).empty());
    EXPECT_EQ(Draw([&] { myWalk.DrawAt(10.0f, kAt); }).size(), 1u);
}

TEST_F(AnimationTest, SheetChangesOnTheLogicThreadDoNotRaceWithDrawing)
{
    std::atomic<bool> done{false};
    std::thread logic(
        [&]
        {
            for (int i = 0; i < 5000; ++i)
            {
                myWalk.SetAnimation(i % 2);
                if (i % 7 == 0)
                {
                    myWalk.Pause();
                }
                else
                {
                    myWalk.Unpause();
                }
            }
            done = true;
        });
    int frames = 0;
    while (!done || frames < 10)
    {
        Draw([&] { myWalk.DrawAt(20.0f, kAt); });
        ++frames;
    }
    logic.join();
    EXPECT_EQ(myWalk.GetCurrentAnimation(), 1);
    EXPECT_FALSE(myWalk.IsPaused());
}

TEST_F(AnimationTest, AWrongSheetIndexOrAMissingSheetEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(myWalk.SetAnimation(2), testing::ExitedWithCode(1), "Out of bounds");
    AnimationBase robot(myHGE);
    EXPECT_EXIT(robot.AddSheet((myFolder / "missing.dds").string(), 16, 20.0f),
                testing::ExitedWithCode(1), "missing.dds.*Can't load the sheet!.*animationbase");
    // No frames, or frames lasting no time, would divide by zero or never stop stepping.
    const std::string sheet = Picture("sheet.dds", 64, 32);
    EXPECT_EXIT(robot.AddSheet(sheet, 0, 20.0f), testing::ExitedWithCode(1), "at least one frame");
    EXPECT_EXIT(robot.AddSheet(sheet, 16, 0.0f), testing::ExitedWithCode(1), "at least one frame");
    EXPECT_EXIT(robot.DrawAt(1.0f, kAt), testing::ExitedWithCode(1), "before Init");
}
