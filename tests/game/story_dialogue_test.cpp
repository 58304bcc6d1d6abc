// The dialogue files against the scenes' own lists: every conversation with its number of lines,
// every line fitting the conversation box, every spoken word spelt right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "bitmapfont.h"
#include "conversationbox.h"
#include "conversationlayout.h"
#include "conversationscript.h"
#include "scriptline.h"
#include "worldfixtures.h"

namespace
{
struct Expected
{
    const char* name;
    size_t lines;
};

struct SceneDialogue
{
    const char* file;
    std::vector<Expected> conversations;
};

const SceneDialogue ourScenes[] = {
    {"crashsite.txt",
     {{"Spott flint stone", 4},
      {"Put flint stone in Roderick", 1},
      {"Activate Roderick", 1},
      {"After Roderick activated", 1},
      {"You can't go there", 1},
      {"That's a branch stupid", 5},
      {"sharpFlintstone", 8},
      {"before axe with tree", 5},
      {"with axe with tree intermediation", 1},
      {"after axe with tree", 9},
      {"have raft", 11}}},
    {"timemachine.txt",
     {{"wake ester", 2},
      {"ester woken", 10},
      {"belt found", 4},
      {"engine examined", 14},
      {"maching fixed", 10},
      {"home trip", 22}}},
    {"deepjungle.txt",
     {{"palm", 5},
      {"no axe", 3},
      {"no shell", 7},
      {"tapped", 13},
      {"rubber", 8},
      {"log", 1},
      {"explosion escapeist", 8},
      {"dry leafs", 2}}},
    {"cave.txt",
     {{"Entering", 5},
      {"guano eww", 4},
      {"Picked up guano", 4},
      {"Picked up sulphur", 2},
      {"Close to rock", 11},
      {"bye bye cave", 5}}},
    {"blownupcave.txt", {{"blown apart", 2}}},
    {"village.txt",
     {{"The main quest1", 2},
      {"The main quest2", 1},
      {"The main quest3", 1},
      {"The main quest4", 16},
      {"The main quest5", 2},
      {"Call me Ester", 7},
      {"Call me Ester2", 4},
      {"rope", 7}}},
    {"volcano.txt",
     {{"A bird", 12},
      {"The bird suit", 7},
      {"Diamond", 3},
      {"Saving children", 11},
      {"children no exit", 4},
      {"complete children", 7},
      {"Banana Tree", 12},
      {"Landing", 7},
      {"Vulcanization failed", 1},
      {"Vulcanization success", 4},
      {"building stairs", 6}}},
};

const std::string ourDialogue = std::string(MARROWEN_SOURCE_DIR) + "/dialogue/";

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
            EXPECT_EQ(expected.lines, scripts[i].lines.size()) << expected.name;
        }
    }
}

TEST_F(StoryDialogue, EveryLineFitsTheBoxAsThePlayerSeesIt)
{
    const BitmapFont font(Engine(), "img/Font/HGE_font1.fnt", false);
    ASSERT_EQ("", font.GetProblem());
    const float rowHeight = std::round(font.GetHeight());
    const float column = geometry::ourTextRight - geometry::ourTextLeft;
    const float rows = geometry::ourTextBottom - geometry::ourTextTop;
    // The column lies in the panel's well, between the places of the two faces.
    EXPECT_GE(geometry::ourTextLeft, geometry::ourWellLeft);
    EXPECT_LE(geometry::ourTextRight, geometry::ourWellRight);
    EXPECT_GE(geometry::ourWellLeft, geometry::ourPortraitMargin + geometry::ourPortraitSize);
    EXPECT_LE(geometry::ourWellRight, geometry::ourRightPortraitLeft);
    for (const SceneDialogue& scene : ourScenes)
    {
        for (const ConversationScript& script : Read(scene))
        {
            ConversationBox box(Engine());
            box.Init();
            for (const std::string& line : script.lines)
            {
                box.AddLine(line);
            }
            for (const ConversationBox::Line& line : box.GetLines())
            {
                EXPECT_LE(font.GetStringWidth(line.shown, true), column)
                    << script.name << ": " << line.spoken;
                const auto count = std::count(line.shown.begin(), line.shown.end(), '\n') + 1;
                EXPECT_LE(static_cast<float>(count) * rowHeight, rows)
                    << script.name << ": " << line.spoken;
            }
        }
    }
}

TEST_F(StoryDialogue, EverySpokenWordIsSpeltRight)
{
    if (std::system("echo | hunspell -d en_US -l > /dev/null 2>&1") != 0)
    {
        GTEST_SKIP() << "hunspell with the en_US dictionary is not installed "
                        "(apt-get install hunspell hunspell-en-us)";
    }
    const std::string spokenFile = testing::TempDir() + "marrowen_spoken.txt";
    {
        std::ofstream spoken(spokenFile);
        for (const SceneDialogue& scene : ourScenes)
        {
            for (const ConversationScript& script : Read(scene))
            {
                for (const std::string& line : script.lines)
                {
                    spoken << ParseScriptLine(line).spoken << '\n';
                }
            }
        }
    }
    const std::string command =
        "hunspell -d en_US -p " + ourDialogue + "words.txt -l < " + spokenFile;
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
