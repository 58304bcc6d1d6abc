// The village's story: the woman's request told over five conversations, the necklace for the
// diamond, the rope, and the diamond shortcut.
#include <gtest/gtest.h>

#include "storyfixtures.h"
#include "village.h"

namespace
{
using namespace storyfixtures;
constexpr uint8_t ourKeyH = 0x23;

class VillageStory : public StoryTest
{
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        Start(myVillage, V(500, 500));
    }
    void UseAtWoman() { UseAt(V(690 + 129, 630 - 129)); }

    Village myVillage;
};

TEST_F(VillageStory, TheWomanTellsHerRequestInFiveStepsAndGivesTheNecklaceForTheDiamond)
{
    UseAt(V(690 + 130, 630));  // out of her reach; the press switches Roderick on
    EXPECT_TRUE(myVillage.GetRobot().IsActivated());
    EXPECT_EQ("", Running());

    Give({"Diamond"});
    UseAtWoman();
    for (const char* step : {"The main quest1", "The main quest2", "The main quest3",
                             "The main quest4", "The main quest5"})
    {
        EXPECT_EQ(Names{step}, ReadThrough());
    }
    EXPECT_FALSE(Holds("gold necklace"));
    EXPECT_EQ("", Running());

    UseAtWoman();
    EXPECT_TRUE(Holds("gold necklace"));
    EXPECT_EQ(Names{"Call me Ester"}, ReadThrough());
    EXPECT_EQ(Names{"Call me Ester2"}, ReadThrough());
    UseAtWoman();
    EXPECT_EQ(1, Carried("gold necklace"));
    Take("gold necklace");
    UseAtWoman();
    EXPECT_EQ(1, Carried("gold necklace"));
    EXPECT_EQ(1, Carried("Diamond"));
    EXPECT_EQ("", Running());

    // The rope found afterwards is still remarked on.
    PickUpEach({{"Rope", V(1000, 600), "rope"}});
}

TEST_F(VillageStory, HGivesADiamondWheneverNoneIsCarriedEvenDuringATalk)
{
    PressKey(ourKeyH);
    PressKey(ourKeyH);
    EXPECT_EQ(1, Carried("Diamond"));
    UseAtWoman();
    EXPECT_EQ("The main quest1", Running());
    Take("Diamond");
    PressKey(ourKeyH);
    EXPECT_EQ(1, Carried("Diamond"));
}
}  // namespace
