// The time machine's story: the wake-up, the belt, the engine and its four parts, the way home.
#include <gtest/gtest.h>

#include "storyfixtures.h"
#include "timemachine.h"

namespace
{
using namespace storyfixtures;

class TimeMachineStory : public StoryTest
{
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        Start(myMachine, V(2000, 2000));
    }
    // The computer's two conversations out of the way; she stands where she woke.
    void WakeUp()
    {
        Wait(1504.0f);
        ReadThrough();
        Wait(3008.0f);
        ReadThrough();
    }
    void UseEngine() { UseAt(V(100, 200)); }

    TimeMachine myMachine;
};

TEST_F(TimeMachineStory, TheComputerWakesHerAfterOneAndAHalfSecondsAndSpeaksThreeSecondsLater)
{
    Wait(1488.0f);  // 93 frames of 16 ms
    EXPECT_EQ("", Running());
    Frame();  // 1504 ms
    EXPECT_EQ("wake ester", Running());
    EXPECT_TRUE(InScene("fainted ester"));
    EXPECT_EQ((std::vector<std::string>{"wake ester"}), ReadThrough());
    // In the frame after the one that ended it, she stands up where she lay, once, and is
    // spoken to 3 s of level time later.
    EXPECT_EQ(V(310, 770), myPlayer.GetWorldPosition());
    EXPECT_FALSE(InScene("fainted ester"));
    const float woken = myMachine.GetWakeTime();
    EXPECT_EQ(myMachine.GetLevelTime() + 3000.0f, woken);
    Place(V(400, 780));  // she walks off; nothing puts her back
    while (myMachine.GetLevelTime() + 16.0f < woken)
    {
        Frame();
        EXPECT_EQ("", Running());
    }
    Frame();
    EXPECT_EQ("ester woken", Running());
    EXPECT_EQ(V(400, 780), myPlayer.GetWorldPosition());
}

TEST_F(TimeMachineStory, TheEngineIsLookedOverThenTakesOnePartAPressAndTheFourthFixesIt)
{
    WakeUp();
    // Its reach is lopsided: 130 left of and above (131, 223), 45 right and 50 below.
    // Below it the belt is in reach: taking it waits for Roderick, and she says so.
    for (const V& outside : {V(1, 200), V(176, 200), V(100, 93), V(100, 273)})
    {
        UseAt(outside);
        EXPECT_FALSE(myMachine.GetEngineSpot().IsUsed()) << outside.x << ", " << outside.y;
        EXPECT_EQ(outside == V(100, 273) ? Names{"Roderick is off"} : Names{}, ReadThrough());
    }
    // The first press looks the engine over; later ones with nothing to fit say so.
    UseEngine();
    EXPECT_TRUE(myMachine.GetEngineSpot().IsUsed());
    EXPECT_EQ(Names{"engine examined"}, ReadThrough());
    for (int press = 0; press < 2; ++press)
    {
        UseEngine();
        EXPECT_EQ(Names{"nothing to fit"}, ReadThrough());
    }

    // One part a press, each remarked on; a spare copy of a fitted part stays carried.
    Give({"Diamond", "Diamond", "stick"});
    UseEngine();
    EXPECT_EQ(Names{"crystal fitted"}, ReadThrough());
    EXPECT_EQ(0b0010u, myMachine.GetInstalledParts().to_ulong());
    EXPECT_EQ(1, Carried("Diamond"));
    UseEngine();
    EXPECT_EQ(Names{"nothing to fit"}, ReadThrough());
    Give({"gold necklace", "MagneticRock"});
    UseEngine();
    EXPECT_EQ(Names{"gold fitted"}, ReadThrough());
    EXPECT_EQ(0b1010u, myMachine.GetInstalledParts().to_ulong());

    // Beside the belt, a press picks the belt up and leaves the magnet alone.
    myMachine.GetRobot().Activate();
    UseAt(V(150, 290));
    EXPECT_TRUE(Holds("engine belt"));
    EXPECT_TRUE(Holds("MagneticRock"));
    EXPECT_EQ(Names{"belt found"}, ReadThrough());
    UseEngine();
    EXPECT_EQ(Names{"magnet fitted"}, ReadThrough());
    EXPECT_EQ(0b1110u, myMachine.GetInstalledParts().to_ulong());
    EXPECT_FALSE(myMachine.AllPartsIn());

    Give({"combined rubber"});
    UseEngine();
    EXPECT_TRUE(myMachine.AllPartsIn());
    EXPECT_FALSE(Holds("combined rubber"));
    EXPECT_EQ((Names{"belt fitted", "maching fixed"}), ReadThrough());
}

TEST_F(TimeMachineStory, EachFittedPartShowsInItsOwnSocketOnTheEngine)
{
    const char* const pictures[] = {"belt", "crystal", "magnet", "gold"};
    // Sockets left to right hold the crystal, the gold, the magnet and the belt.
    const float socketLeft[] = {183.2f, 64.4f, 143.6f, 104.0f};
    for (const unsigned parts : {0b0000u, 0b1010u, 0b1111u})
    {
        myMachine.SetState(TimeMachine::State{std::bitset<4>(parts), parts == 0b1111u, 0, true});
        for (size_t slot = 0; slot < 4; ++slot)
        {
            const V socket = V(socketLeft[slot], 148.6f) - myCamera.GetPosition();
            const int shown =
                Drawn(std::string("img/Levels/engine_part_") + pictures[slot] + ".dds", &socket);
            EXPECT_EQ((parts >> slot) & 1u, static_cast<unsigned>(shown)) << parts << " " << slot;
        }
    }
}

TEST_F(TimeMachineStory, TheTripHomeStartsFromTheWakingPlaceOnceTheMachineIsWhole)
{
    WakeUp();
    Place(V(310, 770));
    Wait(100.0f);
    EXPECT_EQ("", Running());

    Give({"combined rubber", "Diamond", "MagneticRock", "gold necklace"});
    for (int press = 0; press < 5; ++press)
    {
        UseEngine();
        ReadThrough();
    }
    EXPECT_TRUE(Played("maching fixed"));
    for (const V& shortOf : {V(309, 900), V(400, 769)})
    {
        Place(shortOf);
        Frame();
        EXPECT_EQ("", Running());
    }
    Place(V(310, 770));
    Frame();
    EXPECT_FALSE(myMachine.IsCutsceneRequested());
    EXPECT_EQ(Names{"home trip"}, ReadThrough());
    EXPECT_TRUE(myMachine.IsCutsceneRequested());
}
}  // namespace
