// Saved games as text: a save reads back as it was written; one from another version reads
// over the fresh game (what it lacks keeps the fresh value, what this game lacks is passed
// over, conversations go by name); and anything that is not a Marrowen save with values of
// the right kind is refused, naming the field in the game's own words.
#include "savecodec.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>
#include <stdexcept>

namespace
{
using V = Vector2<float>;

// A save with something other than the defaults in every kind of field.
SavedGame SomeSave()
{
    SavedGame save;
    save.scene = "Vulcano";
    save.heroine = V(690.0f, 140.2f);
    save.heroineSheet = 11;
    save.camera = V(178.0f, -0.2f);
    save.curtain = Curtain::State{117, true};
    save.flags.robotActivated = true;
    save.flags.conversationRunning = true;
    save.inventory.held = {Item::State{"wire", V(), true, false, false, false},
                           Item::State{"Diamond", V(690, 180), true, true, false, true}};
    save.inventory.slots = {Item::State{"banana", V(280, 450), true, false, true, false}};
    save.inventory.showResult = true;
    save.notepad.marks.set(1);
    LevelBaseData::SceneState volcano;
    volcano.levelTime = 12345.678f;
    volcano.robot = Robot::State{true, V(740, 140), false, 7};
    volcano.items = {Item::State{"stair up", V(580, 725), true, false, true, false}};
    volcano.conversations = {{"NONE", false, false, {0, true}, {}},
                             {"Landing", true, false, {7, false}, {0}},
                             {"Diamond", false, true, {2, true}, {0, 1, 0}}};
    volcano.requested = "Diamond";
    volcano.current = "Diamond";
    save.scenes["Vulcano"] = volcano;
    save.timeMachine.parts.set(0).set(3);
    save.timeMachine.wakeTime = 4500.0f;
    save.crashSite.raft = Raft::State{true, false, V(1331, 543)};
    save.cave.blownApart = true;
    save.blownUpCave.sinceEntry = 2001.5f;
    save.volcano.overlayPair.holdTime = 4999.0f;
    save.volcano.overlayPair.pictureAlpha = 255;
    save.volcano.palmOverlayShown = true;
    save.history = {{"Computer", "Wake up."}, {"", "She stirs."}};
    return save;
}

// The game SomeSave was made in, as it stands before any play: same scenes, same
// conversations, nothing played; aNewChat adds a conversation that the save does not know.
SavedGame Fresh(bool aNewChat = false)
{
    SavedGame fresh;
    fresh.scene = "TimeMachine";
    fresh.volcano.sinceDiamond = 77.0f;
    fresh.notepad.marks.set(3);
    LevelBaseData::SceneState volcano;
    volcano.levelTime = 5.0f;
    volcano.items = {Item::State{"stair up", V(580, 725), true, false, false, false}};
    volcano.conversations = {{"NONE", false, false, {0, true}, {}},
                             {"Landing", false, false, {0, true}, {}},
                             {"Diamond", false, false, {0, true}, {}}};
    if (aNewChat)
    {
        volcano.conversations.push_back({"New chat", false, false, {0, true}, {}});
    }
    fresh.scenes["Vulcano"] = volcano;
    return fresh;
}

std::string Problem(const std::string& aText)
{
    SavedGame save;
    std::string problem;
    EXPECT_FALSE(DecodeSave(aText, Fresh(), save, problem)) << aText.substr(0, 200);
    return problem;
}

// SomeSave's text changed by aChange.
std::string Changed(const std::function<void(nlohmann::json&)>& aChange)
{
    nlohmann::json document = nlohmann::json::parse(EncodeSave(SomeSave()));
    aChange(document);
    return document.dump();
}

// SomeSave read over the fresh game with a conversation new to it, written again.
std::string Unchanged()
{
    SavedGame read;
    std::string problem;
    EXPECT_TRUE(DecodeSave(EncodeSave(SomeSave()), Fresh(true), read, problem)) << problem;
    return EncodeSave(read);
}

nlohmann::json& Conversation(nlohmann::json& aSave, const std::string& aName)
{
    for (nlohmann::json& conversation : aSave["game"]["scenes"]["Vulcano"]["conversations"])
    {
        if (conversation["name"] == aName)
        {
            return conversation;
        }
    }
    throw std::out_of_range(aName);
}

TEST(SaveCodec, ASaveReadsBackAsItWasWritten)
{
    const std::string text = EncodeSave(SomeSave());
    SavedGame read;
    std::string problem;
    ASSERT_TRUE(DecodeSave(text, Fresh(), read, problem)) << problem;
    EXPECT_EQ(EncodeSave(read), text);
    // Spot checks that the values came back, not only the same text.
    EXPECT_EQ(read.scene, "Vulcano");
    EXPECT_EQ(read.heroine, V(690.0f, 140.2f));
    EXPECT_EQ(read.camera.y, -0.2f);
    EXPECT_EQ(read.timeMachine.parts, std::bitset<4>("1001"));
    ASSERT_EQ(read.inventory.held.size(), 2u);
    EXPECT_TRUE(read.inventory.held[1].selected);
    EXPECT_TRUE(read.inventory.held[1].hidden);
    const LevelBaseData::SceneState& volcano = read.scenes.at("Vulcano");
    EXPECT_EQ(volcano.levelTime, 12345.678f);
    EXPECT_EQ(volcano.conversations[1].reading.line, 7);
    EXPECT_TRUE(volcano.conversations[2].running);
    EXPECT_FALSE(volcano.robot.following);
    ASSERT_EQ(read.history.size(), 2u);
    EXPECT_EQ(read.history[1].spoken, "She stirs.");

    // A save made before the game kept what was said goes on with nothing said.
    nlohmann::json older = nlohmann::json::parse(text);
    older["game"].erase("history");
    ASSERT_TRUE(DecodeSave(older.dump(), Fresh(), read, problem)) << problem;
    EXPECT_TRUE(read.history.empty());
    EXPECT_EQ(read.scene, "Vulcano");

    // Two conversations of one name read back each its own state, in their order.
    SavedGame twins = SomeSave();
    SavedGame freshTwins = Fresh();
    for (SavedGame* game : {&twins, &freshTwins})
    {
        game->scenes["Vulcano"].conversations.push_back({"Twin", false, false, {0, true}, {}});
        game->scenes["Vulcano"].conversations.push_back({"Twin", false, false, {0, true}, {}});
    }
    twins.scenes["Vulcano"].conversations.back().played = true;
    ASSERT_TRUE(DecodeSave(EncodeSave(twins), freshTwins, read, problem)) << problem;
    const auto& conversations = read.scenes.at("Vulcano").conversations;
    ASSERT_EQ(conversations.size(), 5u);
    EXPECT_FALSE(conversations[3].played);
    EXPECT_TRUE(conversations[4].played);
}

// What another version of the game may write: each still reads, and comes out as checked.
TEST(SaveCodec, ASaveFromAnotherVersionReadsOverTheFreshGame)
{
    const struct
    {
        std::string what;
        std::string text;
        std::function<void(const SavedGame&)> check;
    } others[] = {
        {"fields this version does not have",
         Changed(
             [](nlohmann::json& aSave)
             {
                 aSave["madeBy"] = "marrowen 9.0";
                 aSave["game"]["robotMood"] = "cheerful";
                 aSave["game"]["scenes"]["Vulcano"]["items"][0]["shine"] = {1, 2};
             }),
         [](const SavedGame& aRead) { EXPECT_EQ(EncodeSave(aRead), Unchanged()); }},
        {"version 1, with its item mark",
         Changed(
             [](nlohmann::json& aSave)
             {
                 aSave["version"] = 1;
                 aSave["items"] = "0123456789abcdef";
             }),
         [](const SavedGame& aRead) { EXPECT_EQ(EncodeSave(aRead), Unchanged()); }},
        {"a field an earlier version did not have",
         Changed([](nlohmann::json& aSave) { aSave["game"]["volcano"].erase("sinceDiamond"); }),
         [](const SavedGame& aRead)
         {
             EXPECT_EQ(aRead.volcano.sinceDiamond, 77.0f) << "the fresh game's";
             EXPECT_TRUE(aRead.volcano.palmOverlayShown) << "the rest is the save's";
         }},
        {"a scene an earlier version did not have",
         Changed([](nlohmann::json& aSave) { aSave["game"]["scenes"].erase("Vulcano"); }),
         [](const SavedGame& aRead)
         {
             EXPECT_EQ(aRead.scenes.at("Vulcano").levelTime, 5.0f);
             EXPECT_FALSE(aRead.scenes.at("Vulcano").conversations[1].played);
         }},
        {"a scene this version does not have",
         Changed([](nlohmann::json& aSave)
                 { aSave["game"]["scenes"]["Moon"] = aSave["game"]["scenes"]["Vulcano"]; }),
         [](const SavedGame& aRead) { EXPECT_EQ(aRead.scenes.count("Moon"), 0u); }},
        {"conversations reordered, one gone from the game and one new to it",
         Changed(
             [](nlohmann::json& aSave)
             {
                 nlohmann::json& conversations =
                     aSave["game"]["scenes"]["Vulcano"]["conversations"];
                 std::swap(conversations[0], conversations[2]);
                 conversations.push_back(
                     {{"name", "Old chat"}, {"played", true}, {"running", true}, {"reading", {}}});
             }),
         [](const SavedGame& aRead)
         {
             const auto& conversations = aRead.scenes.at("Vulcano").conversations;
             ASSERT_EQ(conversations.size(), 4u);
             EXPECT_EQ(conversations[1].name, "Landing");
             EXPECT_TRUE(conversations[1].played);
             EXPECT_EQ(conversations[1].reading.line, 7);
             EXPECT_EQ(conversations[2].name, "Diamond");
             EXPECT_TRUE(conversations[2].running);
             EXPECT_EQ(conversations[2].reading.line, 2);
             EXPECT_EQ(conversations[3].name, "New chat");
             EXPECT_FALSE(conversations[3].played);
             EXPECT_FALSE(conversations[3].running);
         }},
        {"rows of flags longer and shorter",
         Changed(
             [](nlohmann::json& aSave)
             {
                 aSave["game"]["timeMachine"]["parts"] = {true, false, false, true, true};
                 aSave["game"]["notepad"]["marks"] = {false, true};
             }),
         [](const SavedGame& aRead)
         {
             EXPECT_EQ(aRead.timeMachine.parts, std::bitset<4>("1001"));
             EXPECT_EQ(aRead.notepad.marks, std::bitset<4>("1010")) << "the rest as fresh";
         }},
    };
    for (const auto& other : others)
    {
        SCOPED_TRACE(other.what);
        SavedGame read;
        std::string problem;
        ASSERT_TRUE(DecodeSave(other.text, Fresh(true), read, problem)) << problem;
        other.check(read);
    }
}

TEST(SaveCodec, EveryDamagedSaveIsRefusedNamingWhatIsWrong)
{
    const std::string good = EncodeSave(SomeSave());
    const struct
    {
        std::string what;
        std::string text;
        std::string reason;
    } damaged[] = {
        {"cut in half", good.substr(0, good.size() / 2), "it is cut short after"},
        {"empty", "", "it is cut short after 0 bytes"},
        {"garbage",
         "\x7f"
         "ELF\x02\x01 not a save at all",
         "it is not JSON"},
        {"another program's JSON", R"({"format": "someone-else", "version": 1})",
         "it is not a Marrowen save"},
        {"a format that is no name", R"({"format": 7, "version": 1, "game": {}})",
         "it is not a Marrowen save"},
        {"a later version", Changed([](nlohmann::json& aSave) { aSave["version"] = 3; }),
         "it was made by a later version of Marrowen (save format 3; this game reads 1 to 2)"},
        {"no version", Changed([](nlohmann::json& aSave) { aSave.erase("version"); }),
         "it does not say which version of the save format it is"},
        {"version 0", Changed([](nlohmann::json& aSave) { aSave["version"] = 0; }),
         "its save format 0 is none that Marrowen ever wrote"},
        {"a version below 0", Changed([](nlohmann::json& aSave) { aSave["version"] = -1; }),
         "its save format -1 is none"},
        {"an unknown item",
         Changed([](nlohmann::json& aSave)
                 { aSave["game"]["inventory"]["held"][1]["name"] = "Guano2"; }),
         "it names an item this game does not have: \"Guano2\""},
        {"an unknown item in a scene",
         Changed([](nlohmann::json& aSave)
                 { aSave["game"]["scenes"]["Vulcano"]["items"][0]["name"] = "guano"; }),
         "it names an item this game does not have: \"guano\""},
        {"no game", Changed([](nlohmann::json& aSave) { aSave.erase("game"); }),
         "it holds no game"},
        {"a game that is no record", Changed([](nlohmann::json& aSave) { aSave["game"] = {}; }),
         "the game should be a record of named fields, not nothing"},
        {"a position of the wrong kind",
         Changed([](nlohmann::json& aSave) { aSave["game"]["heroine"] = "somewhere"; }),
         "the field heroine should be two numbers, not \"somewhere\""},
        {"a position cut short",
         Changed([](nlohmann::json& aSave) { aSave["game"]["camera"] = {1.0}; }),
         "the field camera should be two numbers, not a list of 1"},
        {"a position deep down of the wrong kind",
         Changed([](nlohmann::json& aSave)
                 { aSave["game"]["scenes"]["Vulcano"]["items"][0]["position"][1] = "up"; }),
         "the field scenes.Vulcano.items[0].position should be two numbers, not a list of 2"},
        {"a reading position that is a word",
         Changed([](nlohmann::json& aSave)
                 { Conversation(aSave, "Landing")["reading"]["line"] = "seven"; }),
         "the field scenes.Vulcano.conversations[\"Landing\"].reading.line should be a whole "
         "number, not \"seven\""},
        {"a whole number too large",
         Changed([](nlohmann::json& aSave) { aSave["game"]["heroineSheet"] = 10000000000; }),
         "the field heroineSheet should be a whole number, not 10000000000"},
        {"a number beyond any float",
         Changed([](nlohmann::json& aSave)
                 { aSave["game"]["scenes"]["Vulcano"]["levelTime"] = 1e39; }),
         "the field scenes.Vulcano.levelTime should be a number, not 1e+39"},
        {"a flag that is a number",
         Changed([](nlohmann::json& aSave) { aSave["game"]["flags"]["paused"] = 1; }),
         "the field flags.paused should be true or false, not 1"},
        {"a row of flags with a word in it",
         Changed([](nlohmann::json& aSave) { aSave["game"]["timeMachine"]["parts"][2] = "yes"; }),
         "the field timeMachine.parts[2] should be true or false, not \"yes\""},
        {"a list that is a record",
         Changed(
             [](nlohmann::json& aSave) {
                 aSave["game"]["inventory"]["held"] = {{"a", 1}};
             }),
         "the field inventory.held should be a list, not a record"},
        {"a conversation without its name",
         Changed([](nlohmann::json& aSave)
                 { aSave["game"]["scenes"]["Vulcano"]["conversations"][1].erase("name"); }),
         "the field scenes.Vulcano.conversations[1] should be a conversation with its name, not "
         "a record"},
    };
    for (const auto& save : damaged)
    {
        EXPECT_NE(Problem(save.text).find(save.reason), std::string::npos)
            << save.what << ": " << Problem(save.text);
    }
}

TEST(SaveCodec, NoSaveCutShortAnywhereIsTaken)
{
    const std::string good = EncodeSave(SomeSave());
    for (size_t length = 0; length < good.size(); length += 1 + length / 8)
    {
        SavedGame save;
        std::string problem;
        EXPECT_FALSE(DecodeSave(good.substr(0, length), Fresh(), save, problem)) << length;
        EXPECT_FALSE(problem.empty()) << length;
    }
}
}  // namespace
