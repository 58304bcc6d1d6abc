// Saved games as text: a save reads back as it was written, and anything that is not a whole
// save of this version for this game's items is refused with its reason, never half-read.
#include "savecodec.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "itemcatalogue.h"

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
    volcano.conversations = {{"NONE", false, false, {0, true}},
                             {"Landing", true, false, {7, false}},
                             {"Diamond", false, true, {2, true}}};
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

std::string Problem(const std::string& aText)
{
    SavedGame save;
    std::string problem;
    EXPECT_FALSE(DecodeSave(aText, save, problem)) << aText.substr(0, 200);
    return problem;
}

TEST(SaveCodec, ASaveReadsBackAsItWasWritten)
{
    const std::string text = EncodeSave(SomeSave());
    SavedGame read;
    std::string problem;
    ASSERT_TRUE(DecodeSave(text, read, problem)) << problem;
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
    ASSERT_TRUE(DecodeSave(older.dump(), read, problem)) << problem;
    EXPECT_TRUE(read.history.empty());
    EXPECT_EQ(read.scene, "Vulcano");
}

TEST(SaveCodec, EveryDamagedSaveIsRefusedWithItsReason)
{
    const std::string good = EncodeSave(SomeSave());
    const nlohmann::json document = nlohmann::json::parse(good);
    const auto changed = [&document](const std::function<void(nlohmann::json&)>& aChange)
    {
        nlohmann::json copy = document;
        aChange(copy);
        return copy.dump();
    };
    const struct
    {
        std::string what;
        std::string text;
        std::string reason;
    } damaged[] = {
        {"cut in half", good.substr(0, good.size() / 2), "cut short"},
        {"empty", "", "cut short"},
        {"garbage",
         "\x7f"
         "ELF\x02\x01 not a save at all",
         "not JSON"},
        {"another program's JSON", R"({"format": "someone-else", "version": 1})",
         "not a Marrowen save"},
        {"a newer version", changed([](nlohmann::json& aSave) { aSave["version"] = 2; }),
         "version 2; this game reads version 1"},
        {"no version", changed([](nlohmann::json& aSave) { aSave.erase("version"); }),
         "version null"},
        {"other items", changed([](nlohmann::json& aSave) { aSave["items"] = "0123456789abcdef"; }),
         "other items"},
        {"an unknown item",
         changed([](nlohmann::json& aSave)
                 { aSave["game"]["inventory"]["held"][1]["name"] = "Guano2"; }),
         "\"Guano2\""},
        {"an unknown item in a scene",
         changed([](nlohmann::json& aSave)
                 { aSave["game"]["scenes"]["Vulcano"]["items"][0]["name"] = "guano"; }),
         "\"guano\""},
        {"a missing field",
         changed([](nlohmann::json& aSave) { aSave["game"]["volcano"].erase("sinceDiamond"); }),
         "sinceDiamond"},
        {"a field of the wrong kind",
         changed([](nlohmann::json& aSave) { aSave["game"]["heroine"] = "somewhere"; }), "damaged"},
        {"a position cut short",
         changed([](nlohmann::json& aSave) { aSave["game"]["camera"] = {1.0}; }), "damaged"},
        {"no game", changed([](nlohmann::json& aSave) { aSave.erase("game"); }), "game"},
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
        EXPECT_FALSE(DecodeSave(good.substr(0, length), save, problem)) << length;
        EXPECT_FALSE(problem.empty()) << length;
    }
}

TEST(SaveCodec, TheItemMarkTellsItemListsApart)
{
    using itemcatalogue::Fingerprint;
    const std::vector<std::string> names = itemcatalogue::Names();
    std::vector<std::string> renamed = names;
    renamed.back() += " ";
    std::vector<std::string> reordered = names;
    std::swap(reordered.front(), reordered.back());
    EXPECT_EQ(Fingerprint(names), Fingerprint());
    EXPECT_NE(Fingerprint(renamed), Fingerprint(names));
    EXPECT_NE(Fingerprint(reordered), Fingerprint(names));
    EXPECT_NE(Fingerprint({"ab", "c"}), Fingerprint({"a", "bc"}));
    EXPECT_NE(Fingerprint(std::vector<std::string>(names.begin(), names.end() - 1)),
              Fingerprint(names));
    // The save carries the mark of the game that wrote it.
    EXPECT_EQ(nlohmann::json::parse(EncodeSave(SavedGame()))["items"], Fingerprint());
}
}  // namespace
