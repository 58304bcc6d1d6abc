// The dialogue files against the scenes' own lists: every conversation with its number of lines,
// every line fitting the conversation box, every spoken word spelt right (British spelling).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <map>

#include "bitmapfont.h"
#include "blownupcave.h"
#include "cave.h"
#include "conversationbox.h"
#include "conversationlayout.h"
#include "conversationscript.h"
#include "deepjungle.h"
#include "engineparts.h"
#include "itemcatalogue.h"
#include "junglecrashsite.h"
#include "scriptline.h"
#include "storyfacts.h"
#include "timemachine.h"
#include "village.h"
#include "vulcano.h"
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
      {"have raft", 11},
      {"tree needs an axe", 1},
      {"Roderick is off", 1}}},
    {"timemachine.txt",
     {{"wake ester", 2},
      {"ester woken", 10},
      {"belt found", 4},
      {"engine examined", 14},
      {"maching fixed", 10},
      {"home trip", 22},
      {"crystal fitted", 2},
      {"gold fitted", 2},
      {"magnet fitted", 2},
      {"belt fitted", 2},
      {"nothing to fit", 1},
      {"Roderick is off", 1}}},
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
      {"rope", 7},
      {"Nissa again", 1},
      {"village boy", 1},
      {"village native", 1},
      {"shortcut H", 1}}},
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
      {"building stairs", 6},
      {"shortcut O", 1}}},
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
            EXPECT_EQ(expected.lines, scripts[i].LineCount()) << expected.name;
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
            for (const std::string& line : script.AllLines())
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

// What a condition's term asks about, as a key of the facts a test sets.
std::string FactOf(const StoryTerm& aTerm)
{
    return std::to_string(aTerm.kind) + " " + aTerm.name;
}

// Sets in aFacts (fact key -> true or false) the world in which wording aWording of aStretch is
// the first whose condition holds: its own terms true (the first of an "or"), one term of each
// earlier "and" wording false and every term of each earlier "or" wording false. False when
// that contradicts itself: the wording could never be shown.
bool SetUpFor(const ScriptStretch& aStretch, size_t aWording, std::map<std::string, bool>& aFacts)
{
    // The term made to hold (aHolds) or not; false when the facts already say otherwise.
    const auto require = [&aFacts](const StoryTerm& aTerm, bool aHolds)
    {
        return aFacts.emplace(FactOf(aTerm), aHolds != aTerm.negated).first->second ==
               (aHolds != aTerm.negated);
    };
    const StoryCondition& own = aStretch.wordings[aWording].condition;
    for (size_t i = 0; i < own.terms.size() && (!own.any || i == 0); ++i)
    {
        if (!require(own.terms[i], true))
        {
            return false;
        }
    }
    for (size_t earlier = 0; earlier < aWording; ++earlier)
    {
        const StoryCondition& other = aStretch.wordings[earlier].condition;
        bool falsified = false;
        for (const StoryTerm& term : other.terms)
        {
            if (other.any && !require(term, false))
            {
                return false;
            }
            const auto fact = aFacts.find(FactOf(term));
            if (!other.any && !falsified && (fact == aFacts.end() || fact->second == term.negated))
            {
                falsified = require(term, false);
            }
        }
        if (!other.any && !falsified)
        {
            return false;
        }
    }
    return true;
}

// Every scene as the game builds it, an inventory and an engine, for the wordings to ask about.
class StoryWorld
{
public:
    explicit StoryWorld(HGE* aHGE) : myHGE(aHGE)
    {
        myInventory.Init(aHGE);
        for (LevelBaseData* scene : Scenes())
        {
            scene->Init(aHGE);
            myFresh.push_back(scene->GetSceneState());
        }
    }

