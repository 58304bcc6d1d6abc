#include "levelswitch.h"

#include <gtest/gtest.h>

#include "linkedworld.h"

namespace
{
using namespace worldfixtures;
using V = Vector2<float>;

// The seven scenes on stand-in pictures, linked by the real zone table.
class LevelSwitchTest : public LinkedWorldTest
{
protected:
    // The view centred on aHeroine, kept within aLevel's picture.
    static V CentredIn(const LevelBaseData& aLevel, const V& aHeroine)
    {
        Camera camera;
        camera.Focus(aHeroine);
        camera.Clamp(aLevel.GetMapWidth(), aLevel.GetMapHeight());
        return camera.GetPosition();
    }
};

TEST_F(LevelSwitchTest, EveryLinkedZoneLeadsToItsPartnerThroughBothHalves)
{
    myCrashSite.GetRobot().Activate();
    const struct
    {
        const char* way;
        LevelBaseData* from;
        V feet;
        LevelBaseData* to;
        V arrival;  // the heroine's position
    } cases[] = {
        // Crash site, "DeepJungleTransfer" (268, 1000) 522 x 30: middle line y = 1015. Where
        // the rule would land her partly outside the scene (y -46 and -118 here), all of her
        // is kept in it.
        {"crash -> deep, upper", &myCrashSite, V(529, 1015), &myDeepJungle, V(760.5f, 0)},
        {"crash -> deep, lower", &myCrashSite, V(529, 1016), &myDeepJungle, V(760.5f, 0)},
        // Deep jungle, "JungleCrashTransfer" (644, 0) 297 x 36.
        {"deep -> crash, upper", &myDeepJungle, V(700, 18), &myCrashSite, V(497, 945)},
        {"deep -> crash, lower", &myDeepJungle, V(941, 36), &myCrashSite, V(497, 885)},
        // Time machine (91, 900) 98 x 20 and the crash site's door (88, 267) 107 x 70.
        {"machine -> crash, upper", &myTimeMachine, V(91, 900), &myCrashSite, V(109.5f, 272)},
        {"machine -> crash, lower", &myTimeMachine, V(189, 920), &myCrashSite, V(109.5f, 132)},
        {"crash -> machine, upper", &myCrashSite, V(141.5f, 302), &myTimeMachine, V(108, 830)},
        {"crash -> machine, lower", &myCrashSite, V(141.5f, 303), &myTimeMachine, V(108, 790)},
        // Crash site (425, 40) 250 x 40 and the village (543, 1948) 991 x 100.
        {"crash -> village, upper", &myCrashSite, V(550, 60), &myVillage, V(1006.5f, 1920)},
        {"crash -> village, lower", &myCrashSite, V(550, 61), &myVillage, V(1006.5f, 1798)},
        {"village -> crash, upper", &myVillage, V(1000, 1998), &myCrashSite, V(518, 0)},
        {"village -> crash, lower", &myVillage, V(1000, 2048), &myCrashSite, V(518, 0)},
        // Crash site (1962, 257) 86 x 393 and the volcano (0, 442) 25 x 582, crossed sideways.
        {"crash -> volcano, left", &myCrashSite, V(2005, 400), &myVolcano, V(5.5f, 633)},
        {"crash -> volcano, right", &myCrashSite, V(2006, 400), &myVolcano, V(0, 633)},
        {"volcano -> crash, left", &myVolcano, V(12.5f, 500), &myCrashSite, V(1984, 353.5f)},
        {"volcano -> crash, right", &myVolcano, V(25, 500), &myCrashSite, V(1887, 353.5f)},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.to, WalkInto(*c.from, c.feet)) << c.way;
        EXPECT_EQ(c.arrival, myPlayer.GetWorldPosition()) << c.way;
        EXPECT_FALSE(c.from->IsTransferRequested()) << c.way;
        EXPECT_EQ(TRANSFER_CRASH_SITE, c.from->GetTransferTarget()) << c.way;
        EXPECT_EQ(CentredIn(*c.to, c.arrival), myCamera.GetPosition()) << c.way;
    }
}

