// The volcano's story: the bird, the banana tree, the flight in the bird suit to the diamond,
// the stairs, the children on the ledge, and the hot spot that cures rubber string.
#include <gtest/gtest.h>

#include "storyfixtures.h"
#include "vulcano.h"

namespace
{
using namespace storyfixtures;
constexpr uint8_t ourKeyO = 0x18;
constexpr uint8_t ourKeyEscape = 0x01;
const char* const ourBird = "img/NPCs/sprite_ledge_bird.dds";
const char* const ourBuiltStairs = "img/Levels/volcano_stairs.dds";
const V ourStairKit(750, 438);
const V ourLedge(617, 50);
const V ourHotSpot(972, 415);

class VolcanoStory : public StoryTest
{
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        Start(myVolcano, V(5.5f, 633));
    }
    // "A bird" heard out at 2.5 s, so that it interrupts nothing later.
    void HearTheBird()
    {
        Wait(2512.0f);
        EXPECT_EQ(Names{"A bird"}, ReadThrough());
    }
    // Landed after the flight, then the diamond taken: she is set down by the ledge.
    void TakeTheDiamond()
    {
        myVolcano.RequestConversation("Landing");
        Frame();
        EXPECT_EQ(Names{"Landing"}, ReadThrough());
        Give({"Diamond"});
        Frame();
        EXPECT_EQ(Names{"Diamond"}, ReadThrough());
    }
    bool Hidden(const std::string& aName) const
    {
        size_t index = 0;
        return myLevel->FindItem(aName, index) && myLevel->GetItems()[index].IsHidden();
    }
    // The suit made and put on: the flight's pictures have started.
    void PutOnTheSuit()
    {
        HearTheBird();
        Give({"bird suit"});
        Frame();
        EXPECT_EQ(Names{"The bird suit"}, ReadThrough());
    }
    // Whether Roderick walks after her.
    bool RobotFollows()
    {
        Robot& robot = myVolcano.GetRobot();
        robot.SetWorldPosition(myPlayer.GetWorldPosition() + V(300, 300));
        Wait(160.0f);
        return robot.GetWorldPosition() != myPlayer.GetWorldPosition() + V(300, 300);
    }

    Vulcano myVolcano;
};

TEST_F(VolcanoStory, TheBirdIsSpottedFromTwoAndAHalfSeconds)
{
    Frame(2499.0f);
    EXPECT_EQ("", Running());
    Frame(1.0f);
    EXPECT_EQ("A bird", Running());
}

TEST_F(VolcanoStory, TheBirdIsStillPointedOutAfterTenSecondsUntilSheFlies)
{
    Frame(10000.0f);
    Wait(100.0f);
    EXPECT_EQ("A bird", Running());
}

TEST_F(VolcanoStory, TheBananaTreeGivesItsFruitAndLeavesAndTheBirdWaitsForTheTalk)
{
    Wait(2000.0f);
    UseAt(V(290, 455));
    for (const char* gift : {"banana", "banana tree leaf 1", "banana tree leaf 2"})
    {
        EXPECT_TRUE(Holds(gift)) << gift;
    }
    EXPECT_FALSE(Holds("banana tree"));
    EXPECT_FALSE(InScene("banana tree"));
    Wait(600.0f);
    EXPECT_EQ((Names{"Banana Tree", "A bird"}), ReadThrough());
}

TEST_F(VolcanoStory, TheBirdSuitCarriesHerUpToTheDiamondAndSheIsSetDownOnce)
{
    HearTheBird();
    const V ledge = V(734, 66) - myCamera.GetPosition();
    EXPECT_EQ(1, Drawn(ourBird, &ledge));  // by the diamond, where the lines say it sits
    myInventory.Open();
    Give({"bird suit"});
    Frame();
    EXPECT_FALSE(myInventory.IsOpen());
    EXPECT_FALSE(PostMaster::GetInstance()->inventoryOpen);
    EXPECT_EQ(Names{"The bird suit"}, ReadThrough());
    EXPECT_FALSE(Holds("bird suit"));
    EXPECT_EQ(V(690, 140), myPlayer.GetWorldPosition());
    EXPECT_EQ(0, Drawn(ourBird));  // it flew off with her

    // The pictures fade in over 255 + 255 frames, stay 5 s (313 frames of 16 ms) and fade out
    // over 255 + 255 frames, each stage starting in the frame the one before it ends.
    int frames = 1;  // the first ran as the suit came off
    while (!myVolcano.GetOverlayPair().IsFinished())
    {
        EXPECT_NE("Landing", Running());
        Frame();
        ++frames;
    }
    EXPECT_EQ(255 + 254 + 312 + 254 + 254, frames);
    EXPECT_EQ(Names{"Landing"}, ReadThrough());
    EXPECT_FALSE(RobotFollows());

    // The diamond and the children's spot are both within reach of where she landed.
    Use();
    EXPECT_TRUE(InScene("children"));
    EXPECT_FALSE(myVolcano.IsPalmOverlayShown());
    EXPECT_EQ(Names{"Diamond"}, ReadThrough());
    EXPECT_EQ(V(690, 240), myPlayer.GetWorldPosition());
    EXPECT_EQ(255, myVolcano.GetCurtain().GetAlpha());
    EXPECT_TRUE(myVolcano.IsPalmOverlayShown());
    Place(V(600, 300));
    Wait(160.0f);
    EXPECT_EQ(V(600, 300), myPlayer.GetWorldPosition());
    EXPECT_EQ(245, myVolcano.GetCurtain().GetAlpha());
}