    // The world of aFacts, from a fresh start.
    StoryFacts Set(const std::map<std::string, bool>& aFacts)
    {
        TimeMachine::State engine;
        std::vector<LevelBaseData::SceneState> scenes = myFresh;
        myInventory.SetState(myHGE, Inventory::State{});
        for (const auto& [fact, holds] : aFacts)
        {
            const std::string name = fact.substr(fact.find(' ') + 1);
            if (holds && fact[0] - '0' == StoryTerm::HOLDS)
            {
                myInventory.AddItem(itemcatalogue::Make(Engine(), name));
            }
            if (holds && fact[0] - '0' == StoryTerm::FITTED)
            {
                engine.parts.set(FindEnginePart(name)->slot);
            }
            for (LevelBaseData::SceneState& scene : scenes)
            {
                for (LevelBaseData::ConversationState& conversation : scene.conversations)
                {
                    conversation.played |=
                        holds && fact[0] - '0' == StoryTerm::PLAYED && conversation.name == name;
                }
            }
        }
        myMachine.SetState(engine);
        const std::vector<LevelBaseData*> all = Scenes();
        for (size_t i = 0; i < all.size(); ++i)
        {
            all[i]->SetSceneState(scenes[i]);
        }
        return StoryFacts(&myInventory, {all.begin(), all.end()}, &myMachine);
    }

    std::vector<LevelBaseData*> Scenes()
    {
        return {&myCrashSite, &myDeepJungle, &myMachine, &myCave, &myRuins, &myVillage, &myVolcano};
    }

private:
    HGE* Engine() const { return myHGE; }

    HGE* myHGE;
    Inventory myInventory;
    JungleCrashSite myCrashSite;
    DeepJungle myDeepJungle;
    TimeMachine myMachine;
    Cave myCave;
    BlownUpCave myRuins;
    Village myVillage;
    Vulcano myVolcano;
    std::vector<LevelBaseData::SceneState> myFresh;
};

// Each choice of wordings in the game's lines, played once in a world where each of its
// wordings is the first to hold: that wording is the one shown.
TEST_F(StoryDialogue, EveryWordingIsShownInTheWorldItWasWrittenFor)
{
    StoryWorld world(Engine());
    int choices = 0;
    for (LevelBaseData* scene : world.Scenes())
    {
        for (const LevelConversation& built : scene->GetConversations())
        {
            const std::vector<ScriptStretch>& stretches = built.GetScript().stretches;
            for (size_t stretch = 0; stretch < stretches.size(); ++stretch)
            {
                choices += stretches[stretch].wordings.size() > 1 ? 1 : 0;
                for (size_t wording = 0; wording < stretches[stretch].wordings.size(); ++wording)
                {
                    std::map<std::string, bool> facts;
                    const std::string where = built.GetName() + ", wording " +
                                              std::to_string(wording + 1) + " of the choice at " +
                                              stretches[stretch].wordings[0].condition.where;
                    ASSERT_TRUE(SetUpFor(stretches[stretch], wording, facts))
                        << where << " can never be shown";
                    LevelConversation conversation = built;
                    conversation.ChooseWordings(world.Set(facts));
                    EXPECT_EQ(static_cast<int>(wording), conversation.GetWordings()[stretch])
                        << where;
                    EXPECT_EQ(built.GetBox().GetLines().size(),
                              conversation.GetBox().GetLines().size())
                        << where;
                }
            }
        }
    }
    EXPECT_GE(choices, 25);
}

// No line of the game says "not" yet; a condition that does holds exactly when its term does not.
TEST_F(StoryDialogue, NotTurnsATermAround)
{
    StoryWorld world(Engine());
    StoryCondition condition;
    std::string problem;
    ASSERT_TRUE(ParseStoryCondition("not holds axe", condition, problem)) << problem;
    EXPECT_TRUE(world.Set({}).Meets(condition));
    EXPECT_FALSE(world.Set({{FactOf(condition.terms[0]), true}}).Meets(condition));
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
                    spoken << ParseScriptLine(line).spoken << '\n';
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
