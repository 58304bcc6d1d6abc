// Saving along the whole story: the playthrough keeps a save at every milestone of its route,
// in the middle of every conversation it reads, and every few thousand frames, each written to
// disk and loaded into a fresh game, whose state report must equal the original's field by
// field; and a game continued from a save in the middle of the volcano plays the rest of the
// route to the end picture.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "game.h"
#include "inputsource.h"
#include "route.h"
#include "standinworld.h"
#include "wholefile.h"

namespace
{
namespace fs = std::filesystem;
using nlohmann::json;

// Every this many logic frames a save is kept besides the milestones: prime, so the saves fall
// at all kinds of moments (fades, the inventory open, a picture sequence under way).
constexpr uint64_t ourSaveEvery = 3989;
// The continued game starts here: the bird's flight is under way.
const char* const ourContinueFrom = "the flight";
// The order played.
constexpr uint32_t ourSeed = 7;

struct Kept
{
    std::string name;
    std::string save;    // the save's text
    std::string report;  // the state report at the same moment
};

// Plays the route and keeps saves; runs on the logic thread.
class SavingPlayer : public FrameObserver
{
public:
    SavingPlayer(platform::InputSource& aInput, uint32_t aSeed)
        : myPlanner(aSeed),
          myPlay(
              aInput, [this](Playthrough& aPlay) { return myPlanner.Next(aPlay); },
              [this](const std::string& aName) { Keep(aName); })
    {
    }

    void OnLogicFrame(const Game& aGame, RenderData& aBuffer, float aUpdateMs) override
    {
        myGame = &aGame;
        myPlay.OnLogicFrame(aGame, aBuffer, aUpdateMs);
        if (myPlay.IsOver())
        {
            return;
        }
        if (++myFrames % ourSaveEvery == 0)
        {
            Keep("frame " + std::to_string(myFrames));
        }
        // Each conversation once, at its second line.
        for (const LevelConversation& conversation : aGame.GetCurrentLevel().GetConversations())
        {
            if (conversation.IsRunning() && conversation.GetBox().GetReading().line == 1 &&
                myRead.insert(conversation.GetName()).second)
            {
                Keep("reading \"" + conversation.GetName() + "\"");
            }
        }
    }

    StoryPlanner myPlanner;
    Playthrough myPlay;
    std::vector<Kept> myKept;
    std::vector<double> myEncodeMs;

private:
    void Keep(const std::string& aName)
    {
        // The game never saves once the end picture shows.
        if (myGame->GetBillboard().IsShown())
        {
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        std::string save = myGame->SaveText();
        myEncodeMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        myKept.push_back(Kept{aName, std::move(save), myGame->DescribeState()});
    }

    const Game* myGame = nullptr;
    uint64_t myFrames = 0;
    std::set<std::string> myRead;
};

std::string Contents(const fs::path& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Every leaf of a state report by its JSON pointer.
void Leaves(const json& aValue, const std::string& aPath, std::map<std::string, json>& aLeaves)
{
    if (aValue.is_structured() && !aValue.empty())
    {
        for (const auto& item : aValue.items())
        {
            Leaves(item.value(), aPath + "/" + item.key(), aLeaves);
        }
        return;
    }
    aLeaves[aPath] = aValue;
}

// The fields of two state reports that differ, as "pointer: a != b"; the logic frames run are
// the process's, not the game's, and not compared.
std::vector<std::string> Differences(const std::string& aOriginal, const std::string& aLoaded)
{
    std::map<std::string, json> original;
    std::map<std::string, json> loaded;
    Leaves(json::parse(aOriginal), "", original);
    Leaves(json::parse(aLoaded), "", loaded);
    original.erase("/frames");
    loaded.erase("/frames");
    std::vector<std::string> differences;
    for (const auto& [path, value] : original)
    {
        const auto other = loaded.find(path);
        if (other == loaded.end() || other->second != value)
        {
            differences.push_back(path + ": " + value.dump() + " != " +
                                  (other == loaded.end() ? "(missing)" : other->second.dump()));
        }
    }
    for (const auto& [path, value] : loaded)
    {
        if (original.count(path) == 0)
        {
            differences.push_back(path + ": (missing) != " + value.dump());
        }
    }
    return differences;
}

class SavedPlaythroughTest : public testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHGE = hgeCreate(HGE_VERSION);
        myHGE->System_SetState(HGE_DATAFOLDER, standinworld::Folder().c_str());
        myFolder =
            fs::temp_directory_path() / ("marrowen_saved_playthrough_" + std::to_string(getpid()));
        fs::remove_all(myFolder);
    }
    void TearDown() override
    {
        myHGE->Release();
        fs::remove_all(myFolder);
    }

