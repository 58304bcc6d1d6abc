#include "levelbasedata.h"

#include <gtest/gtest.h>

#include "worldfixtures.h"

namespace
{
using namespace worldfixtures;
using V = Vector2<float>;

// A scene with the given conversations whose script can request one.
class TestLevel : public LevelBaseData
{
public:
    explicit TestLevel(std::vector<ConversationScript> aScripts) : myScripts(std::move(aScripts)) {}

    void Init(HGE* aHGE) override
    {
        LoadScene(aHGE, "img/Levels/scene_test.dds", "img/Levels/scene_test_overlay.dds",
                  "img/Levels/collision_test.bmp");
        CreateConversations();
    }
    void CreateConversations() override { BuildConversations(myScripts); }
    void UpdateScript(float /*aElapsed*/, Player& /*aPlayer*/, Inventory& /*aInventory*/) override
    {
        if (!myScriptRequest.empty())
        {
            myRequestedConversation = myScriptRequest;
        }
    }
    void Update(Player& /*aPlayer*/, Camera& /*aCamera*/, float /*aElapsed*/) override {}
    void RenderObjects(RenderData& /*aBuffer*/, const Camera& /*aCamera*/) override {}
    void HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/,
                     Inventory& /*aInventory*/) override
    {
    }

    void PlaceItem(const Item& aItem) { myItems.push_back(aItem); }

    std::string myScriptRequest;

private:
    std::vector<ConversationScript> myScripts;
};

ConversationScript Script(const std::string& aName, std::vector<std::string> aLines)
{
    return {aName, false, {ScriptStretch{{ScriptWording{StoryCondition{}, std::move(aLines)}}}}};
}

class LevelBaseDataTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        AddPicture("img/Levels/scene_test.dds", 16, 16);
        AddPicture("img/Levels/scene_test_overlay.dds", 16, 16);
        AddPicture("img/Levels/collision_test.bmp", 16, 16);
        myPlayer.Init(Engine(), V(500, 500), myCamera);
    }

    TestLevel& Build(std::vector<ConversationScript> aScripts)
    {
        myLevel = std::make_unique<TestLevel>(std::move(aScripts));
        myLevel->Init(Engine());
        return *myLevel;
    }

    void UpdateLevel() { myLevel->UpdateLevel(myPlayer, myCamera, 16.0f, myInventory); }

    // Holds aKey down for one input step and lets it go in the next.
    void PressInLevel(uint8_t aKey)
    {
        SetKey(aKey, true);
        ReadInput();
        myLevel->HandleLevelInput(myInput, 16.0f, myInventory);
        SetKey(aKey, false);
        ReadInput();
        myLevel->HandleLevelInput(myInput, 16.0f, myInventory);
    }

    Item ItemAt(const std::string& aName, const V& aPosition) const
    {
        return Item(Engine(), "img/items/sprite_stick.dds", "img/items/icon_twig01.dds", aPosition,
                    aName, true);
    }

    std::string ShownLine(unsigned aIndex) const
    {
        return myLevel->GetConversations()[aIndex].GetBox().GetShownLine();
    }

    bool Flag6() const { return PostMaster::GetInstance()->conversationRunning; }

    Camera myCamera;
    Player myPlayer;
    Inventory myInventory;
    std::unique_ptr<TestLevel> myLevel;
};

TEST_F(LevelBaseDataTest, TheRegistryStartsWithNoneAndEveryBitSet)
{
    TestLevel& level = Build({Script("Hello", {"Ester: : Hello;"}), Script("Bye", {"Bye;"})});
    ASSERT_EQ(3u, level.GetConversations().size());
    EXPECT_EQ("NONE", level.GetConversations()[0].GetName());
    EXPECT_EQ("Bye", level.GetConversations()[2].GetName());
    for (unsigned i = 0; i < 3; ++i)
    {
        EXPECT_TRUE(level.IsNotYetPlayed(i));
        EXPECT_FALSE(level.GetConversations()[i].IsRunning());
    }
    EXPECT_EQ("", level.GetRequestedConversation());
    EXPECT_EQ(2u, level.FindConversation("Bye"));
    EXPECT_EQ(0u, level.FindConversation("Nobody"));
}

TEST_F(LevelBaseDataTest, TheLaterOfTwoConversationsWithOneNameIsStarted)
{
    TestLevel& level = Build({Script("Twice", {"first;"}), Script("Twice", {"second;"})});
    EXPECT_EQ(2u, level.FindConversation("Twice"));
    // Building looks every script up by name, so the later entry receives both scripts' lines.
    EXPECT_TRUE(level.GetConversations()[1].GetBox().GetLines().empty());
    EXPECT_EQ(2u, level.GetConversations()[2].GetBox().GetLines().size());
    level.RequestConversation("Twice");
    UpdateLevel();
    EXPECT_FALSE(level.GetConversations()[1].IsRunning());
    EXPECT_TRUE(level.GetConversations()[2].IsRunning());
}

