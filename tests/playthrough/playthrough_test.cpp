// The proof that a player can finish the game in whatever order she takes the story: the whole
// story played from the title picture to the end picture through the keys and the mouse only
// (tests/playthrough/player.h), in orders chosen from seeds (tests/playthrough/route.h), each
// checked for every conversation its choices had to bring; one of them recorded, and the
// recording played back by the game itself to the same end.
//
//   playthrough_tests [--tour FOLDER]   with --tour, on the real pictures, a PNG per milestone
//   playthrough_tests --orders N        the orders of seeds 1 to N; a failure names its seed
//                     [--from F]        ... or of seeds F to F + N - 1
//   playthrough_tests --seed S          the order of seed S alone
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "eventsingelton.h"
#include "game.h"
#include "inputwrapper/inputrecording.h"
#include "route.h"
#include "soundmanager.h"
#include "standinworld.h"
#include "tourstages.h"

namespace
{
namespace fs = std::filesystem;

std::string ourTourFolder;
// The order recorded, photographed for the tour and kept as the attract mode's route.
constexpr uint32_t ourTourSeed = 7;
// The orders asked for on the command line.
std::vector<uint32_t> ourSeeds;

fs::path BuildFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

// Sound effects the route never calls for, and why (the inventory's and the end picture's tests
// hear them).
const std::map<std::string, std::string> ourUnheard = {
    {"combine_fails", "the route only combines what works"},
    {"button", "the route never opens the menu"},
};

class PlaythroughTest : public testing::Test
{
protected:
    // Plays aPlanner's order on the headless engine, recording it into aRecording.
    void Play(const fs::path& aRecording, StoryPlanner& aPlanner, bool aPhotograph = true)
    {
        const bool tour = aPhotograph && !ourTourFolder.empty();
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        HGE* hge = hgeCreate(HGE_VERSION);
        const fs::path data = tour ? BuildFolder() : standinworld::Folder();
        hge->System_SetState(HGE_DATAFOLDER, data.c_str());
        int milestones = 0;
        // The game saved at each milestone: the tour's staged pictures start from these.
        std::map<std::string, std::string> saves;
        // Where each milestone came, by logic frame: a recording can be cut there.
        std::ofstream frames(aRecording.parent_path() / "milestones.txt");
        Playthrough play(
            *hge->System_GetState(HGE_HWND),
            [&aPlanner](Playthrough& aPlay) { return aPlanner.Next(aPlay); },
            [&](const std::string& aName)
            {
                frames << play.GetGame().GetLogicFrameCount() << " " << aName << "\n";
                if (!tour)
                {
                    return;
                }
                char number[16];
                std::snprintf(number, sizeof(number), "%02d ", ++milestones);
                const fs::path shot =
                    fs::path(ourTourFolder) / (std::string(number) + Plain(aName) + ".png");
                EXPECT_TRUE(hge->System_Snapshot(shot.c_str())) << shot;
                saves[aName] = play.GetGame().SaveText();
            });
        if (tour)
        {
            fs::create_directories(ourTourFolder);
            play.Photograph(TourConversations());
        }
        LiveFeed live(*hge->System_GetState(HGE_HWND));
        RecordingFeed recording;
        std::string problem;
        ASSERT_TRUE(recording.Open(aRecording.string(), live, problem)) << problem;
        GameOptions options;
        options.myFixedStepMs = 2.0f;
        options.myPaced = false;
        options.myObserver = &play;
        options.myInput = &recording;
        {
            Game game(hgeCreate(HGE_VERSION), options);
            while (!play.IsOver() && game.SwapBuffers())
            {
            }
            // The last Return, at the end picture, ends the game on its own within a few frames.
            for (uint64_t end = game.GetSwapCount() + 100;
                 game.GetSwapCount() < end && game.SwapBuffers();)
            {
            }
            game.Stop();
            myEnded = game.GetBillboard().IsDismissed();
            myProblem = play.GetProblem();
            myMostCarried = play.GetMostCarried();
            for (const geometry::SoundEffectFile& effect : geometry::ourSoundEffects)
            {
                if (SoundManager::Instance()->GetPlayCount(effect.effect) > 0)
                {
                    myHeard.insert(effect.name);
                }
            }
            myFrames = game.GetLogicFrameCount();
            myMissing.clear();
            for (const std::string& expected : aPlanner.GetExpected())
            {
                if (play.ShownCount(expected) == 0)
                {
                    myMissing += " \"" + expected + "\"";
                }
            }
        }
        hge->Release();
        if (tour)
        {
            PhotographStages(saves, ourTourFolder, milestones + 1);
        }
    }

