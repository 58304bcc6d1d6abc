// The dialogue files against the scenes' own lists: every conversation with its speakers and
// its number of lines, every line fitting the conversation box, every spoken word spelt right
// (British spelling).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "bitmapfont.h"
#include "conversationscript.h"
#include "scriptline.h"
#include "worldfixtures.h"

namespace
{
struct Expected
{
    const char* name;
    size_t lines;
    bool twoSpeakers;  // a right speaker is set: the text keeps clear of the right portrait
};

struct SceneDialogue
{
    const char* file;
    std::vector<Expected> conversations;
};

const SceneDialogue ourScenes[] = {
    {"crashsite.txt",
     {{"Spott flint stone", 4, false},
      {"Put flint stone in Roderick", 1, false},
      {"Activate Roderick", 1, true},
      {"After Roderick activated", 1, false},
      {"You can't go there", 1, true},
      {"That's a branch stupid", 5, true},
      {"sharpFlintstone", 8, true},
      {"before axe with tree", 5, true},
      {"with axe with tree intermediation", 1, true},
      {"after axe with tree", 9, true},
      {"have raft", 11, true},
      {"tree needs an axe", 1, false},
      {"Roderick is off", 1, false}}},
    {"timemachine.txt",
     {{"wake ester", 2, true},
      {"ester woken", 10, true},
      {"belt found", 4, true},
      {"engine examined", 14, true},
      {"maching fixed", 10, true},
      {"home trip", 22, true},
      {"crystal fitted", 2, true},
      {"gold fitted", 2, true},
      {"magnet fitted", 2, true},
      {"belt fitted", 2, true},
      {"nothing to fit", 1, true},
      {"Roderick is off", 1, false}}},
    {"deepjungle.txt",
     {{"palm", 5, true},
      {"no axe", 3, true},
      {"no shell", 7, true},
      {"tapped", 13, true},
      {"rubber", 8, true},
      {"log", 1, false},
      {"explosion escapeist", 8, true},
      {"dry leafs", 2, true}}},
    {"cave.txt",
     {{"Entering", 5, false},
      {"guano eww", 4, false},
      {"Picked up guano", 4, false},
      {"Picked up sulphur", 2, false},
      {"Close to rock", 11, false},
      {"bye bye cave", 5, false}}},
    {"blownupcave.txt", {{"blown apart", 2, true}}},
    {"village.txt",
     {{"The main quest1", 2, true},
      {"The main quest2", 1, true},
      {"The main quest3", 1, true},
      {"The main quest4", 16, true},
      {"The main quest5", 2, true},
      {"Call me Ester", 7, true},
      {"Call me Ester2", 4, true},
      {"rope", 7, true},
      {"Nissa again", 1, true},
      {"village boy", 1, true},
      {"village native", 1, true},
      {"shortcut H", 1, true}}},
    {"volcano.txt",
     {{"A bird", 12, true},
      {"The bird suit", 7, true},
      {"Diamond", 3, true},
      {"Saving children", 11, false},
      {"children no exit", 4, false},
      {"complete children", 7, false},
      {"Banana Tree", 12, true},
      {"Landing", 7, true},
      {"Vulcanization failed", 1, true},
      {"Vulcanization success", 4, true},
      {"building stairs", 6, false},
      {"shortcut O", 1, true}}},
};

const std::string ourDialogue = std::string(MARROWEN_SOURCE_DIR) + "/dialogue/";
const char* const ourLabelEnd = ": : ";

std::vector<ConversationScript> Read(const SceneDialogue& aScene)
{
    std::ifstream file(ourDialogue + aScene.file);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ConversationScript> scripts;
    std::string problem;
    EXPECT_TRUE(ParseDialogue(text.str(), scripts, problem)) << aScene.file << ": " << problem;
    return scripts;
}

// What is said: the line after its speaker's label, without the closing ";".
std::string Spoken(const std::string& aLine)
{
    const size_t label = aLine.find(ourLabelEnd);
    std::string spoken = label == std::string::npos ? aLine : aLine.substr(label + 4);
    spoken.erase(std::remove(spoken.begin(), spoken.end(), ';'), spoken.end());
    return spoken;
}

using StoryDialogue = worldfixtures::WorldTest;

TEST_F(StoryDialogue, EveryConversationHasTheSpeakersAndLineCountItsSceneExpects)
{
    for (const SceneDialogue& scene : ourScenes)
    {
        const std::vector<ConversationScript> scripts = Read(scene);
        ASSERT_EQ(scene.conversations.size(), scripts.size()) << scene.file;
        for (size_t i = 0; i < scripts.size(); ++i)
        {
            const Expected& expected = scene.conversations[i];
            EXPECT_EQ(expected.name, scripts[i].name) << scene.file;
            EXPECT_EQ(expected.lines, scripts[i].LineCount()) << expected.name;
            EXPECT_EQ(expected.twoSpeakers, !scripts[i].rightPortrait.empty()) << expected.name;
        }
    }
}

TEST_F(StoryDialogue, EveryLineFitsThreeRowsUnderItsSpeakerInTheBox)
{
    const BitmapFont font(Engine(), "img/Font/HGE_font1.fnt", false);
    ASSERT_EQ("", font.GetProblem());
    const auto width = [&font](const std::string& aText)
    { return font.GetStringWidth(aText, true); };
    const float rowHeight = std::round(font.GetHeight());
    // The game's portraits are 180 wide; a lone left speaker's text may run into the right
    // portrait's empty place.
    constexpr float portrait = 180.0f;
    for (const SceneDialogue& scene : ourScenes)
    {
        for (const ConversationScript& script : Read(scene))
        {
            const float wrap = script.rightPortrait.empty() ? portrait + 467.0f : 482.0f;
            for (const std::string& line : script.AllLines())
            {
                const std::string shown = PrepareScriptLine(line, wrap, width);
                const long rows = std::count(shown.begin(), shown.end(), '\n') + 1;
                const long labelRows = line.find(ourLabelEnd) == std::string::npos ? 0 : 1;
                EXPECT_LE(rows - labelRows, 3) << script.name << ": " << line;
                EXPECT_LE(static_cast<float>(rows) * rowHeight, 186.0f) << script.name;
            }
        }
    }
}

TEST_F(StoryDialogue, EverySpokenWordIsSpeltRight)
{
    if (std::system("echo | hunspell -d en_GB -l > /dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "hunspell with the British English dictionary is not installed "
                        "(apt-get install hunspell hunspell-en-gb)";
    }
    const std::string spokenFile = testing::TempDir() + "marrowen_spoken.txt";
    {
        std::ofstream spoken(spokenFile);
        for (const SceneDialogue& scene : ourScenes)
        {
            for (const ConversationScript& script : Read(scene))
            {
                for (const std::string& line : script.AllLines())
                {
                    spoken << Spoken(line) << '\n';
                }
            }
        }
    }
    const std::string command =
        "hunspell -d en_GB -p " + ourDialogue + "words.txt -l < " + spokenFile;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(nullptr, pipe);
    std::string misspelt;
    char buffer[256];
    while (fgets(buffer, sizeof(buffer), pipe) != nullptr)
    {
        misspelt += buffer;
    }
    EXPECT_EQ(0, pclose(pipe));
    std::remove(spokenFile.c_str());
    EXPECT_EQ("", misspelt);
}
}  // namespace