TEST_F(LevelBaseDataTest, ARequestStartsTheConversationAndHoldsTheHeroine)
{
    TestLevel& level = Build({Script("Hello", {"one;", "two;"})});
    level.myScriptRequest = "Hello";  // requested by the script, in the same update
    UpdateLevel();
    EXPECT_TRUE(level.IsConversationRunning());
    EXPECT_TRUE(Flag6());
    EXPECT_TRUE(myPlayer.GetAnimation().IsPaused());
    EXPECT_NE(std::string::npos, ShownLine(1).find("one"));

    PressInLevel(ourKeyReturn);
    UpdateLevel();
    EXPECT_NE(std::string::npos, ShownLine(1).find("two"));
    EXPECT_TRUE(level.IsConversationRunning());
}

TEST_F(LevelBaseDataTest, TheLastReturnFreesTheHeroineOnlyAtTheNextUpdate)
{
    TestLevel& level = Build({Script("Hello", {"only line;"})});
    level.GetRobot().Activate();
    level.PlaceItem(ItemAt("stick", V(520, 520)));
    level.RequestConversation("Hello");
    UpdateLevel();
    ASSERT_TRUE(level.IsConversationRunning());
    ASSERT_TRUE(level.GetItems()[0].IsNear());

    // The release that closes the box does not also pick up the stick in reach.
    PressInLevel(ourKeyReturn);
    EXPECT_FALSE(level.GetConversations()[1].GetBox().IsActive());
    EXPECT_TRUE(Flag6());
    EXPECT_TRUE(level.IsConversationRunning());
    EXPECT_TRUE(myInventory.GetItems().empty());
    EXPECT_EQ(1u, level.GetItems().size());

    UpdateLevel();
    EXPECT_FALSE(Flag6());
    EXPECT_FALSE(level.IsConversationRunning());
    EXPECT_FALSE(level.IsNotYetPlayed(1));
    EXPECT_EQ("", level.GetRequestedConversation());
    EXPECT_FALSE(myPlayer.GetAnimation().IsPaused());
}

TEST_F(LevelBaseDataTest, AFinishedConversationIsNotStartedAgain)
{
    TestLevel& level = Build({Script("Hello", {"only line;"})});
    level.RequestConversation("Hello");
    UpdateLevel();
    PressInLevel(ourKeyReturn);
    UpdateLevel();
    ASSERT_FALSE(level.IsNotYetPlayed(1));

    level.RequestConversation("Hello");
    UpdateLevel();
    EXPECT_FALSE(level.IsConversationRunning());
    EXPECT_FALSE(Flag6());
    EXPECT_EQ("", level.GetRequestedConversation());
}

TEST_F(LevelBaseDataTest, ReturnWhilePausedDoesNotAdvanceTheLine)
{
    TestLevel& level = Build({Script("Hello", {"one;", "two;"})});
    level.RequestConversation("Hello");
    UpdateLevel();
    PostMaster::GetInstance()->paused = true;
    PressInLevel(ourKeyReturn);
    UpdateLevel();
    EXPECT_NE(std::string::npos, ShownLine(1).find("one"));
    PostMaster::GetInstance()->paused = false;
    PressInLevel(ourKeyReturn);
    UpdateLevel();
    EXPECT_NE(std::string::npos, ShownLine(1).find("two"));
}

TEST_F(LevelBaseDataTest, AnUnknownNameShowsNothingAndStaysRequested)
{
    TestLevel& level = Build({Script("Hello", {"one;"})});
    level.RequestConversation("Goodbye");
    UpdateLevel();
    EXPECT_FALSE(level.IsConversationRunning());
    EXPECT_FALSE(Flag6());
    EXPECT_EQ("Goodbye", level.GetRequestedConversation());
    RenderData buffer;
    level.RenderConversation(buffer);
    EXPECT_TRUE(buffer.IsEmpty());
}

TEST_F(LevelBaseDataTest, OnePressTakesOnlyTheNearestThingInReach)
{
    TestLevel& level = Build({});
    level.PlaceItem(ItemAt("a", V(520, 520)));
    level.PlaceItem(ItemAt("far", V(600, 500)));  // exactly 100 away: out of reach
    level.PlaceItem(ItemAt("b", V(401, 599)));
    level.PlaceItem(ItemAt("c", V(500, 500)));
    UpdateLevel();

    // Not before the robot is switched on.
    PressInLevel(ourKeyE);
    EXPECT_TRUE(myInventory.GetItems().empty());

    // One press, one item: the nearest; the others wait for the next presses.
    level.GetRobot().Activate();
    for (const char* nearest : {"c", "a", "b"})
    {
        PressInLevel(ourKeyE);
        EXPECT_EQ(nearest, myInventory.GetItems().back().GetName());
        UpdateLevel();
    }
    EXPECT_EQ(3u, myInventory.GetItems().size());
    ASSERT_EQ(1u, level.GetItems().size());
    EXPECT_EQ("far", level.GetItems()[0].GetName());
}

