// The caves' story: the guano that needs a coconut shell, the sulphur, the magnetic rock and
// the blast that sends her out with it; then the ruins.
#include <gtest/gtest.h>

#include "blownupcave.h"
#include "cave.h"
#include "storyfixtures.h"

namespace
{
using namespace storyfixtures;

class CaveStory : public StoryTest
{
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        Start(myCave, V(341.5f, 105));
        myCave.GetRobot().Activate();  // the level switch does, on arrival
        Frame();
        EXPECT_EQ(Names{"Entering"}, ReadThrough());
    }

    Cave myCave;
};

TEST_F(CaveStory, GuanoStaysWhereItLiesUntilItIsScoopedIntoACoconutHalfAtOneTake)
{
    const V guano(432, 337);
    for (int take = 0; take < 2; ++take)
    {
        UseAt(guano);
        EXPECT_EQ(Names{"guano eww"}, ReadThrough());
        EXPECT_FALSE(Holds("Guano"));
        EXPECT_TRUE(InScene("Guano"));
    }

    Give({"coconut half 2"});
    UseAt(guano);
    EXPECT_FALSE(Holds("coconut half 2"));
    EXPECT_EQ(Names{"Picked up guano"}, ReadThrough());
    EXPECT_TRUE(Holds("Guano"));
    EXPECT_FALSE(InScene("Guano"));
    EXPECT_EQ("", Running());

    PickUpEach({{"Sulphur", V(212, 420), "Picked up sulphur"}});
}

TEST_F(CaveStory, TheGunpowderGoesOffAtAnyPressOnceTheRockHasBeenSeen)
{
    Give({"gunpowder"});
    const V away(300, 300);
    UseAt(away);
    EXPECT_EQ("", Running());

    // The rock is noticed where she stands beside it at the wall (up to 90 right of (0, 352),
    // 130 above and 60 below it), once.
    for (const V& outside : {V(90, 352), V(2, 222), V(2, 412)})
    {
        Place(outside);
        Wait(32.0f);
        EXPECT_EQ("", Running());
    }
    Place(V(2, 300));
    Wait(32.0f);
    EXPECT_EQ(Names{"Close to rock"}, ReadThrough());
    Place(away);
    Wait(32.0f);
    Place(V(0, 352));
    Wait(32.0f);
    EXPECT_EQ("", Running());

    Place(away);
    PressKey(worldfixtures::ourKeyReturn);
    EXPECT_EQ(Names{"bye bye cave"}, ReadThrough());
    EXPECT_EQ(1, Carried("MagneticRock"));
    EXPECT_FALSE(Holds("gunpowder"));
    EXPECT_TRUE(myCave.IsBlownApart());
    EXPECT_TRUE(myCave.IsTransferRequested());
    EXPECT_EQ(TRANSFER_DEEP_JUNGLE_FROM_CAVE, myCave.GetTransferTarget());
}

using BlownUpCaveStory = StoryTest;

TEST_F(BlownUpCaveStory, TheRuinsAreRemarkedOnAfterMoreThanTwoSecondsInThem)
{
    BlownUpCave ruins;
    Start(ruins, V(341.5f, 105));
    Frame(1000.0f);
    Frame(1000.0f);
    EXPECT_EQ("", Running());
    Frame(1.0f);
    EXPECT_EQ(Names{"blown apart"}, ReadThrough());
}
}  // namespace
