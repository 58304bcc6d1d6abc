// Starts the game: the window by default, or headless for a set number of frames with a
// screenshot of the last one. Runs can be recorded, played back and described; `marrowen
// --help` lists every option. The player's place is kept between runs of the game in its
// window (headless runs and replays keep it only when asked), and --continue goes back to it.
// The player's settings (volumes, fullscreen, scaling) are read at the start of a run in the
// window.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "commandline.h"
#include "displayoptions.h"
#include "fatal.h"
#include "game.h"
#include "inputwrapper/inputrecording.h"
#include "settings.h"

namespace
{
// The events of a recording; a file that cannot be read whole ends the program naming it.
std::vector<InputEvent> ReadRecording(const std::string& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    if (!file)
    {
        platform::Fatal((aPath + ": cannot be read").c_str());
    }
    std::vector<InputEvent> events;
    std::string problem;
    if (!ParseInputRecording(text.str(), events, problem))
    {
        platform::Fatal((aPath + ": " + problem).c_str());
    }
    return events;
}

// Where the attract mode finds its route: beside the game's other data.
std::string DemoRoute(HGE* aHGE)
{
    const char* found = aHGE->Resource_EnumFiles("demo/route.txt");
    if (found == nullptr)
    {
        platform::Fatal("the attract mode's route could not be found");
    }
    DWORD size = 0;
    void* data = aHGE->Resource_Load("demo/route.txt", &size);
    std::string text(static_cast<const char*>(data), size);
    aHGE->Resource_Free(data);
    return text;
}

// The options as given, or the end of the program: the help and the version on standard
// output (status 0), a command line that cannot be followed with the usage on standard error
// (status 2).
CommandLine ReadCommandLine(int aCount, char** aValues)
{
    CommandLine line;
    std::string problem;
    if (!ParseCommandLine(aCount, aValues, line, problem))
    {
        fprintf(stderr, "marrowen: %s\n%s", problem.c_str(), UsageText().c_str());
        exit(2);
    }
    if (line.myHelp || line.myVersion)
    {
        fputs((line.myHelp ? UsageText() : VersionText() + "\n").c_str(), stdout);
        exit(0);
    }
    return line;
}
// The command line and, when it names one, the recording to play back: read whole before
// anything opens, so a damaged one stops the program here.
struct Invocation
{
    CommandLine arguments;
    std::vector<InputEvent> replayed;
};

Invocation ParseOptions(int aCount, char** aValues)
{
    Invocation invocation{ReadCommandLine(aCount, aValues), {}};
    if (!invocation.arguments.myReplay.empty())
    {
        invocation.replayed = ReadRecording(invocation.arguments.myReplay);
    }
    return invocation;
}

// The engine for this run and the player's settings, with the command line's word over them.
struct Platform
{
    HGE* hge;
    Settings settings;
};

// Chooses the backend, makes the engine and gives it the display options and the data folder.
// Headless runs (tests, tools) neither read nor write the settings.
Platform SetUpPlatform(const CommandLine& aArguments)
{
    if (aArguments.myHeadless)
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
    }
    HGE* hge = hgeCreate(HGE_VERSION);
    const auto say = [hge](const std::string& aLine)
    {
        hge->System_Log("%s", aLine.c_str());
        fprintf(stderr, "marrowen: %s\n", aLine.c_str());
    };
    const Settings settings = SettingsForThisRun(
        aArguments, aArguments.myHeadless ? Settings() : LoadSettings(SettingsPath(), say));
    platform::DisplayOptions display = settings.Display();
    display.myUncapped = aArguments.myUncapped;
    platform::SetDisplayOptions(display);
    if (!aArguments.myDataFolder.empty())
    {
        hge->System_SetState(HGE_DATAFOLDER, aArguments.myDataFolder.c_str());
    }
    return Platform{hge, settings};
}

// Where the game's input comes from: the player, a recording played back (the player takes
// over where it ends) or the attract mode's route; and, when asked, a recording of the player.
class RunInput
{
public:
    RunInput(HGE* aHGE, const CommandLine& aArguments, std::vector<InputEvent> aReplayed);