    // Plays the order of aSeed; "" when it reached the end picture having shown every
    // conversation its choices had to bring, otherwise what went wrong.
    std::string PlayOrder(uint32_t aSeed, bool aInstallAsFound = false)
    {
        const fs::path recording =
            BuildFolder() / "playthrough" /
            ("order-" + std::to_string(aSeed) + "-" + std::to_string(getpid()) + ".txt");
        fs::create_directories(recording.parent_path());
        StoryPlanner planner(aSeed, aInstallAsFound);
        Play(recording, planner, false);
        fs::remove(recording);
        fs::remove(recording.parent_path() / "milestones.txt");
        if (!myProblem.empty())
        {
            return myProblem;
        }
        if (!myEnded)
        {
            return "the end picture was not reached";
        }
        return myMissing.empty() ? "" : "never shown:" + myMissing;
    }

    // A file name made of a milestone's name.
    static std::string Plain(const std::string& aName)
    {
        std::string plain;
        for (char character : aName)
        {
            plain += std::isalnum(static_cast<unsigned char>(character)) ? character : '_';
        }
        return plain;
    }

    // The game itself plays aRecording back on the real pictures, keeping its saves in
    // aSaves/marrowen (never the player's own); its state report.
    static nlohmann::json Replay(const fs::path& aRecording, const fs::path& aSaves)
    {
        const fs::path state =
            fs::temp_directory_path() / ("marrowen-replay-" + std::to_string(getpid()) + ".json");
        fs::remove(state);
        const std::string command = "XDG_DATA_HOME=" + aSaves.string() + " " +
                                    (BuildFolder() / "marrowen").string() +
                                    " --headless --fixed-step-ms 2 --replay " +
                                    aRecording.string() + " --state " + state.string() + " --save";
        EXPECT_EQ(0, std::system(command.c_str())) << command;
        std::ifstream file(state);
        nlohmann::json report = nlohmann::json::parse(file, nullptr, false);
        fs::remove(state);
        return report;
    }

