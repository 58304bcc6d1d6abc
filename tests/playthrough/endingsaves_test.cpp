// The ways a run ends from outside, on the game itself in a process of its own: a signal
// (SIGTERM, SIGINT, SIGHUP) and the window's close button both end it with status 0 and the
// player's place saved; at the end picture the same endings save nothing, because a finished
// game starts anew; and runs with nobody at the keys (headless, played back) leave the
// player's save alone unless told to keep it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "closerequest.h"
#include "inputwrapper/inputrecording.h"
#include "windowtests.h"

namespace
{
namespace fs = std::filesystem;
using nlohmann::json;

fs::path BuildFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

std::string Contents(const fs::path& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Polls aDone every 10 ms for up to aSeconds.
bool Within(double aSeconds, const std::function<bool()>& aDone)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(aSeconds);
    while (!aDone())
    {
        if (std::chrono::steady_clock::now() > end)
        {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// build/marrowen with aArguments, keeping its saves and settings in aFolder/marrowen (never the
// player's) and what it says on the terminal in aFolder/said.txt.
class GameProcess
{
public:
    GameProcess(const fs::path& aFolder, const std::vector<std::string>& aArguments)
        : mySaid(aFolder / "said.txt")
    {
        const std::string program = (BuildFolder() / "marrowen").string();
        std::vector<std::string> words = {program};
        words.insert(words.end(), aArguments.begin(), aArguments.end());
        myPid = fork();
        if (myPid == 0)
        {
            setenv("XDG_DATA_HOME", aFolder.c_str(), 1);
            setenv("XDG_CONFIG_HOME", aFolder.c_str(), 1);
            if (freopen(mySaid.c_str(), "w", stderr) == nullptr)
            {
                _exit(126);
            }
            std::vector<char*> argv;
            for (std::string& word : words)
            {
                argv.push_back(word.data());
            }
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
    }

    ~GameProcess()
    {
        if (myPid > 0 && !myEnded)
        {
            kill(myPid, SIGKILL);
            waitpid(myPid, nullptr, 0);
        }
    }

    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t Pid() const { return myPid; }

    // Whether the game is playing: its signal handlers are in place (its engine puts them there
    // for all three at once, SIGHUP last; before, a signal would simply kill it) and its logic
    // thread runs.
    bool Playing() const
    {
        const std::string process = "/proc/" + std::to_string(myPid);
        bool handles = false;
        std::ifstream status(process + "/status");
        for (std::string line; std::getline(status, line);)
        {
            if (line.rfind("SigCgt:", 0) == 0)
            {
                const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
                handles = (caught >> (SIGHUP - 1) & 1) != 0;
            }
        }
        std::error_code error;
        for (const auto& task : fs::directory_iterator(process + "/task", error))
        {
            if (handles && Contents(task.path() / "comm") == "marrowen-logic\n")
            {
                return true;
            }
        }
        return false;
    }

    // Waits up to aSeconds for the program to end; its wait status, or -1 when it did not.
    int Ended(double aSeconds)
    {
        int status = -1;
        const bool ended = Within(aSeconds,
                                  [&]
                                  {
                                      int now = 0;
                                      if (waitpid(myPid, &now, WNOHANG) != myPid)
                                      {
                                          return false;
                                      }
                                      status = now;
                                      return true;
                                  });
        myEnded = ended;
        return ended ? status : -1;
    }

    std::string Said() const { return Contents(mySaid); }

private:
    fs::path mySaid;
    pid_t myPid = -1;
    bool myEnded = false;
};

class EndingSaves : public testing::Test
{
protected:
    void SetUp() override
    {
        myFolder = fs::temp_directory_path() /
                   ("marrowen-endings-" + std::to_string(getpid()) + "-" +
                    testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(myFolder);
        fs::create_directories(myFolder);
    }
    void TearDown() override { fs::remove_all(myFolder); }

    fs::path SavePath() const { return myFolder / "marrowen" / "save.json"; }

    // Ends aGame by aEnd once it is playing, and checks it ended normally with the place kept.
    void ExpectEndedAndSaved(GameProcess& aGame, const std::function<void()>& aEnd)
    {
        ASSERT_TRUE(Within(20.0, [&] { return aGame.Playing(); })) << "the game runs";
        // Some play first: the wake-up conversation shows, and no autosave comes before the
        // end (nothing is read to its end, no scene is left).
        std::this_thread::sleep_for(std::chrono::seconds(2));
        EXPECT_FALSE(fs::exists(SavePath())) << "not saved before the end";
        aEnd();
        const int status = aGame.Ended(10.0);
        ASSERT_NE(status, -1) << "the run ended";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        const json save = json::parse(Contents(SavePath()), nullptr, false);
        ASSERT_TRUE(save.is_object()) << "a save was written";
        EXPECT_EQ(save["game"]["scene"], "TimeMachine");
        // Any play at all: a machine busy with other work runs the window slowly.
        EXPECT_GT(save["game"]["scenes"]["TimeMachine"]["levelTime"], 0.0)
            << "saved after some play";
        EXPECT_EQ(save["game"]["flags"]["quitRequested"], false);
        EXPECT_EQ(aGame.Said().find("could not be saved"), std::string::npos) << aGame.Said();
    }

    fs::path myFolder;
};

TEST_F(EndingSaves, ASignalEndsTheRunWithThePlaceSaved)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
    {
        SCOPED_TRACE(strsignal(signal));
        fs::remove_all(myFolder / "marrowen");
        GameProcess game(myFolder, {"--headless", "--play", "--frames", "100000000", "--save"});
        ExpectEndedAndSaved(game, [&] { kill(game.Pid(), signal); });
    }
}

TEST_F(EndingSaves, ClosingTheWindowEndsTheRunWithThePlaceSaved)
{
    const std::string missing = windowtests::WhatIsMissing({"xdotool"});
    if (!missing.empty())
    {
        GTEST_SKIP() << missing;
    }
    const windowtests::DisplayLock lock;
    const std::pair<const char*, std::function<void(const std::string&)>> endings[] = {
        {"the close button",
         [](const std::string& aWindow)
         {
             std::string problem;
             EXPECT_TRUE(platform::RequestWindowClose(std::stoul(aWindow), problem)) << problem;
         }},
        {"the window destroyed by another program",
         [](const std::string& aWindow) { windowtests::Xdotool("windowclose " + aWindow); }},
    };
    for (const auto& [how, endBy] : endings)
    {
        SCOPED_TRACE(how);
        const auto& end = endBy;  // (a lambda may not capture a structured binding)
        fs::remove_all(myFolder / "marrowen");
        GameProcess game(myFolder, {"--play"});
        const std::string window =
            windowtests::FindWindow("Marrowen");  // the one window, under the display lock
        ASSERT_FALSE(window.empty());
        ExpectEndedAndSaved(game, [&] { end(window); });
    }
}

TEST_F(EndingSaves, NothingIsSavedWhileTheEndPictureShows)
{
    // The attract mode's route without its last Return: the run stays at the end picture.
    std::vector<InputEvent> events;
    std::string problem;
    ASSERT_TRUE(
        ParseInputRecording(Contents(BuildFolder() / "demo" / "route.txt"), events, problem))
        << problem;
    ASSERT_GE(events.size(), 2u);
    ASSERT_EQ(0x1C, events.back().scanCode);
    events.resize(events.size() - 2);
    const fs::path route = myFolder / "route.txt";
    {
        std::ofstream file(route);
        file << "marrowen-input 1\n";
        for (const InputEvent& event : events)
        {
            file << FormatInputEvent(event) << '\n';
        }
    }
    const fs::path state = myFolder / "state.json";
    GameProcess game(
        myFolder, {"--headless", "--replay", route.string(), "--state", state.string(), "--save"});
    // The save is there from the first scene change on, and goes when the end picture shows.
    // (The whole route takes 13 s here, 35 s under ThreadSanitizer; the limits are for a
    // machine busy with other work.)
    ASSERT_TRUE(Within(300.0, [&] { return fs::exists(SavePath()); }));
    ASSERT_TRUE(Within(300.0, [&] { return !fs::exists(SavePath()); }));
    ASSERT_TRUE(game.Playing());
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(game.Pid(), SIGTERM);
    const int status = game.Ended(10.0);
    ASSERT_NE(status, -1) << "the run ended";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    const json report = json::parse(Contents(state), nullptr, false);
    ASSERT_TRUE(report.is_object()) << "the state report was written";
    EXPECT_EQ(report["endPicture"], true);
    EXPECT_FALSE(fs::exists(SavePath())) << "a finished game starts anew";
    EXPECT_EQ(game.Said(), "");
}
TEST_F(EndingSaves, RunsWithNobodyAtTheKeysLeaveThePlayersSaveAlone)
{
    const std::string players = Contents(fs::path(MARROWEN_SOURCE_DIR) / "tests" / "data" /
                                         "saves" / "0.1.0-volcano-diamond.json");
    ASSERT_FALSE(players.empty());
    const std::string route = (BuildFolder() / "demo" / "route.txt").string();
    // Each ends well into play: the replay after the prologue, in the time machine.
    const std::vector<std::string> runs[] = {
        {"--headless", "--play", "--frames", "1000", "--screenshot",
         (myFolder / "shot.png").string()},
        {"--headless", "--replay", route, "--frames", "3000", "--state",
         (myFolder / "state.json").string()},
    };
    for (const std::vector<std::string>& run : runs)
    {
        SCOPED_TRACE(run[1]);
        fs::create_directories(SavePath().parent_path());
        std::ofstream(SavePath(), std::ios::binary) << players;
        GameProcess game(myFolder, run);
        const int status = game.Ended(60.0);
        ASSERT_NE(status, -1) << "the run ended";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << game.Said();
        EXPECT_TRUE(Contents(SavePath()) == players) << "the player's save changed";
        EXPECT_EQ(std::distance(fs::directory_iterator(SavePath().parent_path()),
                                fs::directory_iterator()),
                  1)
            << "nothing set aside or left beside it";
    }
}
}  // namespace
