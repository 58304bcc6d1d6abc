// Every way of ending the game ends the process with exit status 0 within a second, through
// the game's normal end: the state report (--state) is written only after both workers have
// been joined, and the exit status comes only after the game, its music output (closing the
// sound card, SDL's dummy one here) and its window have been torn down. A shutdown that hangs
// ends at a second signal. The window cases run
// under the test display (Xvfb) with synthetic input; the headless ones need nothing.
// Return at the end picture is timed by the playthrough, which plays the whole story.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "childprocess.h"
#include "gamefolder.h"
#include "windowtests.h"

namespace
{
namespace fs = std::filesystem;
using reliability::ChildProcess;
using reliability::ChildResult;
using reliability::GameFolder;
using namespace std::chrono_literals;

// Runs an xdotool command (bounded in time); its first line of output.
std::string Xdotool(const std::string& aArguments)
{
    const std::string command = "timeout 10 xdotool " + aArguments + " 2>/dev/null";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r"))
    {
        char buffer[256];
        while (fgets(buffer, sizeof(buffer), pipe) != nullptr)
        {
            output += buffer;
        }
        pclose(pipe);
    }
    return output.substr(0, output.find('\n'));
}

class Endings : public testing::Test
{
protected:
    void SetUp() override { myState = myFolder / "state.json"; }
    void TearDown() override { fs::remove_all(myFolder); }

    // Starts the game with aArguments (and a state report); true once both workers run.
    bool Start(std::vector<std::string> aArguments)
    {
        aArguments.insert(aArguments.begin(), (GameFolder::BuildFolder() / "marrowen").string());
        aArguments.insert(aArguments.end(), {"--state", myState.string()});
        reliability::ChildOptions options;
        // A sound card to close: SDL's dummy one plays into nothing, but through a real
        // device with its own thread. The games played in a window save, and keep their
        // settings: into this folder.
        options.myEnvironment = {"SDL_AUDIODRIVER=dummy", "XDG_DATA_HOME=" + myFolder.string(),
                                 "XDG_CONFIG_HOME=" + myFolder.string()};
        myGame = std::make_unique<ChildProcess>(aArguments, options);
        return reliability::WaitFor(
            [this]
            {
                const std::vector<std::string> threads = myGame->ThreadNames();
                return std::count(threads.begin(), threads.end(), "marrowen-logic") == 1 &&
                       std::count(threads.begin(), threads.end(), "marrowen-render") == 1;
            },
            GameFolder::Scaled(10s));
    }

    // Ends the game with aEnd and checks it went the normal way within a second.
    void ExpectCleanEnd(const std::function<void()>& aEnd)
    {
        // From the moment of asking: the signal, the close message, the last click.
        aEnd();
        const ChildResult result = myGame->Wait(GameFolder::Scaled(5s));
        EXPECT_EQ(result.Describe(), "exit 0") << result.myStandardError;
        EXPECT_LE(result.myElapsed.count(), GameFolder::Scaled(1s).count());
        EXPECT_EQ(result.myStandardError, "");
        std::ifstream file(myState);
        const nlohmann::json state = nlohmann::json::parse(file, nullptr, false);
        ASSERT_TRUE(state.is_object()) << "no state report: the normal end was not reached";
        EXPECT_GT(state["frames"].get<uint64_t>(), 0u);
    }

    // Ends the game by aEnd, timing it from the moment aEnd returns.
    void EndBy(const std::function<void()>& aEnd)
    {
        ExpectCleanEnd(
            [&]
            {
                aEnd();
                myGame->Signal(0);  // marks the time; signal 0 sends nothing
            });
    }

