// The village's story: the woman's request told over five conversations, the necklace for the
// diamond, the rope, and the diamond shortcut.
#include <gtest/gtest.h>

#include "storyfacts.h"
#include "storyfixtures.h"
#include "timemachine.h"
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

TEST_F(VillageStory, TheWomanTellsHerRequestInFiveStepsAndGivesTheNecklaceForTheDiamondOnce)
{
    UseAt(V(690 + 130, 630));  // out of her reach; the press switches Roderick on
    EXPECT_TRUE(myVillage.GetRobot().IsActivated());
    EXPECT_EQ("", Running());

    // The diamond already in hand: she takes it as soon as her request has been told.
    Give({"Diamond"});
    UseAtWoman();
    EXPECT_EQ((Names{"The main quest1", "The main quest2", "The main quest3", "The main quest4",
                     "The main quest5", "Call me Ester", "Call me Ester2"}),
              ReadThrough());
    EXPECT_EQ(1, Carried("gold necklace"));
    EXPECT_EQ(1, Carried("Diamond"));
    // Later she is glad to see Ester, as often as asked; the necklace was given once.
    Take("gold necklace");
    for (int press = 0; press < 2; ++press)
    {
        UseAtWoman();
        EXPECT_EQ(Names{"Nissa again"}, ReadThrough());
    }
    EXPECT_EQ(0, Carried("gold necklace"));

    // The rope found afterwards is still remarked on.
    PickUpEach({{"Rope", V(1000, 600), "rope"}});
}

TEST_F(VillageStory, TheDiamondAlreadyInTheEngineEarnsTheNecklaceToo)
{
    TimeMachine machine;
    const StoryFacts facts(&myInventory, {&myVillage, &machine}, &machine);
    myVillage.SetStoryFacts(&facts);
    myVillage.GetRobot().Activate();
    UseAtWoman();
    ReadThrough();
    EXPECT_TRUE(Played("The main quest5"));
    EXPECT_FALSE(Holds("gold necklace"));

    TimeMachine::State fitted;
    fitted.parts.set(1);
    machine.SetState(fitted);
    Frame();
    EXPECT_EQ("Call me Ester", Running());
    EXPECT_EQ(1, myVillage.GetConversations()[myVillage.FindConversation("Call me Ester")]
                     .GetWordings()
                     .front())
        << "the wording for the diamond in the engine";
    EXPECT_EQ((Names{"Call me Ester", "Call me Ester2"}), ReadThrough());
    EXPECT_TRUE(Holds("gold necklace"));
}

TEST_F(VillageStory, HGivesADiamondWheneverNoneIsCarriedAndSaysSo)
{
    for (int press = 0; press < 2; ++press)
    {
        PressKey(ourKeyH);
        EXPECT_EQ(Names{"shortcut H"}, ReadThrough());
    }
    EXPECT_EQ(1, Carried("Diamond"));
    Take("Diamond");
    PressKey(ourKeyH);
    EXPECT_EQ(1, Carried("Diamond"));
}
}  // namespace
