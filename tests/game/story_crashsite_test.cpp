// The crash site's story: switching Roderick on, the finds and their remarks, the big tree, the
// raft across the river, and the two exits that wait for the robot.
#include <gtest/gtest.h>

#include "levelswitch.h"
#include "storyfixtures.h"

namespace
{
using namespace storyfixtures;

class CrashSiteStory : public StoryTest
{
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        mySwitch.CreateTransferZones();  // only the crash site is loaded; the rest hold zones
        Start(mySite, V(1000, 600));
    }
    void SwitchRobotOn() { mySite.GetRobot().Activate(); }
    // Stands her where her feet touch aFeet.
    void FeetAt(const V& aFeet) { Place(aFeet - V(32, 100)); }

    JungleCrashSite mySite;
    DeepJungle myDeepJungle;
    TimeMachine myMachine;
    Cave myCave;
    BlownUpCave myBlownUpCave;
    Village myVillage;
    Vulcano myVolcano;
    LevelSwitch mySwitch{mySite,        myDeepJungle, myMachine, myCave,
                         myBlownUpCave, myVillage,    myVolcano};
};

TEST_F(CrashSiteStory, RoderickIsSwitchedOnNearHimOnceHeHasBuzzed)
{
    // Nothing is picked up while he is off.
    UseAt(V(302, 829));
    EXPECT_TRUE(InScene("flintstone2"));

    // At his side the buzz starts on its own; a press before it has played switches nothing.
    UseAt(V(470, 870));
    EXPECT_FALSE(mySite.GetRobot().IsActivated());
    EXPECT_EQ(Names{"Activate Roderick"}, ReadThrough());
    EXPECT_FALSE(mySite.GetRobot().IsActivated());
    UseAt(V(470, 700));
    EXPECT_FALSE(mySite.GetRobot().IsActivated());

    UseAt(V(470, 870));
    EXPECT_TRUE(mySite.GetRobot().IsActivated());
    EXPECT_TRUE(PostMaster::GetInstance()->robotActivated);
    EXPECT_EQ(Names{"After Roderick activated"}, ReadThrough());
    UseAt(V(302, 829));
    EXPECT_TRUE(Holds("flintstone2"));
}

TEST_F(CrashSiteStory, EachFindIsRemarkedOnOnce)
{
    SwitchRobotOn();
    PickUpEach({{"flintstone2", V(302, 829), "Spott flint stone"},
                {"flintstone1", V(185, 571), "Put flint stone in Roderick"},
                {"sharpFlintstone", V(260, 327), "sharpFlintstone"},
                {"stick", V(543, 371), "That's a branch stupid"}});
    Wait(100.0f);
    EXPECT_EQ("", Running());
}

TEST_F(CrashSiteStory, TheTreeIsChoppedOnceItHasBeenTalkedAboutAndTheAxeIsHeld)
{
    SwitchRobotOn();
    Give({"axe", "logs"});
    UseAt(V(653 + 129, 170 - 129));
    EXPECT_EQ(1, Carried("logs"));
    EXPECT_EQ(Names{"before axe with tree"}, ReadThrough());
    // Logs in hand keep the axe from being readied, and so does having no axe.
    EXPECT_FALSE(mySite.IsAxeReady());
    Take("logs");
    Take("axe");
    Frame();
    EXPECT_FALSE(mySite.IsAxeReady());
    // Each press without the axe says what the tree wants.
    for (int press = 0; press < 2; ++press)
    {
        Use();
        EXPECT_EQ(Names{"tree needs an axe"}, ReadThrough());
    }
    Give({"axe"});
    Frame();
    EXPECT_TRUE(mySite.IsAxeReady());

    Use();
    EXPECT_TRUE(mySite.IsTreeChopped());
    EXPECT_FALSE(mySite.IsAxeReady());
    EXPECT_EQ(1, Carried("logs"));
    // The narration is read at the tree, and the talk about the logs follows it.
    EXPECT_EQ((Names{"with axe with tree intermediation", "after axe with tree"}), ReadThrough());

    // Nothing is left of the tree.
    Take("logs");
    Use();
    EXPECT_FALSE(mySite.GetTree().IsInRange());
    EXPECT_FALSE(mySite.IsAxeReady());
    EXPECT_EQ(0, Carried("logs"));
}