    bool myEnded = false;
    std::string myProblem;
    std::string myMissing;
    std::set<std::string> myHeard;  // the sound effects that sounded on the way
    size_t myMostCarried = 0;
    uint64_t myFrames = 0;
};

TEST_F(PlaythroughTest, APlayerCanFinishTheGameAndTheRecordingPlaysBackToTheSameEnd)
{
    const fs::path recording = BuildFolder() / "playthrough" / "route.txt";
    fs::create_directories(recording.parent_path());
    StoryPlanner planner(ourTourSeed);
    Play(recording, planner);
    ASSERT_EQ("", myProblem);
    EXPECT_TRUE(myEnded) << "Return at the end picture ends the game";
    EXPECT_LE(myMostCarried, 15u) << "the inventory's grid has fifteen cells";
    EXPECT_EQ("", myMissing) << "conversations the order had to bring";
    for (const geometry::SoundEffectFile& effect : geometry::ourSoundEffects)
    {
        const bool unheard = ourUnheard.count(effect.name) > 0;
        EXPECT_EQ(!unheard, myHeard.count(effect.name) > 0) << effect.name;
    }

    const fs::path saves = recording.parent_path() / "saves";
    fs::remove_all(saves);
    const nlohmann::json state = Replay(recording, saves);
    ASSERT_TRUE(state.is_object()) << "no state report";
    EXPECT_EQ("TimeMachine", state["scene"]);
    EXPECT_EQ(true, state["endPicture"]);
    EXPECT_EQ(4, state["partsInstalled"]);
    EXPECT_EQ(nlohmann::json::array({true, true, true, true}), state["notepad"]);
    EXPECT_TRUE(fs::exists(saves / "marrowen")) << "the replay saved along the way";
    EXPECT_FALSE(fs::exists(saves / "marrowen" / "save.json")) << "and the end deleted it";

    // The recording's last event is the Return at the end picture: the game is over within a
    // second of it (500 frames of 2 ms), through its normal end (the report is written last).
    std::ifstream text(recording);
    std::stringstream lines;
    lines << text.rdbuf();
    std::vector<InputEvent> events;
    std::string problem;
    ASSERT_TRUE(ParseInputRecording(lines.str(), events, problem)) << problem;
    ASSERT_FALSE(events.empty());
    const uint64_t lastEvent = events.back().frame;
    EXPECT_LE(state["frames"].get<uint64_t>(), lastEvent + 500);
}

// At the end picture, after the route's own last Return is left out: Escape opens the quit
// menu above it without ending the game; "continue" closes the menu, with its button's sound;
// Return ends the game.
class AtTheEndPicture : public FrameObserver
{
public:
    explicit AtTheEndPicture(platform::InputSource& aInput) : myInput(aInput) {}

    void OnLogicFrame(const Game& aGame, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        if (!aGame.GetBillboard().IsShown())
        {
            return;
        }
        const bool paused = PostMaster::GetInstance()->paused;
        switch (myStep++)
        {
            case 5:
                myInput.SetKey(0x01, true);
                break;
            case 6:
                myInput.SetKey(0x01, false);
                break;
            case 20:
                myMenuOpened = paused;
                {
                    const QuitMenu& menu = aGame.GetQuitMenu();
                    const V target =
                        (menu.GetContinueTopLeft() + menu.GetContinueBottomRight()) / 2;
                    const V cursor = aGame.GetCursor().GetPosition();
                    myInput.AddMotion(static_cast<int>(target.x - cursor.x),
                                      static_cast<int>(target.y - cursor.y));
                }
                break;
            case 21:
                myInput.SetButton(0, true);
                break;
            case 22:
                myInput.SetButton(0, false);
                break;
            case 30:
                myMenuClosed = !paused;
                myButtonHeard =
                    SoundManager::Instance()->GetPlayCount(geometry::SoundEffect::Button) == 1;
                myInput.SetKey(0x1C, true);
                break;
            case 31:
                myInput.SetKey(0x1C, false);
                break;
            default:
                break;
        }
    }

    platform::InputSource& myInput;
    std::atomic<int> myStep{0};  // the test's thread watches it while the game runs
    bool myMenuOpened = false;
    bool myMenuClosed = false;
    bool myButtonHeard = false;
};

TEST_F(PlaythroughTest, AtTheEndPictureEscapeOpensTheMenuAndReturnEndsTheGame)
{
    std::ifstream file(BuildFolder() / "demo" / "route.txt");
    std::stringstream text;
    text << file.rdbuf();
    std::vector<InputEvent> events;
    std::string problem;
    ASSERT_TRUE(ParseInputRecording(text.str(), events, problem)) << problem;
    // Leave out the last Return (its press and its release), the one that ends the game at
    // the end picture.
    ASSERT_GE(events.size(), 2u);
    ASSERT_EQ(0x1C, events.back().scanCode);
    events.resize(events.size() - 2);
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_DATAFOLDER, standinworld::Folder().c_str());
    LiveFeed live(*hge->System_GetState(HGE_HWND));
    ReplayFeed replay(events, &live);
    AtTheEndPicture script(*hge->System_GetState(HGE_HWND));
    GameOptions options;
    options.myFixedStepMs = 2.0f;
    options.myPaced = false;
    options.myInput = &replay;
    options.myObserver = &script;
    {
        Game game(hgeCreate(HGE_VERSION), options);
        const uint64_t limit = events.back().frame + 20000;
        while (game.SwapBuffers() && script.myStep < 100 && game.GetSwapCount() < limit)
        {
        }
        EXPECT_FALSE(game.SwapBuffers()) << "Return at the end picture ends the game";
        game.Stop();
        EXPECT_TRUE(game.GetBillboard().IsDismissed());
    }
    hge->Release();
    EXPECT_TRUE(script.myMenuOpened) << "Escape opens the quit menu above the end picture";
    EXPECT_TRUE(script.myMenuClosed) << "and \"continue\" closes it without ending the game";
    EXPECT_TRUE(script.myButtonHeard) << "with the sound of its button";
}