    fs::path myFolder = []
    {
        fs::path folder = fs::temp_directory_path() /
                          ("marrowen_endings_" + std::to_string(getpid()) + "_" +
                           testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        return folder;
    }();
    fs::path myState;
    std::unique_ptr<ChildProcess> myGame;
};

TEST_F(Endings, HeadlessSigtermAndSigintEndTheRunNormally)
{
    for (const int signal : {SIGTERM, SIGINT})
    {
        SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGINT");
        fs::remove(myState);
        ASSERT_TRUE(Start({"--headless", "--frames", "100000000"}));
        ExpectCleanEnd([&] { myGame->Signal(signal); });
    }
    EXPECT_FALSE(fs::exists(myFolder / "marrowen" / "settings.json")) << "headless: none";
}

TEST_F(Endings, ASecondSignalEndsAHeldShutdownAtOnce)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
    {
        SCOPED_TRACE(strsignal(signal));
        // The state report goes into a pipe that nobody reads: the shutdown waits there.
        fs::remove(myState);
        ASSERT_EQ(0, mkfifo(myState.c_str(), 0600));
        ASSERT_TRUE(Start({"--headless", "--frames", "100000000"}));
        myGame->Signal(signal);
        const auto workers = [this]
        {
            const std::vector<std::string> threads = myGame->ThreadNames();
            return std::count(threads.begin(), threads.end(), "marrowen-logic") > 0;
        };
        ASSERT_TRUE(reliability::WaitFor([&] { return !workers(); }, GameFolder::Scaled(5s)))
            << "the first signal ended the run";
        std::this_thread::sleep_for(200ms);
        ASSERT_TRUE(myGame->Running()) << "the shutdown is held";
        myGame->Signal(signal);
        const ChildResult result = myGame->Wait(GameFolder::Scaled(5s));
        EXPECT_EQ(result.Describe(), "signal " + std::to_string(signal));
        EXPECT_LE(result.myElapsed.count(), GameFolder::Scaled(1s).count());
    }
}

// The game in a real window on the test display, with the keyboard focus and the pointer.
class WindowEndings : public Endings
{
protected:
    void SetUp() override
    {
        Endings::SetUp();
        if (!windowtests::HasDisplay())
        {
            GTEST_SKIP() << "no X display";
        }
        if (std::system("command -v xdotool >/dev/null 2>&1") != 0)
        {
            GTEST_SKIP() << "xdotool is not installed";
        }
        myLock = std::make_unique<windowtests::DisplayLock>();
    }

    // Starts the game in its window, straight into play (with aArguments); true once the
    // window is there and has the focus.
    bool StartWindow(const std::vector<std::string>& aArguments = {})
    {
        std::vector<std::string> arguments = {"--play"};
        arguments.insert(arguments.end(), aArguments.begin(), aArguments.end());
        if (!Start(arguments))
        {
            return false;
        }
        myWindow = Xdotool("search --sync --onlyvisible --pid " + std::to_string(myGame->Pid()));
        if (myWindow.empty())
        {
            return false;
        }
        // No window manager under Xvfb: give it the keyboard focus and the pointer ourselves.
        Xdotool("windowfocus --sync " + myWindow);
        Xdotool("mousemove --window " + myWindow + " 512 384");
        return true;
    }

    std::unique_ptr<windowtests::DisplayLock> myLock;
    std::string myWindow;
};

// The first run in a window also writes the default settings for the player to find; what
// its command line said holds for that run only.
TEST_F(WindowEndings, SigtermAndSigintEndTheRunNormallyAndTheFirstWritesTheDefaultSettings)
{
    const fs::path settings = myFolder / "marrowen" / "settings.json";
    for (const int signal : {SIGTERM, SIGINT})
    {
        SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGINT");
        fs::remove(myState);
        ASSERT_TRUE(StartWindow({"--scale", "integer"}));
        ExpectCleanEnd([&] { myGame->Signal(signal); });
        std::ifstream file(settings);
        const nlohmann::json written = nlohmann::json::parse(file, nullptr, false);
        ASSERT_TRUE(written.is_object()) << settings;
        EXPECT_EQ(written["scaling"], "smooth");
        EXPECT_EQ(written["musicVolume"], 100);
    }
}

TEST_F(WindowEndings, TheCloseButtonEndsTheRunNormally)
{
    ASSERT_TRUE(StartWindow());
    const std::string tool = (GameFolder::BuildFolder() / "marrowen-close-request").string();
    EndBy([&] { ASSERT_EQ(0, std::system((tool + " " + myWindow).c_str())); });
}

TEST_F(WindowEndings, AWindowDestroyedByAnotherProgramEndsTheRunNormally)
{
    ASSERT_TRUE(StartWindow());
    EndBy([&] { Xdotool("windowclose " + myWindow); });
}

// Scaled, the picture is shown by a second pass into the window: that pass, and SDL's look at
// the resized window's parent, must not touch the window once it is gone either.
TEST_F(WindowEndings, AResizedWindowDestroyedByAnotherProgramEndsTheRunNormally)
{
    ASSERT_TRUE(StartWindow());
    Xdotool("windowsize --sync " + myWindow + " 800 600");
    std::this_thread::sleep_for(300ms);  // a few scaled frames
    EndBy([&] { Xdotool("windowclose " + myWindow); });
}

TEST_F(WindowEndings, TheQuitMenusExitEndsTheRunNormally)
{
    ASSERT_TRUE(StartWindow());
    // Let the curtain open before the menu is asked for.
    std::this_thread::sleep_for(500ms);
    Xdotool("key --window " + myWindow + " Escape");
    // The game's cursor starts mid-screen (512, 384); the exit button's top left corner lies
    // at (426, 240): move onto it, then click.
    std::this_thread::sleep_for(200ms);
    Xdotool("mousemove_relative --sync -- -50 -125");
    std::this_thread::sleep_for(200ms);
    EndBy([&] { Xdotool("click 1"); });
}
}  // namespace