TEST_F(CrashSiteStory, WithTheAxeInHandTheTreeFallsAsSoonAsItHasBeenDescribed)
{
    SwitchRobotOn();
    Give({"axe"});
    UseAt(V(653 + 129, 170 - 129));
    EXPECT_EQ(
        (Names{"before axe with tree", "with axe with tree intermediation", "after axe with tree"}),
        ReadThrough());
    EXPECT_TRUE(mySite.IsTreeChopped());
    EXPECT_EQ(1, Carried("logs"));
}

TEST_F(CrashSiteStory, TheRaftShowsOnceMadeAndCarriesHerAcrossBehindTheCurtain)
{
    SwitchRobotOn();
    UseAt(V(831 - 100, 468));  // before the raft exists: ignored
    EXPECT_FALSE(mySite.GetRaft().IsShown());
    PostMaster& flags = *PostMaster::GetInstance();
    flags.raftMade = true;
    for (bool* overlay : {&flags.inventoryOpen, &flags.notepadOpen})
    {
        *overlay = true;
        Frame();
        EXPECT_FALSE(mySite.GetRaft().IsShown());
        *overlay = false;
    }
    Frame();
    EXPECT_TRUE(mySite.GetRaft().IsShown());
    EXPECT_EQ(V(731, 468), myPlayer.GetWorldPosition());
    Place(V(500, 600));
    EXPECT_EQ(Names{"have raft"}, ReadThrough());

    UseAt(V(731, 468));
    EXPECT_EQ(V(1440, 488), myPlayer.GetWorldPosition());
    EXPECT_EQ(V(1490, 488), mySite.GetRobot().GetWorldPosition());
    EXPECT_EQ(V(1331, 543), mySite.GetRaft().GetWorldPosition());
    EXPECT_EQ(255, mySite.GetCurtain().GetAlpha());
    Wait(160.0f);
    EXPECT_EQ(245, mySite.GetCurtain().GetAlpha());

    // Each bank's landing place is within the raft's reach: she can cross straight back.
    Use();
    EXPECT_EQ(V(721, 400), myPlayer.GetWorldPosition());
    EXPECT_EQ(V(671, 400), mySite.GetRobot().GetWorldPosition());
    EXPECT_EQ(V(831, 468), mySite.GetRaft().GetWorldPosition());
    EXPECT_EQ(255, mySite.GetCurtain().GetAlpha());
    Use();
    EXPECT_EQ(V(1440, 488), myPlayer.GetWorldPosition());
}

TEST_F(CrashSiteStory, TheJungleAndVillageExitsAreRefusedUntilRoderickIsOn)
{
    // She has heard him buzz and walks on south, past him, into the way to the deep jungle.
    Place(V(480, 899));
    Wait(32.0f);
    EXPECT_EQ(Names{"Activate Roderick"}, ReadThrough());
    FeetAt(V(512, 1005));
    Frame();
    EXPECT_EQ(V(368, 825), myPlayer.GetWorldPosition());
    EXPECT_EQ(Names{"You can't go there"}, ReadThrough());
    // Told again at every refusal: the way north too.
    FeetAt(V(550, 60));
    Frame();
    EXPECT_EQ(V(505, 90), myPlayer.GetWorldPosition());
    EXPECT_FALSE(mySite.IsTransferRequested());
    EXPECT_EQ(Names{"You can't go there"}, ReadThrough());

    SwitchRobotOn();
    FeetAt(V(550, 60));
    Frame();
    EXPECT_TRUE(mySite.IsTransferRequested());
    EXPECT_EQ(TRANSFER_VILLAGE, mySite.GetTransferTarget());
}
}  // namespace
