// The player's settings on disk: what is written reads back the same, files of other versions
// still read, and a file that cannot be used is set aside, said in one line, and replaced by
// the defaults.
#include "settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "inputwrapper/keynames.h"
#include "testpictures.h"

namespace
{
namespace fs = std::filesystem;

std::string Contents(const fs::path& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

class SettingsTest : public testing::Test
{
protected:
    void TearDown() override { fs::remove_all(myFolder); }

    // LoadSettings on the file holding aText ("" for no file); the lines it said.
    Settings Load(const std::string& aText, std::vector<std::string>& aSaid) const
    {
        fs::remove_all(myFolder);
        if (!aText.empty())
        {
            fs::create_directories(myFolder);
            std::ofstream(myPath, std::ios::binary) << aText;
        }
        return LoadSettings(myPath.string(),
                            [&aSaid](const std::string& aLine) { aSaid.push_back(aLine); });
    }

    const fs::path myFolder = testpictures::TempFolder("settings") / "marrowen";
    const fs::path myPath = myFolder / "settings.json";
};

TEST_F(SettingsTest, WhatIsWrittenReadsBackTheSame)
{
    Settings changed;
    changed.musicVolume = 35;
    changed.effectsVolume = 0;
    changed.fullscreen = true;
    changed.scaling = "integer";
    for (const Settings& settings : {Settings(), changed})
    {
        Settings read;
        read.musicVolume = 77;
        std::string problem;
        ASSERT_TRUE(DecodeSettings(EncodeSettings(settings), read, problem)) << problem;
        EXPECT_EQ(read, settings);
        std::vector<std::string> said;
        EXPECT_EQ(Load(EncodeSettings(settings), said), settings);
        EXPECT_TRUE(said.empty());
    }
    EXPECT_EQ(changed.Display().myScaling, platform::PictureScaling::WholeNumber);
    EXPECT_TRUE(changed.Display().myFullscreen);
}

// An earlier version's file lacks fields, a later one's has more (subtitles, say): both read.
TEST_F(SettingsTest, MissingFieldsKeepTheirDefaultsAndUnknownOnesArePassedOver)
{
    std::vector<std::string> said;
    const Settings read = Load(R"({"format": "marrowen-settings", "effectsVolume": 20,
        "subtitles": {"size": 2}, "language": "fr"})",
                               said);
    EXPECT_TRUE(said.empty());
    Settings expected;
    expected.effectsVolume = 20;
    EXPECT_EQ(read, expected);
    EXPECT_FALSE(fs::exists(myPath.string() + ".bad"));
}

TEST_F(SettingsTest, KeysReplaceAnActionsKeysOfTheirDeviceAndUnknownNamesAreSaidAndLeftOut)
{
    std::vector<std::string> said;
    const Settings read = Load(R"({"format": "marrowen-settings", "musicVolume": 40, "keys": {
        "history": ["L", "K"], "use": "Space", "menu": "PadY", "jump": "J",
        "notepad": ["M", "Nope"], "talk on": true}})",
                               said);
    EXPECT_EQ(read.musicVolume, 40);
    const Bindings bindings = read.Keys();
    const auto names = [&bindings](Action aAction)
    {
        std::vector<std::string> keys;
        for (const uint8_t key : bindings.KeysOf(aAction))
        {
            keys.push_back(KeyNameOf(key));
        }
        return keys;
    };
    EXPECT_EQ(names(Action::History), (std::vector<std::string>{"PadLeftShoulder", "L", "K"}));
    EXPECT_EQ(names(Action::Use), (std::vector<std::string>{"PadA", "Space"}));
    EXPECT_EQ(names(Action::Menu), (std::vector<std::string>{"Escape", "PadY"}));
    EXPECT_EQ(names(Action::Notepad), (std::vector<std::string>{"N", "PadY"}));
    EXPECT_EQ(names(Action::TalkOn), (std::vector<std::string>{"Return", "PadA"}));
    const std::string file = "the settings " + myPath.string() + ": in keys, ";
    EXPECT_EQ(said, (std::vector<std::string>{
                        file + "\"jump\": there is no action \"jump\"; the default is used",
                        file + "\"notepad\": there is no key \"Nope\" (keys are named W, Return, "
                               "Escape, Up, F1, PadA, ...); the default is used",
                        file + "\"talk on\": there is no key \"true\" (keys are named W, Return, "
                               "Escape, Up, F1, PadA, ...); the default is used"}));
    EXPECT_FALSE(fs::exists(myPath.string() + ".bad")) << "the rest of the file stands";
}

TEST_F(SettingsTest, NoFileGivesTheDefaultsWrittenForThePlayerToFind)
{
    std::vector<std::string> said;
    EXPECT_EQ(Load("", said), Settings());
    EXPECT_TRUE(said.empty());
    Settings written;
    std::string problem;
    EXPECT_TRUE(DecodeSettings(Contents(myPath), written, problem)) << problem;
    EXPECT_EQ(written, Settings());
}

TEST_F(SettingsTest, AFileThatCannotBeUsedIsSetAsideSaidAndReplacedByTheDefaults)
{
    const std::pair<std::string, std::string> bad[] = {
        {"{\"format\": \"marrowen-settings\", \"musicVol", "it is not JSON"},
        {"[1, 2, 3]", "it holds no Marrowen settings"},
        {R"({"format": "marrowen-save", "version": 2, "game": {}})",
         "it holds no Marrowen settings"},
        {R"({"format": "marrowen-settings", "fullscreen": "yes"})",
         "the field fullscreen should be true or false, not \"yes\""},
        {R"({"format": "marrowen-settings", "musicVolume": 150})",
         "the field musicVolume should be a whole number from 0 to 100, not 150"},
        {R"({"format": "marrowen-settings", "effectsVolume": 12.5})",
         "the field effectsVolume should be a whole number, not 12.5"},
        {R"({"format": "marrowen-settings", "keys": ["L"]})",
         "the field keys should name actions and their keys, such as {\"history\": [\"L\", "
         "\"K\"]}"},
        {R"({"format": "marrowen-settings", "scaling": "blurry"})",
         "the field scaling should be \"smooth\" or \"integer\", not \"blurry\""},
    };
    for (const auto& [text, problem] : bad)
    {
        SCOPED_TRACE(text);
        std::vector<std::string> said;
        EXPECT_EQ(Load(text, said), Settings());
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0], "the settings " + myPath.string() + " cannot be used: " + problem +
                               "; they are kept as " + myPath.string() +
                               ".bad, and the defaults are used");
        EXPECT_EQ(Contents(myPath.string() + ".bad"), text) << "kept as it was";
        EXPECT_EQ(Contents(myPath), EncodeSettings(Settings())) << "the defaults in its place";
    }
}
}  // namespace