TEST_F(VolcanoStory, AKeyMovesTheFlightOnAStageAtATimeAndTakesNothingWithinReach)
{
    PutOnTheSuit();
    const OverlayPair& flight = myVolcano.GetOverlayPair();
    EXPECT_TRUE(flight.IsPlaying());
    PressKey(worldfixtures::ourKeyReturn);  // the picture at once
    EXPECT_EQ(255, flight.GetPictureAlpha());
    EXPECT_EQ(255, flight.GetCurtainAlpha());
    PressKey(ourKeyEscape);  // the picture goes, the curtain opens
    EXPECT_EQ(0, flight.GetPictureAlpha());
    EXPECT_LT(flight.GetCurtainAlpha(), 255);
    PressKey(worldfixtures::ourKeyE);  // over
    EXPECT_TRUE(flight.IsFinished());
    EXPECT_FALSE(Holds("Diamond"));  // within her reach up there all along
    EXPECT_EQ(Names{"Landing"}, ReadThrough());
}

TEST_F(VolcanoStory, TheStairsAreBuiltOnFirstUseAndThenCarryHerBothWays)
{
    EXPECT_EQ(0, Drawn(ourBuiltStairs));
    UseAt(ourStairKit);
    EXPECT_EQ("stair up", LastInScene());
    EXPECT_EQ(V(580, 725), myVolcano.GetItems().back().GetWorldPosition());
    EXPECT_EQ(Names{"building stairs"}, ReadThrough());
    EXPECT_EQ(V(428, 689), myPlayer.GetWorldPosition());
    EXPECT_TRUE(InScene("stair kit"));
    EXPECT_EQ(1, Drawn(ourBuiltStairs));

    UseAt(V(580, 725));
    EXPECT_EQ(V(775, 353), myPlayer.GetWorldPosition());
    EXPECT_FALSE(RobotFollows());
    UseAt(ourStairKit);
    EXPECT_EQ(V(428, 689), myPlayer.GetWorldPosition());
    EXPECT_TRUE(RobotFollows());
    EXPECT_EQ("", Running());
    EXPECT_EQ(8u + 1u, myVolcano.GetItems().size());  // as placed, and the stairs' top end
}

TEST_F(VolcanoStory, TheChildrenCanBeSpokenToOnceSheIsUpAndAskForStepsEachTime)
{
    UseAt(ourLedge);
    EXPECT_EQ("", Running());
    EXPECT_TRUE(InScene("children"));
    // Nobody is seen up there until she hears them giggling as she lands.
    EXPECT_TRUE(Hidden("stale boy"));
    EXPECT_TRUE(Hidden("stale girl"));
    EXPECT_TRUE(Hidden("children"));

    myVolcano.RequestConversation("Landing");
    Frame();
    EXPECT_EQ(Names{"Landing"}, ReadThrough());
    EXPECT_FALSE(Hidden("stale boy"));
    EXPECT_FALSE(Hidden("stale girl"));
    EXPECT_FALSE(Hidden("children"));
    UseAt(ourLedge);
    EXPECT_EQ(Names{"Saving children"}, ReadThrough());
    EXPECT_TRUE(InScene("children"));
    for (int press = 0; press < 2; ++press)
    {
        UseAt(ourLedge);
        EXPECT_EQ(Names{"children no exit"}, ReadThrough());
        EXPECT_TRUE(InScene("children"));
    }
}

TEST_F(VolcanoStory, WithTheStairsBuiltTheChildrenAreBroughtDown)
{
    TakeTheDiamond();
    UseAt(ourStairKit);
    ReadThrough();
    UseAt(ourLedge);
    EXPECT_EQ(Names{"Saving children"}, ReadThrough(11));
    Frame();
    EXPECT_EQ("complete children", Running());
    EXPECT_FALSE(InScene("children"));
    EXPECT_FALSE(Holds("children"));
    EXPECT_FALSE(Hidden("stale boy"));
    ReadThrough();
    EXPECT_TRUE(Hidden("stale boy"));
    EXPECT_TRUE(Hidden("stale girl"));
    EXPECT_TRUE(myVolcano.AreChildrenHome());
}

TEST_F(VolcanoStory, TheHotSpotSaysWhatItWantsAtEveryUseAndCuresTheRubberStringOnce)
{
    for (int use = 0; use < 2; ++use)
    {
        UseAt(ourHotSpot);
        EXPECT_EQ(Names{"Vulcanization failed"}, ReadThrough());
        EXPECT_TRUE(InScene("vulcanization"));
    }

    for (int press = 0; press < 2; ++press)
    {
        PressKey(ourKeyO);
        EXPECT_EQ(Names{"shortcut O"}, ReadThrough());
    }
    EXPECT_EQ(1, Carried("rubber string"));
    UseAt(ourHotSpot);
    EXPECT_TRUE(Holds("refined rubber"));
    EXPECT_FALSE(Holds("rubber string"));
    EXPECT_FALSE(InScene("vulcanization"));
    EXPECT_FALSE(Holds("vulcanization")) << "the hot spot is used up, not carried off";
    EXPECT_EQ(Names{"Vulcanization success"}, ReadThrough());
}
}  // namespace
