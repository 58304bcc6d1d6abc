// The deep jungle's story: the rubber tree that gives its latex only to an axe and a coconut
// shell, and the remarks on the other finds.
#include <gtest/gtest.h>

#include "deepjungle.h"
#include "storyfixtures.h"

namespace
{
using namespace storyfixtures;

class DeepJungleStory : public StoryTest
{
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        Start(myJungle, V(500, 500));
        myJungle.GetRobot().Activate();  // he comes in switched on
    }
    // The tree taken with the use key; the conversation it starts, read through.
    Names TapTree()
    {
        UseAt(V(199, 656));
        EXPECT_FALSE(Holds("rubber tree"));
        return ReadThrough();
    }

    DeepJungle myJungle;
};

TEST_F(DeepJungleStory, TheRubberTreeSaysWhatItWantsAtEveryUseUntilTheAxeAndAShellAreBrought)
{
    // Noticed first; it goes back to the end of the scene's items.
    EXPECT_EQ("dried leaves", LastInScene());
    EXPECT_EQ(Names{"rubber"}, TapTree());
    EXPECT_EQ("rubber tree", LastInScene());
    for (int use = 0; use < 2; ++use)
    {
        EXPECT_EQ(Names{"no axe"}, TapTree());
    }
    Give({"axe"});
    for (int use = 0; use < 2; ++use)
    {
        EXPECT_EQ(Names{"no shell"}, TapTree());
    }
    EXPECT_EQ("rubber tree", LastInScene());

    Give({"coconut half 1"});
    EXPECT_EQ(Names{"tapped"}, TapTree());
    EXPECT_FALSE(Holds("coconut half 1"));
    EXPECT_TRUE(Holds("rubber"));
    EXPECT_FALSE(InScene("rubber tree"));
}

TEST_F(DeepJungleStory, WithTheAxeAndAShellTheFirstUseTapsTheTree)
{
    Give({"axe", "coconut half 1"});
    EXPECT_EQ((Names{"rubber", "tapped"}), TapTree());
    EXPECT_FALSE(Holds("coconut half 1"));
    EXPECT_TRUE(Holds("rubber"));
    EXPECT_FALSE(InScene("rubber tree"));
}

TEST_F(DeepJungleStory, TheOtherFindsAreRemarkedOnOnce)
{
    PickUpEach({{"coconut", V(721, 622), "palm"},
                {"log", V(431, 289), "log"},
                {"dried leaves", V(267, 425), "dry leafs"}});
    // Back from the blast with the magnetic rock.
    Give({"MagneticRock"});
    Frame();
    EXPECT_EQ(Names{"explosion escapeist"}, ReadThrough());
    Wait(100.0f);
    EXPECT_EQ("", Running());
}
}  // namespace