TEST_F(LevelBaseDataTest, NothingIsTakenWhileAnOverlayIsOpenOrWithoutARelease)
{
    TestLevel& level = Build({});
    level.GetRobot().Activate();
    level.PlaceItem(ItemAt("a", V(520, 520)));
    UpdateLevel();
    bool PostMaster::*const flags[] = {&PostMaster::notepadOpen, &PostMaster::inventoryOpen,
                                       &PostMaster::paused};
    for (bool PostMaster::*flag : flags)
    {
        PostMaster::GetInstance()->*flag = true;
        PressInLevel(ourKeyReturn);
        PostMaster::GetInstance()->*flag = false;
    }
    PressInLevel(ourKeyW);
    EXPECT_TRUE(myInventory.GetItems().empty());
    PressInLevel(ourKeyReturn);
    EXPECT_EQ(1u, myInventory.GetItems().size());
}

TEST_F(LevelBaseDataTest, ItemsShowTheirPromptOnlyOnceTheRobotIsOnInALaterPassThanThemselves)
{
    TestLevel& level = Build({});
    level.PlaceItem(ItemAt("a", V(520, 520)));
    level.PlaceItem(ItemAt("b", V(900, 900)));
    myCamera.SetPosition(V(100, 200));
    UpdateLevel();

    RenderData pictures;
    RenderData prompts;
    level.RenderItems(pictures);
    level.RenderPrompts(prompts);
    ASSERT_EQ(2u, pictures.GetCommands().size());
    EXPECT_EQ(V(420, 320), pictures.GetCommands()[0].myPosition);
    EXPECT_EQ(V(800, 700), pictures.GetCommands()[1].myPosition);
    EXPECT_TRUE(prompts.IsEmpty());

    pictures.Clear();
    level.GetRobot().Activate();
    level.RenderItems(pictures);
    level.RenderPrompts(prompts);
    EXPECT_EQ(2u, pictures.GetCommands().size());
    ASSERT_EQ(1u, prompts.GetCommands().size());
    EXPECT_EQ(V(420, 270), prompts.GetCommands()[0].myPosition);  // 50 px above its item

    pictures.Clear();
    prompts.Clear();
    level.GetItems()[0].Hide();
    level.RenderItems(pictures);
    level.RenderPrompts(prompts);
    EXPECT_EQ(1u, pictures.GetCommands().size());
    EXPECT_TRUE(prompts.IsEmpty());
}

TEST_F(LevelBaseDataTest, FindItemLeavesTheIndexAloneWhenNothingMatches)
{
    TestLevel& level = Build({});
    level.PlaceItem(ItemAt("Guano", V(0, 0)));
    level.PlaceItem(ItemAt("stick", V(0, 0)));
    size_t index = 7;
    EXPECT_FALSE(level.FindItem("guano", index));
    EXPECT_EQ(7u, index);
    EXPECT_TRUE(level.FindItem("stick", index));
    EXPECT_EQ(1u, index);
}

// The base's CreateConversations builds nothing, not even "NONE".
class SilentLevel : public TestLevel
{
public:
    SilentLevel() : TestLevel({}) {}
    void CreateConversations() override {}
};

TEST_F(LevelBaseDataTest, ASceneWithoutARegistryUpdatesAndDrawsNoConversation)
{
    SilentLevel level;
    level.Init(Engine());
    level.RequestConversation("Hello");
    level.UpdateLevel(myPlayer, myCamera, 16.0f, myInventory);
    level.HandleLevelInput(myInput, 16.0f, myInventory);
    EXPECT_FALSE(level.IsConversationRunning());
    EXPECT_FALSE(Flag6());
    RenderData buffer;
    level.RenderConversation(buffer);
    EXPECT_TRUE(buffer.IsEmpty());
}

TEST_F(LevelBaseDataTest, MoreThan32ConversationsEndTheProgram)
{
    std::vector<ConversationScript> scripts;
    for (int i = 0; i < 32; ++i)
    {
        scripts.push_back(Script("c" + std::to_string(i), {"line;"}));
    }
    EXPECT_EXIT(Build(scripts), testing::ExitedWithCode(1), "at most 32 conversations");
}
}  // namespace
