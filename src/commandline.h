#pragma once
// What the player asks for on the command line. One table of options drives both the parsing
// and the help text, so an option can never be accepted without being described.
#include <optional>
#include <string>

#include "game.h"
#include "settings.h"

struct CommandLine
{
    bool myHelp = false;     // print the help and stop
    bool myVersion = false;  // print the version and stop
    bool myHeadless = false;
    long myFrames = -1;  // the run ends after this many logic frames
    std::string myScreenshot;
    std::string myRecord;
    std::string myReplay;
    std::string myState;
    std::string myDataFolder;  // empty: the data beside the game or installed with it
    bool myDemo = false;
    bool mySave = false;      // keep the player's save in a headless run or a replay too
    bool myUncapped = false;  // every frame drawn at once, for measuring
    // Given for this run only: they win over the settings file and are never written to it.
    std::optional<bool> myFullscreen;
    std::optional<std::string> myScaling;  // "smooth" or "integer"
    GameOptions myOptions;
};

// Reads the arguments after the program's name. False, with one line saying why in aProblem,
// when they cannot be followed. --help and --version end the reading where they stand.
bool ParseCommandLine(int aCount, const char* const* aValues, CommandLine& aLine,
                      std::string& aProblem);
// Whether the run reads and writes the player's save: a game played in the window does, the
// attract mode never, and a headless run or a replay only when asked (--save or --continue).
bool KeepsThePlayersSave(const CommandLine& aLine);
// The settings for this run: aSaved, with what the command line gives in their place.
Settings SettingsForThisRun(const CommandLine& aLine, Settings aSaved);
// The usage line, one line per option, the keys, and where the log, the save and the settings
// are.
std::string UsageText();
// The program's name and version ("marrowen 1.2.3").
std::string VersionText();