    bool IsReplay() const { return myReplay != nullptr; }
    // The feed the game reads; null for the engine's own keyboard and mouse.
    InputFeed* Feed();

private:
    LiveFeed myLive;
    std::unique_ptr<ReplayFeed> myReplay;
    RecordingFeed myRecording;
    bool myRecords = false;
};

RunInput::RunInput(HGE* aHGE, const CommandLine& aArguments, std::vector<InputEvent> aReplayed)
    : myLive(*aHGE->System_GetState(HGE_HWND))
{
    if (!aArguments.myReplay.empty())
    {
        myReplay = std::make_unique<ReplayFeed>(std::move(aReplayed), &myLive);
    }
    if (aArguments.myDemo)
    {
        std::vector<InputEvent> events;
        std::string problem;
        if (!ParseInputRecording(DemoRoute(aHGE), events, problem))
        {
            platform::Fatal(("demo/route.txt: " + problem).c_str());
        }
        myReplay = std::make_unique<ReplayFeed>(std::move(events));
    }
    if (!aArguments.myRecord.empty())
    {
        std::string problem;
        if (!myRecording.Open(aArguments.myRecord, myLive, problem))
        {
            platform::Fatal(problem.c_str());
        }
        myRecords = true;
    }
}

InputFeed* RunInput::Feed()
{
    if (myRecords)
    {
        return &myRecording;
    }
    return myReplay.get();
}

// The game's options for this run: the command line's, the settings' volumes, the input, the
// pace, the save and the frame limit.
GameOptions OptionsForThisRun(const CommandLine& aArguments, const Settings& aSettings,
                              RunInput& aInput)
{
    GameOptions options = aArguments.myOptions;
    options.myMusicVolume = aSettings.musicVolume;
    options.myEffectsVolume = aSettings.effectsVolume;
    options.myBindings = aSettings.Keys();
    options.myInput = aInput.Feed();
    // A run played back is exact only with a fixed step.
    if (aInput.IsReplay() && options.myFixedStepMs <= 0.0f)
    {
        options.myFixedStepMs = 2.0f;
    }
    // Without a window a fixed step needs no pace: the run goes as fast as it can.
    options.myPaced = !(aArguments.myHeadless && options.myFixedStepMs > 0.0f);
    if (KeepsThePlayersSave(aArguments))
    {
        options.mySaveFolder = SaveStore::DefaultFolder();
    }
    options.myFrameLimit = aArguments.myFrames > 0 ? static_cast<uint64_t>(aArguments.myFrames) : 0;
    return options;
}

// Plays until the window is closed, the game ends or the frame count is reached; a stop signal
// (SIGTERM, SIGINT, SIGHUP) ends the pump the way closing the window does.
void RunGame(Game& aGame, HGE* aHGE)
{
    aGame.Start();
    while (aHGE->System_PumpMessages() && aGame.SwapBuffers())
    {
    }
}

// However the run ended, both workers end here and the game is saved, when this run keeps the
// save; then the state and the screenshot asked for are written. The exit status.
int ShutDown(Game& aGame, HGE* aHGE, const CommandLine& aArguments)
{
    aGame.Stop();
    if (!aArguments.myState.empty())
    {
        std::ofstream(aArguments.myState) << aGame.DescribeState() << '\n';
    }
    if (!aArguments.myScreenshot.empty() && !aHGE->System_Snapshot(aArguments.myScreenshot.c_str()))
    {
        fprintf(stderr, "marrowen: could not write the screenshot %s\n",
                aArguments.myScreenshot.c_str());
        return 1;
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    Invocation invocation = ParseOptions(argc, argv);
    const CommandLine& arguments = invocation.arguments;
    const Platform engine = SetUpPlatform(arguments);
    RunInput input(engine.hge, arguments, std::move(invocation.replayed));
    Game game(engine.hge, OptionsForThisRun(arguments, engine.settings, input));
    RunGame(game, engine.hge);
    return ShutDown(game, engine.hge, arguments);
}