TEST_F(PlaythroughTest, TheAttractModesRouteStillReachesTheEnd)
{
    const fs::path saves = BuildFolder() / "playthrough" / "demo-saves";
    fs::remove_all(saves);
    const nlohmann::json state = Replay(BuildFolder() / "demo" / "route.txt", saves);
    fs::remove_all(saves);
    ASSERT_TRUE(state.is_object()) << "no state report";
    EXPECT_EQ(true, state["endPicture"])
        << "demo/route.txt is out of date: copy build/playthrough/route.txt over it";
}
// The story in other orders: each seed chooses its own way through, with tries in the wrong
// places, walks elsewhere and looks into the inventory and the notepad; one order fits every
// part into the engine as soon as it is found.
class StoryOrders : public PlaythroughTest, public testing::WithParamInterface<uint32_t>
{
};

TEST_P(StoryOrders, ReachTheEndPictureWithEveryConversationTheirChoicesBring)
{
    EXPECT_EQ("", PlayOrder(GetParam())) << "seed " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Seeds, StoryOrders, testing::Range(1u, 13u));

TEST_F(PlaythroughTest, StoryOrdersInstallingEachPartAsSoonAsItIsFound)
{
    EXPECT_EQ("", PlayOrder(1, true));
}

// playthrough_tests --orders N / --seed S.
TEST_F(PlaythroughTest, StoryOrdersFromTheCommandLine)
{
    if (ourSeeds.empty())
    {
        GTEST_SKIP() << "no --orders or --seed given";
    }
    int failed = 0;
    for (uint32_t seed : ourSeeds)
    {
        const std::string problem = PlayOrder(seed);
        std::printf("seed %u: %s (%llu frames)\n", seed, problem.empty() ? "ok" : "FAILED",
                    static_cast<unsigned long long>(myFrames));
        if (!problem.empty())
        {
            ++failed;
            ADD_FAILURE() << "seed " << seed << " (replay it with --seed " << seed
                          << "): " << problem;
        }
        std::fflush(stdout);
    }
    std::printf("%zu orders, %d failed\n", ourSeeds.size(), failed);
}
}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    uint32_t first = 1;
    for (int i = 1; i + 1 < argc; ++i)
    {
        if (std::string(argv[i]) == "--from")
        {
            first = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        }
    }
    for (int i = 1; i + 1 < argc; ++i)
    {
        const std::string option = argv[i];
        const unsigned long value = std::strtoul(argv[i + 1], nullptr, 10);
        if (option == "--tour")
        {
            ourTourFolder = fs::absolute(argv[i + 1]).string();
        }
        else if (option == "--orders")
        {
            for (uint32_t seed = first; seed < first + value; ++seed)
            {
                ourSeeds.push_back(seed);
            }
        }
        else if (option == "--seed")
        {
            ourSeeds.push_back(static_cast<uint32_t>(value));
        }
    }
    if (!ourSeeds.empty())
    {
        testing::GTEST_FLAG(filter) = "PlaythroughTest.StoryOrdersFromTheCommandLine";
    }
    return RUN_ALL_TESTS();
}
