#include "robot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "worldfixtures.h"

namespace
{
using namespace worldfixtures;
using V = Vector2<float>;

class RobotTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        myRobot.Init(Engine());
        myRobot.SetWorldPosition(V(400, 300));
    }

    // The sheet chosen for a direction of unit length with the given x, pointing down or up.
    int SheetFor(float aX, bool aDown)
    {
        const float y = std::sqrt(std::max(0.0f, 1.0f - aX * aX));
        myRobot.ChooseWalkSheet(V(aX, aDown ? y : -y));
        return myRobot.GetAnimationIndex();
    }

    Robot myRobot;
};

TEST_F(RobotTest, StartsSwitchedOffAndDoesNotFollow)
{
    EXPECT_FALSE(myRobot.IsActivated());
    EXPECT_EQ(0, myRobot.GetAnimationIndex());
    myRobot.Follow(V(900, 300), 16.0f);
    EXPECT_EQ(V(400, 300), myRobot.GetWorldPosition());
    EXPECT_EQ(0, myRobot.GetAnimationIndex());
}

TEST_F(RobotTest, WalksTowardsAHeroineMoreThan100PixelsAway)
{
    myRobot.Activate();
    myRobot.Follow(V(501, 300), 10.0f);
    EXPECT_EQ(6, myRobot.GetAnimationIndex());
    EXPECT_FLOAT_EQ(409.0f, myRobot.GetWorldPosition().x);
    EXPECT_FLOAT_EQ(300.0f, myRobot.GetWorldPosition().y);
}

TEST_F(RobotTest, StaysWithin100PixelsAndIdlesAfterMoreThan100Ms)
{
    myRobot.Activate();
    myRobot.Follow(V(400, 500), 1.0f);  // walk down first
    ASSERT_EQ(10, myRobot.GetAnimationIndex());
    const V stop = myRobot.GetWorldPosition();
    const V heroine = stop + V(0, 100);  // exactly 100 away

    myRobot.Follow(heroine, 60.0f);
    myRobot.Follow(heroine, 40.0f);  // 100 ms: not yet
    EXPECT_EQ(10, myRobot.GetAnimationIndex());
    EXPECT_EQ(stop, myRobot.GetWorldPosition());
    myRobot.Follow(heroine, 1.0f);
    EXPECT_EQ(11, myRobot.GetAnimationIndex());
    myRobot.Follow(heroine, 50.0f);  // idling again changes nothing
    EXPECT_EQ(11, myRobot.GetAnimationIndex());

    // Walking again starts the wait over.
    myRobot.Follow(stop + V(-300, 0), 1.0f);
    EXPECT_EQ(14, myRobot.GetAnimationIndex());
    myRobot.Follow(myRobot.GetWorldPosition(), 100.0f);  // on top of her: no division by 0
    EXPECT_EQ(14, myRobot.GetAnimationIndex());
}

TEST_F(RobotTest, SectorLimitsAreTheCosinesOfTheSectorEdges)
{
    const std::array<float, 4>& limits = myRobot.GetSectorLimits();
    EXPECT_NEAR(-0.92388f, limits[0], 1e-5f);
    EXPECT_NEAR(-0.38268f, limits[1], 1e-5f);
    EXPECT_NEAR(0.38268f, limits[2], 1e-5f);
    EXPECT_NEAR(0.92388f, limits[3], 1e-5f);
}

TEST_F(RobotTest, EachSectorHasItsWalkSheet)
{
    EXPECT_EQ(14, SheetFor(-1.0f, true));
    EXPECT_EQ(12, SheetFor(-0.7f, true));
    EXPECT_EQ(16, SheetFor(-0.7f, false));
    EXPECT_EQ(10, SheetFor(0.0f, true));
    EXPECT_EQ(2, SheetFor(0.0f, false));
    EXPECT_EQ(8, SheetFor(0.5f, true));  // (0.5, 0.866): 60 degrees below the x axis
    EXPECT_EQ(4, SheetFor(0.5f, false));
    EXPECT_EQ(6, SheetFor(1.0f, false));
}

TEST_F(RobotTest, ADirectionOnALimitBelongsToTheSectorToItsRight)
{
    const std::array<float, 4>& limits = myRobot.GetSectorLimits();
    const int onLimitDown[4] = {12, 10, 8, 6};
    const int belowLimitDown[4] = {14, 12, 10, 8};
    const int onLimitUp[4] = {16, 2, 4, 6};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(onLimitDown[i], SheetFor(limits[i], true)) << i;
        EXPECT_EQ(onLimitUp[i], SheetFor(limits[i], false)) << i;
        EXPECT_EQ(belowLimitDown[i], SheetFor(std::nextafter(limits[i], -2.0f), true)) << i;
    }
}