TEST_F(LevelSwitchTest, CaveEntrancesPlaceTheHeroineBesideTheOtherEnd)
{
    // "CaveFromDeepJungle" (66, 130) 71 x 96; both caves' exits (313, 75) 57 x 22.
    EXPECT_EQ(&myCave, WalkInto(myDeepJungle, V(66, 130)));
    EXPECT_EQ(V(341.5f, 105), myPlayer.GetWorldPosition());
    EXPECT_TRUE(myCave.GetRobot().IsActivated());
    EXPECT_EQ(V(-10000, -10000), myCave.GetRobot().GetWorldPosition());

    EXPECT_EQ(&myDeepJungle, WalkInto(myCave, V(370, 97)));
    EXPECT_EQ(V(187, 180), myPlayer.GetWorldPosition());
    EXPECT_EQ(CentredIn(myDeepJungle, V(187, 180)), myCamera.GetPosition());

    // Once blown apart, the same entrance leads to the blown-up cave, to the same spot.
    myCave.BlowApart();
    EXPECT_EQ(&myBlownUpCave, WalkInto(myDeepJungle, V(137, 226)));
    EXPECT_EQ(V(341.5f, 105), myPlayer.GetWorldPosition());
    EXPECT_TRUE(myBlownUpCave.GetRobot().IsActivated());
    EXPECT_EQ(&myDeepJungle, WalkInto(myBlownUpCave, V(313, 75)));
    EXPECT_EQ(V(187, 180), myPlayer.GetWorldPosition());
}

TEST_F(LevelSwitchTest, TwoCrashSiteExitsWaitForTheRobot)
{
    EXPECT_EQ(&myCrashSite, WalkInto(myCrashSite, V(529, 1010)));
    EXPECT_EQ(V(368, 825), myPlayer.GetWorldPosition());
    EXPECT_EQ(V(368 - 512, 825 - 382), myCamera.GetPosition());
    EXPECT_FALSE(myCrashSite.IsTransferRequested());
    EXPECT_EQ(TRANSFER_CRASH_SITE, myCrashSite.GetTransferTarget());
    // The refusal is told in the same frame.
    EXPECT_EQ("You can't go there", myCrashSite.GetRequestedConversation());
    EXPECT_TRUE(myCrashSite.IsConversationRunning());
    EXPECT_TRUE(PostMaster::GetInstance()->conversationRunning);

    EXPECT_EQ(&myCrashSite, WalkInto(myCrashSite, V(550, 70)));
    EXPECT_EQ(V(505, 90), myPlayer.GetWorldPosition());
    EXPECT_FALSE(myCrashSite.IsTransferRequested());

    // Switched on, the same zones lead on.
    myCrashSite.GetRobot().Activate();
    EXPECT_EQ(&myDeepJungle, WalkInto(myCrashSite, V(529, 1010)));
    EXPECT_EQ(&myVillage, WalkInto(myCrashSite, V(550, 70)));
}

TEST_F(LevelSwitchTest, TheOtherExitsDoNotWaitForTheRobot)
{
    EXPECT_EQ(&myCrashSite, WalkInto(myTimeMachine, V(140, 910)));
    EXPECT_EQ(&myTimeMachine, WalkInto(myCrashSite, V(141.5f, 300)));
    EXPECT_EQ(&myVolcano, WalkInto(myCrashSite, V(2000, 400)));
    EXPECT_FALSE(myTimeMachine.GetRobot().IsActivated());
}

TEST_F(LevelSwitchTest, ASwitchedOnRobotIsCarriedBesideTheHeroine)
{
    Robot& crashRobot = myCrashSite.GetRobot();
    crashRobot.Activate();

    WalkInto(myCrashSite, V(141.5f, 300));  // into the time machine
    EXPECT_TRUE(myTimeMachine.GetRobot().IsActivated());
    EXPECT_EQ(myPlayer.GetWorldPosition() + V(0, -50), myTimeMachine.GetRobot().GetWorldPosition());

    WalkInto(myTimeMachine, V(140, 910));  // back out
    EXPECT_EQ(myPlayer.GetWorldPosition() + V(0, 50), crashRobot.GetWorldPosition());

    WalkInto(myCrashSite, V(550, 70));  // village
    EXPECT_EQ(myPlayer.GetWorldPosition() + V(0, 50), myVillage.GetRobot().GetWorldPosition());
    EXPECT_TRUE(myVillage.GetRobot().IsActivated());
    WalkInto(myVillage, V(1000, 2040));
    EXPECT_EQ(myPlayer.GetWorldPosition() + V(0, 50), crashRobot.GetWorldPosition());

    WalkInto(myCrashSite, V(2000, 400));  // volcano
    EXPECT_EQ(myPlayer.GetWorldPosition() + V(50, 0), myVolcano.GetRobot().GetWorldPosition());
    WalkInto(myVolcano, V(20, 500));
    EXPECT_EQ(myPlayer.GetWorldPosition() + V(-50, 0), crashRobot.GetWorldPosition());

    WalkInto(myCrashSite, V(529, 1010));  // deep jungle
    EXPECT_TRUE(myDeepJungle.GetRobot().IsActivated());
    EXPECT_EQ(myPlayer.GetWorldPosition() + V(-20, 50), myDeepJungle.GetRobot().GetWorldPosition());
}

