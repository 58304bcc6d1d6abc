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
}  // namespace

int main(int argc, char** argv)
{
    CommandLine arguments = ReadCommandLine(argc, argv);
    // A recording is read whole before anything opens: a damaged one stops the program here.
    std::vector<InputEvent> replayed;
    if (!arguments.myReplay.empty())
    {
        replayed = ReadRecording(arguments.myReplay);
    }
    if (arguments.myHeadless)
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
    }
    HGE* hge = hgeCreate(HGE_VERSION);
    // The player's settings, with the command line's word over them for this run. Headless
    // runs (tests, tools) neither read nor write them.
    const auto say = [hge](const std::string& aLine)
    {
        hge->System_Log("%s", aLine.c_str());
        fprintf(stderr, "marrowen: %s\n", aLine.c_str());
    };
    const Settings settings = SettingsForThisRun(
        arguments, arguments.myHeadless ? Settings() : LoadSettings(SettingsPath(), say));
    platform::SetDisplayOptions(settings.Display());
    if (!arguments.myDataFolder.empty())
    {
        hge->System_SetState(HGE_DATAFOLDER, arguments.myDataFolder.c_str());
    }
    LiveFeed live(*hge->System_GetState(HGE_HWND));
    std::unique_ptr<ReplayFeed> replay;
    if (!arguments.myReplay.empty())
    {
        // Once the recording is over, the player takes over where it left off.
        replay = std::make_unique<ReplayFeed>(std::move(replayed), &live);
    }
    if (arguments.myDemo)
    {
        std::vector<InputEvent> events;
        std::string problem;
        if (!ParseInputRecording(DemoRoute(hge), events, problem))
        {
            platform::Fatal(("demo/route.txt: " + problem).c_str());
        }
        replay = std::make_unique<ReplayFeed>(std::move(events));
    }
    GameOptions& options = arguments.myOptions;
    options.myMusicVolume = settings.musicVolume;
    options.myEffectsVolume = settings.effectsVolume;
    options.myBindings = settings.Keys();
    if (replay)
    {
        options.myInput = replay.get();
        // A run played back is exact only with a fixed step.
        if (options.myFixedStepMs <= 0.0f)
        {
            options.myFixedStepMs = 2.0f;
        }
    }
    // Without a window a fixed step needs no pace: the run goes as fast as it can.
    options.myPaced = !(arguments.myHeadless && options.myFixedStepMs > 0.0f);
    if (KeepsThePlayersSave(arguments))
    {
        options.mySaveFolder = SaveStore::DefaultFolder();
    }
    RecordingFeed recording;
    if (!arguments.myRecord.empty())
    {
        std::string problem;
        if (!recording.Open(arguments.myRecord, live, problem))
        {
            platform::Fatal(problem.c_str());
        }
        options.myInput = &recording;
    }

    options.myFrameLimit = arguments.myFrames > 0 ? static_cast<uint64_t>(arguments.myFrames) : 0;
    Game game(hge, options);
    // A stop signal (SIGTERM, SIGINT, SIGHUP) ends the pump the way closing the window does.
    while (hge->System_PumpMessages() && game.SwapBuffers())
    {
    }
    // However the run ended (window closed, quit request, signal, frame count), both workers end
    // here and the game is saved, when this run keeps the save.
    game.Stop();
    if (!arguments.myState.empty())
    {
        std::ofstream(arguments.myState) << game.DescribeState() << '\n';
    }
    if (!arguments.myScreenshot.empty() && !hge->System_Snapshot(arguments.myScreenshot.c_str()))
    {
        fprintf(stderr, "marrowen: could not write the screenshot %s\n",
                arguments.myScreenshot.c_str());
        return 1;
    }
    return 0;
}