TEST_F(RobotTest, StoppedHeIdlesAtOnceAndStandsStill)
{
    myRobot.Activate();
    myRobot.Follow(V(900, 300), 1.0f);
    ASSERT_EQ(6, myRobot.GetAnimationIndex());
    myRobot.SetFollowing(false);
    EXPECT_EQ(7, myRobot.GetAnimationIndex());
    const V parked = myRobot.GetWorldPosition();
    myRobot.Follow(V(900, 300), 100.0f);
    EXPECT_EQ(parked, myRobot.GetWorldPosition());
    myRobot.SetFollowing(true);
    myRobot.Follow(V(900, 300), 1.0f);
    EXPECT_GT(myRobot.GetWorldPosition().x, parked.x);
}

TEST_F(RobotTest, SwitchedOffHeKeepsTheDeactivatedSheetWhenIdled)
{
    myRobot.SetFollowing(false);
    EXPECT_EQ(0, myRobot.GetAnimationIndex());
}

TEST_F(RobotTest, ThePromptShowsWithin49PixelsButNotAt50)
{
    Camera camera;
    camera.SetPosition(V(100, 50));
    RenderData buffer;

    myRobot.Update(0.0f, camera, V(400 + 49, 300 - 49));
    EXPECT_TRUE(myRobot.IsNear());
    myRobot.Submit(buffer);
    myRobot.SubmitPrompt(buffer);
    ASSERT_EQ(2u, buffer.GetCommands().size());
    EXPECT_EQ(RENDER_ANIMATION, buffer.GetCommands()[0].myKind);
    EXPECT_EQ(V(300, 250), buffer.GetCommands()[0].myPosition);
    EXPECT_EQ(RENDER_SPRITE, buffer.GetCommands()[1].myKind);
    EXPECT_EQ(V(350, 200), buffer.GetCommands()[1].myPosition);

    for (const V& heroine : {V(450, 300), V(400, 250), V(350, 300)})
    {
        buffer.Clear();
        myRobot.Update(0.0f, camera, heroine);
        EXPECT_FALSE(myRobot.IsNear());
        myRobot.Submit(buffer);
        myRobot.SubmitPrompt(buffer);
        EXPECT_EQ(1u, buffer.GetCommands().size());
    }

    // Switched on, he shows no prompt.
    buffer.Clear();
    myRobot.Activate();
    myRobot.Update(0.0f, camera, V(410, 310));
    myRobot.Submit(buffer);
    myRobot.SubmitPrompt(buffer);
    EXPECT_EQ(1u, buffer.GetCommands().size());
}

TEST_F(RobotTest, OverlaysPauseHisAnimationButNotHisWalk)
{
    Camera camera;
    myRobot.Activate();
    PostMaster::GetInstance()->inventoryOpen = true;
    myRobot.Update(0.0f, camera, V(900, 300));
    EXPECT_TRUE(myRobot.GetAnimation().IsPaused());
    myRobot.Follow(V(900, 300), 10.0f);
    EXPECT_FLOAT_EQ(409.0f, myRobot.GetWorldPosition().x);
    PostMaster::GetInstance()->inventoryOpen = false;
    myRobot.Update(0.0f, camera, V(900, 300));
    EXPECT_FALSE(myRobot.GetAnimation().IsPaused());
    // The other overlays and the paused game hold it too.
    for (bool PostMaster::*flag :
         {&PostMaster::notepadOpen, &PostMaster::conversationRunning, &PostMaster::paused})
    {
        PostMaster::GetInstance()->*flag = true;
        myRobot.Update(0.0f, camera, V(900, 300));
        EXPECT_TRUE(myRobot.GetAnimation().IsPaused());
        PostMaster::GetInstance()->*flag = false;
        myRobot.Update(0.0f, camera, V(900, 300));
        EXPECT_FALSE(myRobot.GetAnimation().IsPaused());
    }
}

TEST_F(RobotTest, CopyStateFromTakesPositionSheetAndSwitch)
{
    myRobot.Activate();
    myRobot.Follow(V(400, 900), 1.0f);
    Robot other;
    other.Init(Engine());
    other.CopyStateFrom(myRobot);
    EXPECT_TRUE(other.IsActivated());
    EXPECT_EQ(myRobot.GetWorldPosition(), other.GetWorldPosition());
    EXPECT_EQ(10, other.GetAnimationIndex());
    EXPECT_EQ(10, other.GetAnimation().GetCurrentAnimation());
}
}  // namespace