TEST_F(LevelSwitchTest, ReturningFromTheDeepJungleLeavesTheCrashSiteRobotWhereItWas)
{
    Robot& crashRobot = myCrashSite.GetRobot();
    crashRobot.Activate();
    crashRobot.SetWorldPosition(V(600, 900));
    WalkInto(myCrashSite, V(529, 1010));
    myDeepJungle.GetRobot().SetWorldPosition(V(700, 200));

    EXPECT_EQ(&myCrashSite, WalkInto(myDeepJungle, V(700, 10)));
    EXPECT_EQ(V(600, 900), crashRobot.GetWorldPosition());
}

TEST_F(LevelSwitchTest, ASwitchedOffRobotStaysBehind)
{
    const V machineRobot = myTimeMachine.GetRobot().GetWorldPosition();
    WalkInto(myCrashSite, V(141.5f, 300));
    EXPECT_FALSE(myTimeMachine.GetRobot().IsActivated());
    EXPECT_EQ(machineRobot, myTimeMachine.GetRobot().GetWorldPosition());

    // The volcano's robot is on from the start and comes back to the crash site with her.
    EXPECT_TRUE(myVolcano.GetRobot().IsActivated());
    WalkInto(myVolcano, V(20, 500));
    EXPECT_TRUE(myCrashSite.GetRobot().IsActivated());
}

TEST_F(LevelSwitchTest, ATransferBlacksTheScreenOutAtOnceAndFadesBack)
{
    WalkInto(myTimeMachine, V(140, 910));
    EXPECT_EQ(254, myCurtain.GetAlpha());
    EXPECT_TRUE(myCurtain.IsActive());
    for (int i = 0; i < 253; ++i)
    {
        myCurtain.Open();
    }
    EXPECT_TRUE(myCurtain.IsActive());
    myCurtain.Open();
    EXPECT_EQ(0, myCurtain.GetAlpha());
    EXPECT_FALSE(myCurtain.IsActive());

    // No request, no switch: the curtain is left alone.
    EXPECT_EQ(&myCrashSite, WalkInto(myCrashSite, V(1000, 600)));
    EXPECT_EQ(0, myCurtain.GetAlpha());
}
// The crash site and the deep jungle with pictures of different sizes.
class LevelSwitchViewTest : public LevelSwitchTest
{
protected:
    void WritePictures() override
    {
        AddPicture("img/Levels/scene_jungle_crash.dds", 1100, 1200);
        AddPicture("img/Levels/scene_deepjungle.dds", 1024, 768);
    }
};

TEST_F(LevelSwitchViewTest, TheViewIsKeptWithinTheSceneSheArrivesIn)
{
    myCrashSite.GetRobot().Activate();
    ASSERT_EQ(&myDeepJungle, WalkInto(myCrashSite, V(529, 1010)));
    // The deep jungle is no larger than the screen: the view stands at its corner.
    EXPECT_EQ(V(0, 0), myCamera.GetPosition());

    // Back at the crash site she arrives at (497, 945): the view centred on her is kept within
    // the crash site's 1100 x 1200, not the deep jungle's 1024 x 768 she came from.
    ASSERT_EQ(&myCrashSite, WalkInto(myDeepJungle, V(700, 18)));
    EXPECT_EQ(V(0, 432), myCamera.GetPosition());
    myPlayer.UpdateScreen(0.0f, myCamera);
    EXPECT_EQ(V(497, 513), myPlayer.GetScreenPosition());
}
}  // namespace
