// The things that react when the heroine comes close: their strict reach, their prompts, and
// the raft that carries her across the river.
#include "interactable.h"

#include <gtest/gtest.h>

#include "eventsingelton.h"
#include "raft.h"
#include "worldfixtures.h"

namespace
{
using namespace worldfixtures;
using V = Vector2<float>;

class InteractableTest : public WorldTest
{
protected:
    // Updates aThing with the heroine at aHeroine and returns how many entries its picture and
    // its prompt submit.
    static size_t Submitted(Interactable& aThing, const V& aHeroine)
    {
        aThing.Update(Camera(), aHeroine);
        RenderData buffer;
        aThing.Submit(buffer);
        aThing.SubmitPrompt(buffer);
        return buffer.GetCommands().size();
    }
};

TEST_F(InteractableTest, TheWomanIsInRangeStrictlyWithin130Pixels)
{
    Interactable woman = interactables::VillageWoman(Engine());
    EXPECT_EQ(V(690, 630), woman.GetWorldPosition());
    EXPECT_EQ(2u, Submitted(woman, V(690 + 129.9f, 630)));
    EXPECT_TRUE(woman.IsInRange());
    EXPECT_EQ(1u, Submitted(woman, V(690 + 130, 630)));
    EXPECT_FALSE(woman.IsInRange());
    EXPECT_EQ(1u, Submitted(woman, V(690, 630 - 130)));
    // The prompt stands 30 right of and 60 above the picture.
    Camera camera;
    camera.SetPosition(V(100, 200));
    woman.Update(camera, V(700, 640));
    RenderData buffer;
    woman.Submit(buffer);
    woman.SubmitPrompt(buffer);
    ASSERT_EQ(2u, buffer.GetCommands().size());
    EXPECT_EQ(V(590, 430), buffer.GetCommands()[0].myPosition);
    EXPECT_EQ(V(620, 370), buffer.GetCommands()[1].myPosition);
}

TEST_F(InteractableTest, TheRaftTreePromptsOnlyOnceTheRobotIsOn)
{
    Interactable tree = interactables::RaftTree(Engine());
    EXPECT_EQ(1u, Submitted(tree, V(653, 170)));
    EXPECT_TRUE(tree.IsInRange());
    PostMaster::GetInstance()->robotActivated = true;
    EXPECT_EQ(2u, Submitted(tree, V(653, 170)));
}

TEST_F(InteractableTest, TheMagneticStoneAndTheEngineHaveTheirOwnReach)
{
    Interactable stone = interactables::MagneticStone(Engine());
    EXPECT_EQ(2u, Submitted(stone, V(89.9f, 352 + 59.9f)));
    EXPECT_EQ(1u, Submitted(stone, V(90, 352)));
    EXPECT_EQ(1u, Submitted(stone, V(0, 352 - 130)));

    // The engine: x from -130 to +45 and y from -130 to +50 around (131, 223), all strict.
    Interactable engine = interactables::EngineSpot(Engine());
    const struct
    {
        V heroine;
        bool inRange;
    } cases[] = {
        {V(1.1f, 223), true},  {V(1, 223), false},  {V(175.9f, 223), true}, {V(176, 223), false},
        {V(131, 93.1f), true}, {V(131, 93), false}, {V(131, 272.9f), true}, {V(131, 273), false},
    };
    for (const auto& c : cases)
    {
        engine.Update(Camera(), c.heroine);
        EXPECT_EQ(c.inRange, engine.IsInRange()) << c.heroine.x << ", " << c.heroine.y;
    }
}

TEST_F(InteractableTest, TheUsedMarkIsTheLevelsToKeep)
{
    Interactable spot = interactables::EngineSpot(Engine());
    EXPECT_FALSE(spot.IsUsed());
    spot.SetUsed();
    EXPECT_TRUE(spot.IsUsed());
}

TEST_F(InteractableTest, AnEmptyOrVanishedThingDrawsNothingAndIsNeverInRange)
{
    Interactable nothing;
    EXPECT_EQ(0u, Submitted(nothing, V(0, 0)));
    EXPECT_FALSE(nothing.IsInRange());
    Interactable tree = interactables::RaftTree(Engine());
    tree.Vanish();
    EXPECT_EQ(0u, Submitted(tree, V(653, 170)));
    EXPECT_FALSE(tree.IsInRange());
    EXPECT_FALSE(tree.Reaches(V(653, 170)));
}

class RaftTest : public WorldTest
{
protected:
    // A built raft with its top-left at aPosition.
    void Build(const V& aPosition)
    {
        myRaft = Raft(Engine(), aPosition);
        myRaft.SetShown(true);
    }

    // The raft's update with the heroine at aHeroine; the robot ends where the raft puts it.
    V Update(V& aHeroine)
    {
        myRobot = V(1, 1);
        return myRaft.Update(Camera(), aHeroine, myRobot);
    }

    Raft myRaft;
    V myRobot;
};

TEST_F(RaftTest, UsedInReachItCarriesHerToTheOtherBankAtItsNextUpdate)
{
    Build(V(831, 468));  // the west bank
    V heroine(900, 500);
    Update(heroine);
    myRaft.Use();
    EXPECT_TRUE(myRaft.IsActive());
    EXPECT_EQ(V(1440, 488), Update(heroine));
    EXPECT_EQ(V(1440, 488), heroine);
    EXPECT_EQ(V(1490, 488), myRobot);
    EXPECT_EQ(V(1331, 543), myRaft.GetWorldPosition());
    EXPECT_FALSE(myRaft.IsActive());
    EXPECT_EQ(V(), Update(heroine));  // idle on the east bank, ready for the way back

    // She lands within its reach: a press carries her straight back.
    EXPECT_TRUE(myRaft.IsInRange());
    myRaft.Use();
    EXPECT_EQ(V(721, 400), Update(heroine));
    EXPECT_EQ(V(671, 400), myRobot);
    EXPECT_EQ(V(831, 468), myRaft.GetWorldPosition());
}

TEST_F(RaftTest, LeftOfX1097SheGoesEastFrom1097West)
{
    for (const auto& [x, expected] :
         {std::pair<float, V>{1097.0f, V(721, 400)}, std::pair<float, V>{1096.9f, V(1440, 488)}})
    {
        Build(V(1000, 500));  // within reach of both
        V heroine(x, 500);
        Update(heroine);
        myRaft.Use();
        EXPECT_EQ(expected, Update(heroine)) << x;
    }
}

TEST_F(RaftTest, AUseOutOfReachNeverCrossesAndAHiddenRaftIgnoresTheKey)
{
    Build(V(831, 468));
    V heroine(100, 100);
    Update(heroine);
    myRaft.Use();  // out of reach: toggles...
    EXPECT_TRUE(myRaft.IsActive());
    EXPECT_EQ(V(), Update(heroine));  // ...and the range test clears it before any crossing
    EXPECT_FALSE(myRaft.IsActive());

    Raft hidden(Engine(), V(831, 468));
    hidden.Use();
    EXPECT_FALSE(hidden.IsActive());
    RenderData buffer;
    hidden.Submit(buffer);
    hidden.SubmitPrompt(buffer);
    EXPECT_TRUE(buffer.IsEmpty());
}
}  // namespace
