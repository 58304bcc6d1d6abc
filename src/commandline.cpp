#include "commandline.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <vector>

namespace
{
// Takes the option's value (null for a switch); a problem with it, or null.
using Taker = std::function<const char*(CommandLine& aLine, const char* aValue)>;

struct Option
{
    const char* myName;
    const char* myValue;  // the value's name in the help; null for a switch
    const char* myHelp;
    Taker myTake;
};

Taker Switch(bool CommandLine::*aField)
{
    return [aField](CommandLine& aLine, const char*) -> const char*
    {
        aLine.*aField = true;
        return nullptr;
    };
}

// For the switches that live in the game's or the display's options.
Taker Switch(bool& (*aField)(CommandLine&))
{
    return [aField](CommandLine& aLine, const char*) -> const char*
    {
        aField(aLine) = true;
        return nullptr;
    };
}

Taker Text(std::string CommandLine::*aField)
{
    return [aField](CommandLine& aLine, const char* aValue) -> const char*
    {
        aLine.*aField = aValue;
        return nullptr;
    };
}

const char* TakeFrames(CommandLine& aLine, const char* aValue)
{
    char* end = nullptr;
    aLine.myFrames = std::strtol(aValue, &end, 10);
    return end != aValue && *end == '\0' && aLine.myFrames > 0 ? nullptr
                                                               : "needs a whole number above 0";
}

const char* TakeStep(CommandLine& aLine, const char* aValue)
{
    char* end = nullptr;
    float& step = aLine.myOptions.myFixedStepMs;
    step = std::strtof(aValue, &end);
    return end != aValue && *end == '\0' && step > 0.0f ? nullptr : "needs a number above 0";
}

const char* TakeScale(CommandLine& aLine, const char* aValue)
{
    if (std::strcmp(aValue, "smooth") != 0 && std::strcmp(aValue, "integer") != 0)
    {
        return "is smooth or integer";
    }
    aLine.myScaling = aValue;
    return nullptr;
}

// --fullscreen and --windowed: the last one given counts.
Taker Fullscreen(bool aFullscreen)
{
    return [aFullscreen](CommandLine& aLine, const char*) -> const char*
    {
        aLine.myFullscreen = aFullscreen;
        return nullptr;
    };
}

const char* TakeData(CommandLine& aLine, const char* aValue)
{
    std::error_code error;
    if (!std::filesystem::is_directory(aValue, error))
    {
        return "needs an existing folder";
    }
    aLine.myDataFolder = aValue;
    return nullptr;
}

const std::vector<Option>& Options()
{
    static const std::vector<Option> options = {
        {"--play", nullptr, "skip the title and the prologue: start awake in the time machine",
         Switch([](CommandLine& aLine) -> bool& { return aLine.myOptions.myStartInPlay; })},
        {"--continue", nullptr, "go straight back to the saved game, when there is one",
         Switch([](CommandLine& aLine) -> bool& { return aLine.myOptions.myContinue; })},
        {"--save", nullptr, "keep the saved game in a headless run or a replay as well",
         Switch(&CommandLine::mySave)},
        {"--headless", nullptr, "run without a window (with --frames, or a --replay that ends)",
         Switch(&CommandLine::myHeadless)},
        {"--frames", "N", "end the run after N logic frames", TakeFrames},
        {"--screenshot", "FILE.png", "with --headless: write the last frame as a PNG picture",
         Text(&CommandLine::myScreenshot)},
        {"--fixed-step-ms", "MS", "advance the game by MS milliseconds a frame, not by the clock",
         TakeStep},
        {"--record", "FILE", "write every key and mouse event of this run to FILE",
         Text(&CommandLine::myRecord)},
        {"--replay", "FILE", "play a recorded run back, then hand over to keys and mouse",
         Text(&CommandLine::myReplay)},
        {"--state", "FILE.json", "at the end, describe the game (scene, heroine, items) as JSON",
         Text(&CommandLine::myState)},
        {"--demo", nullptr, "the attract mode: the game plays its own story",
         Switch(&CommandLine::myDemo)},
        {"--fullscreen", nullptr, "start fullscreen (Alt+Enter or F11 switches while playing)",
         Fullscreen(true)},
        {"--windowed", nullptr, "start in a window, whatever the settings say", Fullscreen(false)},
        {"--scale", "MODE", "smooth (any size) or integer (whole multiples only)", TakeScale},
        {"--uncapped", nullptr, "draw every frame at once: no vertical sync, no cap (benchmarks)",
         Switch(&CommandLine::myUncapped)},
        {"--data", "DIR", "load the pictures, music and lines from DIR", TakeData},
        {"--help", nullptr, "print this help and stop", Switch(&CommandLine::myHelp)},
        {"--version", nullptr, "print the version and stop", Switch(&CommandLine::myVersion)},
    };
    return options;
}

const Option* FindOption(const char* aName)
{
    for (const Option& option : Options())
    {
        if (std::strcmp(option.myName, aName) == 0)
        {
            return &option;
        }
    }
    return nullptr;
}

// "--frames N": the option as the help shows it.
std::string Synopsis(const Option& aOption)
{
    return aOption.myValue ? std::string(aOption.myName) + " " + aOption.myValue : aOption.myName;
}

// The rules between options, once each was read on its own.
const char* Conflict(const CommandLine& aLine)
{
    if (aLine.myHeadless && aLine.myFrames <= 0 && aLine.myReplay.empty())
    {
        return "--headless needs --frames N, or a --replay that ends the game";
    }
    if (!aLine.myHeadless && !aLine.myScreenshot.empty())
    {
        return "--screenshot goes with --headless";
    }
    if (aLine.myDemo + !aLine.myReplay.empty() + !aLine.myRecord.empty() > 1)
    {
        return "--record, --replay and --demo exclude each other";
    }
    if (aLine.myOptions.myContinue && (aLine.myDemo || aLine.myOptions.myStartInPlay))
    {
        return "--continue goes with neither --demo nor --play";
    }
    if (aLine.mySave && aLine.myDemo)
    {
        return "--save does not go with --demo, which keeps no save";
    }
    return nullptr;
}
}  // namespace

