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
}  // namespace