    GameOptions Options(FrameObserver* aObserver, const fs::path& aSaves)
    {
        GameOptions options;
        options.myFixedStepMs = 2.0f;
        options.myPaced = false;
        options.myObserver = aObserver;
        options.mySaveFolder = aSaves.string();
        return options;
    }

    // Plays aRoute in a game made with aOptions until the route is over and the game has ended
    // (the last Return dismisses the end picture); the route's problem, "" when none.
    std::string PlayToTheEnd(SavingPlayer& aPlayer, const GameOptions& aOptions, bool& aEnded)
    {
        Game game(hgeCreate(HGE_VERSION), aOptions);
        game.Start();
        while (!aPlayer.myPlay.IsOver() && game.SwapBuffers())
        {
        }
        for (uint64_t end = game.GetSwapCount() + 100;
             game.GetSwapCount() < end && game.SwapBuffers();)
        {
        }
        game.Stop();
        aEnded = game.GetBillboard().IsShown() && game.GetBillboard().IsDismissed();
        return aPlayer.myPlay.GetProblem();
    }

    HGE* myHGE = nullptr;
    fs::path myFolder;
};

TEST_F(SavedPlaythroughTest, EverySaveAlongTheStoryLoadsBackToTheSameGame)
{
    platform::InputSource& input = *myHGE->System_GetState(HGE_HWND);
    SavingPlayer player(input, ourSeed);
    bool ended = false;
    // The game saves itself all along, too, into a folder of its own.
    ASSERT_EQ("", PlayToTheEnd(player, Options(&player, myFolder / "autosaves"), ended));
    EXPECT_TRUE(ended);
    EXPECT_FALSE(fs::exists(myFolder / "autosaves" / "save.json")) << "the end deletes the save";
    input.ReleaseAll();

    ASSERT_GE(player.myKept.size(), 40u);
    const auto flight =
        std::find_if(player.myKept.begin(), player.myKept.end(),
                     [](const Kept& aKept) { return aKept.name == ourContinueFrom; });
    ASSERT_NE(flight, player.myKept.end());
    size_t midConversation = 0;
    std::vector<double> writeMs;
    for (size_t i = 0; i < player.myKept.size(); ++i)
    {
        const Kept& kept = player.myKept[i];
        SCOPED_TRACE(kept.name);
        const fs::path folder = myFolder / std::to_string(i);
        std::string problem;
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(WriteWholeFile((folder / "save.json").string(), kept.save, problem)) << problem;
        writeMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        GameOptions options = Options(nullptr, folder);
        options.myContinue = true;
        std::string loaded;
        {
            Game game(hgeCreate(HGE_VERSION), options);
            game.Start();
            game.Stop();  // no frame has run: the game as it was loaded
            loaded = game.DescribeState();
        }
        const std::vector<std::string> differences = Differences(kept.report, loaded);
        EXPECT_TRUE(differences.empty())
            << differences.size() << " fields differ, first " << differences.front();
        // Stopping saved it again: the same bytes, so nothing was lost on the way round.
        EXPECT_EQ(Contents(folder / "save.json"), kept.save);
        midConversation += json::parse(kept.report)["flags"]["conversationRunning"] == true;
    }
    EXPECT_GE(midConversation, 40u) << "saves made while a conversation was read";

    std::sort(player.myEncodeMs.begin(), player.myEncodeMs.end());
    std::sort(writeMs.begin(), writeMs.end());
    std::printf(
        "%zu saves of about %zu bytes; taking one on the logic thread: median %.3f ms, "
        "longest %.3f ms; writing one whole (fsync, rename): median %.3f ms, longest "
        "%.3f ms\n",
        player.myKept.size(), flight->save.size(), player.myEncodeMs[player.myEncodeMs.size() / 2],
        player.myEncodeMs.back(), writeMs[writeMs.size() / 2], writeMs.back());

    // The rest of the story from the save kept in the flight, in a fresh game continued from
    // it: the planner takes up the story from there.
    const fs::path folder = myFolder / std::to_string(flight - player.myKept.begin());
    SavingPlayer continued(input, ourSeed);
    GameOptions options = Options(&continued, folder);
    options.myContinue = true;
    ASSERT_EQ("", PlayToTheEnd(continued, options, ended));
    EXPECT_TRUE(ended) << "the continued game reaches the end picture";
    EXPECT_FALSE(fs::exists(folder / "save.json"));
}
}  // namespace
