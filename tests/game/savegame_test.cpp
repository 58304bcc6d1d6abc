// Saving and continuing in whole games on the headless engine and the stand-in world: the title
// offers a saved game and C goes on where it was left; Return starts anew and the old save stays
// until the first autosave; scene changes and finished conversations save at once; the quit
// menu is not part of what is kept; the end picture deletes the save and nothing saves over it,
// not even the quit menu; a save that cannot be written is said and leaves the old one; every
// save an earlier version made continues, and so does one from a version with other
// conversations, items or fields; and a save that cannot be continued (damaged, or putting the
// heroine where she cannot stand) is said in one line, offered nowhere and kept aside.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <thread>

#include "eventsingelton.h"
#include "filepaths.h"
#include "game.h"
#include "runtimefixtures.h"

namespace
{
namespace fs = std::filesystem;
using nlohmann::json;

constexpr uint8_t ourKeyC = 0x2E;
constexpr uint8_t ourKeyE = 0x12;
constexpr uint8_t ourKeyReturn = 0x1C;
constexpr uint8_t ourKeyEscape = 0x01;

std::string Contents(const fs::path& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Whether the conversation aName of the scene being played is on screen, and at which line.
struct Shown
{
    bool running = false;
    int line = 0;
};

Shown ShownOf(const Game& aGame, const std::string& aName)
{
    for (const LevelConversation& conversation : aGame.GetCurrentLevel().GetConversations())
    {
        if (conversation.GetName() == aName)
        {
            return Shown{conversation.IsRunning(), conversation.GetBox().GetReading().line};
        }
    }
    return Shown();
}

// What the last frame showed of what the test waits for; written on the logic thread and read
// by the test's thread while the game runs.
class Watch : public FrameScript
{
public:
    virtual ~Watch() = default;

    void Look(const Game& aGame) override
    {
        myScene.store(aGame.GetCurrentSceneName());
        myWakePlayed.store(aGame.GetCurrentLevel().IsPlayed("wake ester"));
        myEndPicture.store(aGame.GetBillboard().IsShown());
    }

    std::atomic<const char*> myScene{""};
    std::atomic<bool> myWakePlayed{false};
    std::atomic<bool> myEndPicture{false};
};

class SaveGameTest : public HeadlessTest
{
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        UseStandInWorld();
        mySaveFolder = myFolder / "saves";
        Rewatch();
    }

    void TearDown() override
    {
        myHGE->System_GetState(HGE_HWND)->ReleaseAll();
        HeadlessTest::TearDown();
    }

    GameOptions Options(bool aKeepSaves = true)
    {
        GameOptions options;
        options.myFixedStepMs = 2.0f;
        options.myPaced = false;
        options.myObserver = myWatch.get();
        options.mySaveFolder = aKeepSaves ? mySaveFolder.string() : "";
        return options;
    }

    // Swaps until aDone holds or aLimit swaps were made (false then).
    static bool SwapUntil(Game& aGame, const std::function<bool()>& aDone, uint64_t aLimit = 20000)
    {
        while (!aDone() && aGame.GetSwapCount() < aLimit && aGame.SwapBuffers())
        {
        }
        return aDone();
    }
    static void Swaps(Game& aGame, uint64_t aSwaps)
    {
        const uint64_t end = aGame.GetSwapCount() + aSwaps;
        SwapUntil(aGame, [&] { return aGame.GetSwapCount() >= end; });
    }

    // The quads of the frame the engine presented last, once the game's workers ended.
    std::vector<hgeQuad> Presented() const
    {
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        return frame.myQuads;
    }

    fs::path SavePath() const { return mySaveFolder / "save.json"; }
    json SaveFile() const { return json::parse(Contents(SavePath()), nullptr, false); }
    // Waits (the game idle) until the writer has put a save on disk for which aCheck holds.
    bool SaveOnDiskSoon(const std::function<bool(const json&)>& aCheck) const
    {
        for (int wait = 0; wait < 500; ++wait)
        {
            const json save = SaveFile();
            if (save.is_object() && aCheck(save["game"]))
            {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // Plays from the time machine's start: the computer's wake-up read through, and the first
    // line of "ester woken" too, so that one is on screen at its second line when the run
    // stops. The game's state report at the end; the save is on disk.
    std::string PlayUntilWoken()
    {
        GameOptions options = Options();
        options.myStartInPlay = true;
        Game game(hgeCreate(HGE_VERSION), options);
        game.Start();
        myWatch->Tap(800, ourKeyReturn);  // "wake ester" shows from frame 751
        myWatch->Tap(810, ourKeyReturn);
        myWatch->Tap(2400, ourKeyReturn);  // "ester woken" shows 3 s after it ended
        Swaps(game, 2500);
        game.Stop();
        EXPECT_TRUE(ShownOf(game, "ester woken").running);
        EXPECT_EQ(ShownOf(game, "ester woken").line, 1);
        Rewatch();
        return game.DescribeState();
    }

    // A fresh script for the next game: its frames count from 0 again.
    void Rewatch()
    {
        myWatch = std::make_unique<Watch>();
        myWatch->myInput = myHGE->System_GetState(HGE_HWND);
    }

    // The saved game changed by aChange, as the save file.
    void ChangeSave(const std::function<void(json&)>& aChange) const
    {
        json save = SaveFile();
        aChange(save["game"]);
        std::ofstream(SavePath()) << save.dump(1);
    }

    fs::path mySaveFolder;
    std::unique_ptr<Watch> myWatch;
};

// The parts of two state reports that a continued game must share with the one it continues.
void ExpectSamePlace(const json& aLeft, const json& aContinued)
{
    for (const char* field :
         {"scene", "heroine", "robotActive", "inventory", "slots", "notepad", "played"})
    {
        EXPECT_EQ(aLeft[field], aContinued[field]) << field;
    }
    for (const auto& [name, scene] : aLeft["world"]["scenes"].items())
    {
        EXPECT_EQ(scene["conversations"], aContinued["world"]["scenes"][name]["conversations"])
            << name;
        EXPECT_EQ(scene["items"], aContinued["world"]["scenes"][name]["items"]) << name;
    }
    // What was said so far, read again after continuing.
    EXPECT_EQ(aLeft["world"]["history"], aContinued["world"]["history"]);
}

TEST_F(SaveGameTest, TheTitleOffersTheSavedGameAndCGoesOnWhereItWasLeft)
{
    const json left = json::parse(PlayUntilWoken());
    std::vector<hgeQuad> plainTitle;
    {
        Game game(hgeCreate(HGE_VERSION), Options(false));
        game.Start();
        EXPECT_FALSE(game.GetStartScreen().IsContinueOffered());
        Swaps(game, 5);
        game.Stop();
        plainTitle = Presented();
    }
    {
        Game game(hgeCreate(HGE_VERSION), Options());
        game.Start();
        EXPECT_TRUE(game.GetStartScreen().IsContinueOffered());
        Swaps(game, 5);
        game.Stop();
        // "C: continue" in the game's font: one quad per letter, over the title picture.
        EXPECT_GE(Presented().size(), plainTitle.size() + 10);
    }
    Rewatch();
    myWatch->Tap(5, ourKeyC);  // seen released at frame 7
    Game game(hgeCreate(HGE_VERSION), Options());
    game.Start();
    Swaps(game, 7);
    EXPECT_FALSE(game.GetStartScreen().IsStarted());
    Swaps(game, 2);
    game.Stop();
    EXPECT_TRUE(game.GetStartScreen().IsStarted()) << "no prologue";
    const json continued = json::parse(game.DescribeState());
    ExpectSamePlace(left, continued);
    EXPECT_EQ(ShownOf(game, "ester woken").line, 1) << "the same line is on screen";
    EXPECT_TRUE(ShownOf(game, "ester woken").running);
    // The two wake-up lines and the two of "ester woken" read so far, newest last, and no
    // line twice for being on screen when the game was left and again when it goes on.
    const std::vector<ConversationHistory::Entry>& said = game.GetHistory().GetEntries();
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(continued["world"]["history"].size(), 4u);
    EXPECT_EQ(said[0].speaker, "Computer");
}

TEST_F(SaveGameTest, ReturnStartsANewGameAndTheOldSaveStaysUntilTheFirstAutosave)
{
    PlayUntilWoken();
    const std::string old = Contents(SavePath());
    {
        myWatch->Tap(5, ourKeyReturn);
        Game game(hgeCreate(HGE_VERSION), Options());
        game.Start();
        Swaps(game, 300);
        game.Stop();
        EXPECT_TRUE(game.GetStartScreen().IsSlideshowRunning());
        EXPECT_EQ(Contents(SavePath()), old) << "left during the prologue: nothing saved";
    }
    Rewatch();
    myWatch->Tap(5, ourKeyReturn);
    for (int skip = 0; skip < 7; ++skip)
    {
        myWatch->Tap(20 + 4 * skip, ourKeyE);  // play starts at frame 46
    }
    myWatch->Tap(850, ourKeyReturn);  // "wake ester" shows from 1.5 s into play
    myWatch->Tap(860, ourKeyReturn);
    Game game(hgeCreate(HGE_VERSION), Options());
    game.Start();
    ASSERT_TRUE(SwapUntil(game, [this] { return myWatch->myWakePlayed.load(); }));
    EXPECT_EQ(Contents(SavePath()), old) << "no autosave before the first finished conversation";
    EXPECT_TRUE(SaveOnDiskSoon(
        [](const json& aGame)
        {
            const json& conversations = aGame["scenes"]["TimeMachine"]["conversations"];
            return conversations[1]["name"] == "wake ester" && conversations[1]["played"] == true &&
                   conversations[2]["running"] == false;
        }))
        << "the new game replaced the old save when its first conversation ended";
    game.Stop();
}

TEST_F(SaveGameTest, ChangingSceneSavesAtOnce)
{
    PlayUntilWoken();
    // The way out of the time machine, as the scene has it.
    const ZoneRect exit = [this]
    {
        GameOptions options = Options(false);
        options.myStartInPlay = true;
        Game game(hgeCreate(HGE_VERSION), options);
        game.Start();
        game.Stop();
        return game.GetCurrentLevel().GetZoneRects().at(0);
    }();
    // She stands with her feet just inside its middle (on ground she can stand on), the
    // conversation over.
    ChangeSave(
        [&exit](json& aGame)
        {
            aGame["heroine"] = {(exit.left + exit.right) / 2 - 32.0f, exit.top + 2.0f - 100.0f};
            aGame["flags"]["conversationRunning"] = false;
            for (json& conversation : aGame["scenes"]["TimeMachine"]["conversations"])
            {
                conversation["running"] = false;
            }
        });
    GameOptions options = Options();
    options.myContinue = true;
    Game game(hgeCreate(HGE_VERSION), options);
    game.Start();
    ASSERT_TRUE(SwapUntil(
        game, [this] { return std::string(myWatch->myScene.load()) == "JungleCrashSite"; }));
    EXPECT_TRUE(
        SaveOnDiskSoon([](const json& aGame) { return aGame["scene"] == "JungleCrashSite"; }));
    game.Stop();
}

TEST_F(SaveGameTest, TheQuitMenuThatEndsTheRunIsNotKept)
{
    PlayUntilWoken();
    GameOptions options = Options();
    options.myContinue = true;
    // The cursor starts at (512, 384); the stand-in exit button is 16 x 16 at (426, 240).
    myWatch->Tap(10, ourKeyEscape);
    myWatch->Click(20, -78, -136);
    Game game(hgeCreate(HGE_VERSION), options);
    game.Start();
    Swaps(game, 1000);
    EXPECT_LT(game.GetSwapCount(), 100u) << "the exit button ended the game";
    game.Stop();
    const json state = json::parse(game.DescribeState());
    EXPECT_EQ(state["flags"]["quitRequested"], true);
    const json saved = SaveFile()["game"];
    EXPECT_EQ(saved["flags"]["paused"], false);
    EXPECT_EQ(saved["flags"]["quitRequested"], false);
    EXPECT_EQ(saved["flags"]["conversationRunning"], true) << "the rest of the flags are kept";
    EXPECT_EQ(saved["scene"], "TimeMachine");
}

// At the end picture: Escape, then the quit menu's exit button.
class QuitAtTheEnd : public Watch
{
public:
    void Look(const Game& aGame) override
    {
        Watch::Look(aGame);
        if (aGame.GetBillboard().IsShown() && !myQuitting)
        {
            myQuitting = true;
            Tap(myFrame + 5, ourKeyEscape);
            // The cursor has not moved from (512, 384); the stand-in exit button is 16 x 16 at
            // (426, 240).
            Click(myFrame + 20, -78, -136);
        }
        ++myFrame;
    }

private:
    bool myQuitting = false;
    int myFrame = 0;  // the frame being looked at, as the script counts them
};

// The saved game made to stand just before the trip home: the end picture comes at once.
void BeforeTheTripHome(json& aGame)
{
    for (json& conversation : aGame["scenes"]["TimeMachine"]["conversations"])
    {
        conversation["played"] = conversation["played"] || conversation["name"] == "home trip";
    }
}

TEST_F(SaveGameTest, TheEndPictureDeletesTheSaveAndNothingIsSavedAfter)
{
    PlayUntilWoken();
    ChangeSave(BeforeTheTripHome);
    GameOptions options = Options();
    options.myContinue = true;
    Game game(hgeCreate(HGE_VERSION), options);
    game.Start();
    ASSERT_TRUE(SwapUntil(game, [this] { return myWatch->myEndPicture.load(); }));
    Swaps(game, 10);
    game.Stop();
    EXPECT_FALSE(fs::exists(SavePath())) << "a finished game starts anew";
    EXPECT_EQ(std::distance(fs::directory_iterator(mySaveFolder), fs::directory_iterator()), 0);
}

TEST_F(SaveGameTest, TheQuitMenuOverTheEndPictureEndsTheRunWithoutASave)
{
    PlayUntilWoken();
    ChangeSave(BeforeTheTripHome);
    auto watch = std::make_unique<QuitAtTheEnd>();
    watch->myInput = myHGE->System_GetState(HGE_HWND);
    myWatch = std::move(watch);
    GameOptions options = Options();
    options.myContinue = true;
    Game game(hgeCreate(HGE_VERSION), options);
    game.Start();
    ASSERT_TRUE(SwapUntil(game, [this] { return myWatch->myEndPicture.load(); }));
    const uint64_t shown = game.GetSwapCount();
    Swaps(game, 1000);
    EXPECT_LT(game.GetSwapCount(), shown + 100) << "the exit button ended the run";
    game.Stop();
    const json state = json::parse(game.DescribeState());
    EXPECT_EQ(state["flags"]["quitRequested"], true);
    EXPECT_EQ(state["endPicture"], true);
    EXPECT_FALSE(game.GetBillboard().IsDismissed()) << "ended by the menu, not by Return";
    EXPECT_FALSE(fs::exists(SavePath())) << "a finished game starts anew";
}

TEST_F(SaveGameTest, ASaveThatCannotBeWrittenIsSaidInOneLineAndTheOldOneStays)
{
    PlayUntilWoken();
    const std::string old = Contents(SavePath());
    // No file may grow past half a save: every new save fails half-way through its bytes.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const rlimit half{old.size() / 2, before.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &half), 0);
    testing::internal::CaptureStderr();
    bool played = false;
    {
        GameOptions options = Options();
        options.myContinue = true;
        Game game(hgeCreate(HGE_VERSION), options);
        game.Start();
        Swaps(game, 50);
        game.Stop();  // which saves, or tries to
        played = game.GetSwapCount() >= 50;
    }
    const std::string said = testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(played) << "the game went on regardless";
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.find("marrowen: the game could not be saved: "), 0u) << said;
    EXPECT_NE(said.find(std::strerror(EFBIG)), std::string::npos) << said;
    EXPECT_EQ(Contents(SavePath()), old) << "the old save is untouched";
    EXPECT_EQ(std::distance(fs::directory_iterator(mySaveFolder), fs::directory_iterator()), 1)
        << "and nothing is left beside it";
}

// A good save spoilt in some way, and the words that say how.
struct Damage
{
    const char* what;
    std::function<std::string(const std::string&)> spoil;
    const char* reason;
};

std::string Edited(const std::string& aText, const std::function<void(json&)>& aChange)
{
    json save = json::parse(aText);
    aChange(save);
    return save.dump();
}

const Damage ourDamages[] = {
    {"truncated", [](const std::string& aText) { return aText.substr(0, aText.size() * 2 / 3); },
     "cut short"},
    {"of a later version",
     [](const std::string& aText)
     { return Edited(aText, [](json& aSave) { aSave["version"] = 7; }); },
     "it was made by a later version of Marrowen"},
    {"naming an unknown item",
     [](const std::string& aText)
     {
         return Edited(aText, [](json& aSave)
                       { aSave["game"]["inventory"]["held"][0]["name"] = "wire of gold"; });
     },
     "\"wire of gold\""},
    {"garbage",
     [](const std::string&) { return std::string("\x89PNG\r\n\x1a\n\x00\x01garbage", 17); },
     "not JSON"},
    {"with a field of the wrong kind",
     [](const std::string& aText)
     { return Edited(aText, [](json& aSave) { aSave["game"]["heroine"] = "somewhere"; }); },
     "the field heroine should be two numbers, not \"somewhere\""},
    {"with the heroine far outside the world",
     [](const std::string& aText) {
         return Edited(aText, [](json& aSave) { aSave["game"]["heroine"] = {1e30, -1e30}; });
     },
     "the field heroine puts her at (1e+30, -1e+30), where she cannot stand in the scene "
     "TimeMachine"},
    {"with the heroine in a wall",
     [](const std::string& aText) {
         return Edited(aText, [](json& aSave) { aSave["game"]["heroine"] = {0, 0}; });
     },
     "the field heroine puts her at (0, 0), where she cannot stand in the scene TimeMachine"},
    {"played in a scene the game does not have",
     [](const std::string& aText)
     { return Edited(aText, [](json& aSave) { aSave["game"]["scene"] = "Moon"; }); },
     "the field scene names a scene this game does not have: \"Moon\""},
    {"with an item outside its scene",
     [](const std::string& aText)
     {
         return Edited(
             aText,
             [](json& aSave) {
                 aSave["game"]["scenes"]["JungleCrashSite"]["items"][0]["position"] = {1e30, 5};
             });
     },
     "the field scenes.JungleCrashSite.items[0] puts the item"},
};

TEST_F(SaveGameTest, ASaveThatCannotBeContinuedIsSaidInOneLineOfferedNowhereAndKeptAside)
{
    PlayUntilWoken();
    const std::string good = Contents(SavePath());
    // The title as it looks with no save at all.
    size_t plainTitle = 0;
    {
        Game game(hgeCreate(HGE_VERSION), Options(false));
        game.Start();
        Swaps(game, 5);
        game.Stop();
        plainTitle = Presented().size();
    }
    for (bool continueAsked : {false, true})
    {
        for (const Damage& damage : ourDamages)
        {
            SCOPED_TRACE(std::string(damage.what) + (continueAsked ? ", with --continue" : ""));
            const std::string spoilt = damage.spoil(good);
            std::ofstream(SavePath(), std::ios::binary) << spoilt;
            fs::remove(SavePath().string() + ".bad");
            GameOptions options = Options();
            options.myContinue = continueAsked;
            testing::internal::CaptureStderr();
            {
                Game game(hgeCreate(HGE_VERSION), options);
                game.Start();
                EXPECT_FALSE(game.GetStartScreen().IsContinueOffered());
                Swaps(game, 5);
                game.Stop();
                EXPECT_FALSE(game.GetStartScreen().IsStarted()) << "the title, as with no save";
                EXPECT_EQ(Presented().size(), plainTitle) << "no \"C: continue\" on it";
            }
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
            EXPECT_EQ(
                said.find("marrowen: the save " + SavePath().string() + " cannot be continued: "),
                0u)
                << said;
            EXPECT_NE(said.find(damage.reason), std::string::npos) << said;
            EXPECT_FALSE(fs::exists(SavePath())) << "not continued, not overwritten";
            EXPECT_EQ(Contents(SavePath().string() + ".bad"), spoilt);
            // The same line in the engine's log (other tests write there too).
            const std::string log = Contents(platform::LogFilePath());
            EXPECT_NE(log.find(said.substr(std::string("marrowen: ").size())), std::string::npos)
                << platform::LogFilePath();
        }
    }
}

// Every save kept from an earlier release continues where it was left: the same scene, the
// heroine on the same spot, the same things carried, every conversation that had played still
// played, and one left open still open at its line; and play goes on from there.
TEST_F(SaveGameTest, EverySaveFromAnEarlierReleaseContinues)
{
    const fs::path kept = fs::path(MARROWEN_SOURCE_DIR) / "tests" / "data" / "saves";
    size_t samples = 0;
    for (const auto& entry : fs::directory_iterator(kept))
    {
        if (entry.path().extension() != ".json")
        {
            continue;
        }
        ++samples;
        SCOPED_TRACE(entry.path().filename().string());
        const json saved = json::parse(Contents(entry.path()))["game"];
        fs::create_directories(mySaveFolder);
        fs::copy_file(entry.path(), SavePath(), fs::copy_options::overwrite_existing);
        GameOptions options = Options();
        options.myContinue = true;
        json now;
        {
            Game game(hgeCreate(HGE_VERSION), options);
            game.Start();
            game.Stop();  // no frame has run: the game as it was loaded, saved again
            ASSERT_TRUE(game.GetStartScreen().IsStarted()) << "continued at once";
            now = json::parse(game.SaveText())["game"];
        }
        EXPECT_EQ(now["scene"], saved["scene"]);
        EXPECT_EQ(now["heroine"], saved["heroine"]);
        EXPECT_EQ(now["inventory"]["held"], saved["inventory"]["held"]);
        for (const auto& [name, scene] : saved["scenes"].items())
        {
            for (const json& conversation : scene["conversations"])
            {
                for (const json& continued : now["scenes"][name]["conversations"])
                {
                    if (continued["name"] == conversation["name"])
                    {
                        EXPECT_EQ(continued["played"], conversation["played"])
                            << name << ": " << conversation["name"];
                        EXPECT_EQ(continued["running"], conversation["running"])
                            << name << ": " << conversation["name"];
                    }
                }
            }
        }
        // Play goes on from the save as this version wrote it again.
        Rewatch();
        options.myObserver = myWatch.get();
        Game game(hgeCreate(HGE_VERSION), options);
        game.Start();
        Swaps(game, 200);
        game.Stop();
        EXPECT_GE(game.GetSwapCount(), 200u) << "play went on";
        EXPECT_STREQ(game.GetCurrentSceneName(), saved["scene"].get<std::string>().c_str());
        EXPECT_FALSE(fs::exists(SavePath().string() + ".bad"));
    }
    EXPECT_GE(samples, 4u) << kept;
}

// A save from a version with other conversations, items or fields continues: what this game
// lacks is passed over, what the save lacks starts as in a new game.
TEST_F(SaveGameTest, ASaveFromAVersionWithOtherContentContinues)
{
    PlayUntilWoken();
    const std::string good = Contents(SavePath());
    const struct
    {
        const char* what;
        std::function<void(json&)> change;
        std::function<void(const Game&)> check;
    } versions[] = {
        {"made by a game with other items",
         [](json& aSave) { aSave["items"] = "0000000000000000"; }, [](const Game&) {}},
        {"without a scene that came later",
         [](json& aSave) { aSave["game"]["scenes"].erase("Village"); }, [](const Game&) {}},
        {"without a field that came later",
         [](json& aSave) { aSave["game"]["volcano"].erase("sinceDiamond"); }, [](const Game&) {}},
        {"with a field that has gone",
         [](json& aSave) { aSave["game"]["scenes"]["Cave"]["echo"] = true; }, [](const Game&) {}},
        {"with a conversation that has gone",
         [](json& aSave)
         { aSave["game"]["scenes"]["Cave"]["conversations"][1]["name"] = "Leaving"; },
         [](const Game&) {}},
        {"with the conversation on screen gone",
         [](json& aSave)
         {
             for (json& conversation : aSave["game"]["scenes"]["TimeMachine"]["conversations"])
             {
                 if (conversation["name"] == "ester woken")
                 {
                     conversation["name"] = "ester woken, as it was";
                 }
             }
         },
         [](const Game& aGame)
         {
             EXPECT_FALSE(aGame.GetCurrentLevel().IsConversationRunning());
             EXPECT_FALSE(PostMaster::GetInstance()->conversationRunning) << "nothing holds her";
         }},
        {"with the conversation on screen read beyond its lines",
         [](json& aSave)
         {
             for (json& conversation : aSave["game"]["scenes"]["TimeMachine"]["conversations"])
             {
                 if (conversation["name"] == "ester woken")
                 {
                     conversation["reading"]["line"] = 99;
                 }
             }
         },
         [](const Game& aGame)
         {
             const Shown shown = ShownOf(aGame, "ester woken");
             size_t lines = 0;
             for (const LevelConversation& conversation :
                  aGame.GetCurrentLevel().GetConversations())
             {
                 lines += conversation.GetName() == "ester woken"
                              ? conversation.GetBox().GetLines().size()
                              : 0;
             }
             EXPECT_TRUE(shown.running);
             EXPECT_EQ(shown.line, static_cast<int>(lines) - 1) << "its last line";
         }},
    };
    for (const auto& version : versions)
    {
        SCOPED_TRACE(version.what);
        std::ofstream(SavePath(), std::ios::binary) << Edited(good, version.change);
        GameOptions options = Options();
        options.myContinue = true;
        testing::internal::CaptureStderr();
        Game game(hgeCreate(HGE_VERSION), options);
        game.Start();
        game.Stop();  // no frame has run: the game as it was loaded
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(game.GetStartScreen().IsStarted()) << "continued";
        EXPECT_STREQ(game.GetCurrentSceneName(), "TimeMachine");
        version.check(game);
    }
}
}  // namespace