bool ParseCommandLine(int aCount, const char* const* aValues, CommandLine& aLine,
                      std::string& aProblem)
{
    for (int i = 1; i < aCount; ++i)
    {
        const Option* option = FindOption(aValues[i]);
        if (option == nullptr)
        {
            aProblem = std::string("unknown option ") + aValues[i];
            return false;
        }
        const char* value = nullptr;
        if (option->myValue != nullptr)
        {
            if (i + 1 >= aCount)
            {
                aProblem = std::string(option->myName) + " needs " + option->myValue;
                return false;
            }
            value = aValues[++i];
        }
        if (const char* problem = option->myTake(aLine, value))
        {
            aProblem = std::string(option->myName) + " " + problem + ", not '" + value + "'";
            return false;
        }
        if (aLine.myHelp || aLine.myVersion)
        {
            return true;
        }
    }
    if (const char* conflict = Conflict(aLine))
    {
        aProblem = conflict;
        return false;
    }
    return true;
}

bool KeepsThePlayersSave(const CommandLine& aLine)
{
    if (aLine.myDemo)
    {
        return false;
    }
    const bool unattended = aLine.myHeadless || !aLine.myReplay.empty();
    return !unattended || aLine.mySave || aLine.myOptions.myContinue;
}

Settings SettingsForThisRun(const CommandLine& aLine, Settings aSaved)
{
    aSaved.fullscreen = aLine.myFullscreen.value_or(aSaved.fullscreen);
    aSaved.scaling = aLine.myScaling.value_or(aSaved.scaling);
    return aSaved;
}

std::string UsageText()
{
    size_t width = 0;
    for (const Option& option : Options())
    {
        width = std::max(width, Synopsis(option).size());
    }
    std::ostringstream text;
    text << "usage: marrowen [OPTION]...\n"
            "Plays Marrowen in a window, from the title picture unless told otherwise.\n\n";
    for (const Option& option : Options())
    {
        const std::string synopsis = Synopsis(option);
        text << "  " << synopsis << std::string(width - synopsis.size() + 2, ' ') << option.myHelp
             << '\n';
    }
    text << "\nW A S D walk, E or Return use and talk on, I the inventory, N the notepad, L what\n"
            "was said, Escape the menu; a gamepad works too. The log is in\n"
            "$XDG_STATE_HOME/marrowen/ (~/.local/state/marrowen/ when that is not set), the\n"
            "saved game in $XDG_DATA_HOME/marrowen/ (~/.local/share/marrowen/); C on the title\n"
            "continues it. Headless runs and replays leave it alone unless given --save or\n"
            "--continue. The settings (music and effects volume, fullscreen, scaling, keys)\n"
            "are in $XDG_CONFIG_HOME/marrowen/settings.json (~/.config/marrowen/);\n"
            "--fullscreen, --windowed and --scale win over them for one run. Headless runs\n"
            "do not use them.\n";
    return text.str();
}

std::string VersionText()
{
    return std::string("marrowen ") + MARROWEN_VERSION;
}
