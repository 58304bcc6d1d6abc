// The command line: what each option sets, what cannot be followed and why, and the help and
// version texts that come from the same table.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "commandline.h"

namespace
{
struct Parsed
{
    bool myOk = false;
    CommandLine myLine;
    std::string myProblem;
};

Parsed Parse(std::vector<const char*> aArguments)
{
    aArguments.insert(aArguments.begin(), "marrowen");
    Parsed parsed;
    parsed.myOk = ParseCommandLine(static_cast<int>(aArguments.size()), aArguments.data(),
                                   parsed.myLine, parsed.myProblem);
    return parsed;
}

std::vector<std::string> Lines(const std::string& aText)
{
    std::vector<std::string> lines;
    std::istringstream stream(aText);
    for (std::string line; std::getline(stream, line);)
    {
        lines.push_back(line);
    }
    return lines;
}
}  // namespace

TEST(CommandLine, NoOptionsPlaysFromTheTitleInAWindow)
{
    const Parsed parsed = Parse({});
    ASSERT_TRUE(parsed.myOk) << parsed.myProblem;
    EXPECT_FALSE(parsed.myLine.myHeadless);
    EXPECT_FALSE(parsed.myLine.myOptions.myStartInPlay);
    EXPECT_FALSE(parsed.myLine.myOptions.myContinue);
    EXPECT_EQ(parsed.myLine.myFrames, -1);
    EXPECT_FALSE(parsed.myLine.myFullscreen.has_value()) << "the settings say";
    EXPECT_FALSE(parsed.myLine.myScaling.has_value());
    EXPECT_FALSE(parsed.myLine.myUncapped);
    EXPECT_TRUE(parsed.myLine.myDataFolder.empty());
}

TEST(CommandLine, EachOptionSetsWhatItSays)
{
    const std::string folder = std::filesystem::temp_directory_path().string();
    const Parsed parsed =
        Parse({"--play", "--headless", "--frames", "250", "--screenshot", "shot.png",
               "--fixed-step-ms", "2.5", "--record", "run.txt", "--state", "end.json",
               "--fullscreen", "--scale", "integer", "--uncapped", "--data", folder.c_str()});
    ASSERT_TRUE(parsed.myOk) << parsed.myProblem;
    const CommandLine& line = parsed.myLine;
    EXPECT_TRUE(line.myOptions.myStartInPlay);
    EXPECT_TRUE(line.myHeadless);
    EXPECT_EQ(line.myFrames, 250);
    EXPECT_EQ(line.myScreenshot, "shot.png");
    EXPECT_EQ(line.myOptions.myFixedStepMs, 2.5f);
    EXPECT_EQ(line.myRecord, "run.txt");
    EXPECT_EQ(line.myState, "end.json");
    EXPECT_EQ(line.myFullscreen, true);
    EXPECT_EQ(line.myScaling, "integer");
    EXPECT_TRUE(line.myUncapped);
    EXPECT_EQ(line.myDataFolder, folder);
    EXPECT_FALSE(line.myDemo);

    EXPECT_TRUE(Parse({"--replay", "run.txt", "--headless"}).myLine.myReplay == "run.txt");
    EXPECT_TRUE(Parse({"--demo"}).myLine.myDemo);
    EXPECT_TRUE(Parse({"--continue"}).myLine.myOptions.myContinue);
    EXPECT_FALSE(Parse({"--continue"}).myLine.myOptions.myStartInPlay);
    EXPECT_EQ(Parse({"--scale", "smooth"}).myLine.myScaling, "smooth");
}

// The settings file says how the window starts; what the command line says wins, for this run.
TEST(CommandLine, WhatItSaysOfTheWindowWinsOverTheSettings)
{
    Settings saved;
    saved.fullscreen = true;
    saved.scaling = "integer";
    saved.musicVolume = 30;
    EXPECT_EQ(SettingsForThisRun(Parse({"--play"}).myLine, saved), saved);

    const Settings run =
        SettingsForThisRun(Parse({"--windowed", "--scale", "smooth"}).myLine, saved);
    EXPECT_FALSE(run.fullscreen);
    EXPECT_EQ(run.Display().myScaling, platform::PictureScaling::Smooth);
    EXPECT_EQ(run.musicVolume, 30);

    const Settings last = SettingsForThisRun(Parse({"--windowed", "--fullscreen"}).myLine, {});
    EXPECT_TRUE(last.Display().myFullscreen) << "the last of the two counts";
    EXPECT_EQ(last.Display().myScaling, platform::PictureScaling::Smooth);
}

TEST(CommandLine, WhatCannotBeFollowedIsNamed)
{
    const std::pair<std::vector<const char*>, std::string> wrong[] = {
        {{"--fly"}, "unknown option --fly"},
        {{"-h"}, "unknown option -h"},
        {{"--frames"}, "--frames needs N"},
        {{"--frames", "many"}, "--frames needs a whole number above 0, not 'many'"},
        {{"--frames", "0"}, "--frames needs a whole number above 0, not '0'"},
        {{"--frames", "12x"}, "--frames needs a whole number above 0, not '12x'"},
        {{"--fixed-step-ms", "-2"}, "--fixed-step-ms needs a number above 0, not '-2'"},
        {{"--scale", "big"}, "--scale is smooth or integer, not 'big'"},
        {{"--data", "/no/such/folder"}, "--data needs an existing folder, not '/no/such/folder'"},
        {{"--headless"}, "--headless needs --frames N, or a --replay that ends the game"},
        {{"--screenshot", "a.png"}, "--screenshot goes with --headless"},
        {{"--record", "a", "--replay", "b"}, "--record, --replay and --demo exclude each other"},
        {{"--demo", "--record", "a"}, "--record, --replay and --demo exclude each other"},
        {{"--continue", "--play"}, "--continue goes with neither --demo nor --play"},
        {{"--demo", "--continue"}, "--continue goes with neither --demo nor --play"},
        {{"--demo", "--save"}, "--save does not go with --demo, which keeps no save"},
    };
    for (const auto& [arguments, problem] : wrong)
    {
        const Parsed parsed = Parse(arguments);
        EXPECT_FALSE(parsed.myOk) << problem;
        EXPECT_EQ(parsed.myProblem, problem);
    }
}

// The player's save is read and written by the game played at the keys; runs with nobody there
// leave it alone unless they ask for it.
TEST(CommandLine, RunsWithNobodyAtTheKeysKeepTheSaveOnlyWhenAsked)
{
    const std::pair<std::vector<const char*>, bool> runs[] = {
        {{}, true},
        {{"--play"}, true},
        {{"--record", "run.txt"}, true},
        {{"--demo"}, false},
        {{"--headless", "--play", "--frames", "9", "--screenshot", "a.png"}, false},
        {{"--replay", "run.txt"}, false},
        {{"--headless", "--replay", "run.txt", "--state", "end.json"}, false},
        {{"--headless", "--frames", "9", "--save"}, true},
        {{"--replay", "run.txt", "--save"}, true},
        {{"--headless", "--frames", "9", "--continue"}, true},
    };
    for (const auto& [arguments, keeps] : runs)
    {
        const Parsed parsed = Parse(arguments);
        std::string line;
        for (const char* argument : arguments)
        {
            line += std::string(" ") + argument;
        }
        ASSERT_TRUE(parsed.myOk) << line << ": " << parsed.myProblem;
        EXPECT_EQ(KeepsThePlayersSave(parsed.myLine), keeps) << line;
    }
}

TEST(CommandLine, HelpAndVersionStopTheReadingWhereTheyStand)
{
    const Parsed help = Parse({"--play", "--help", "--fly"});
    EXPECT_TRUE(help.myOk);
    EXPECT_TRUE(help.myLine.myHelp);
    EXPECT_TRUE(help.myLine.myOptions.myStartInPlay);

    const Parsed version = Parse({"--version", "--headless"});
    EXPECT_TRUE(version.myOk) << "--headless alone would need --frames";
    EXPECT_TRUE(version.myLine.myVersion);

    EXPECT_FALSE(Parse({"--fly", "--help"}).myOk) << "an unknown option before --help counts";
}

TEST(CommandLine, TheHelpHasOneLinePerOptionThatTheParserAccepts)
{
    const std::vector<std::string> lines = Lines(UsageText());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "usage: marrowen [OPTION]...");
    const std::regex optionLine(R"(  (--[a-z-]+)( [A-Z.a-z]+)? +\S.*)");
    std::vector<std::string> described;
    for (const std::string& line : lines)
    {
        EXPECT_LE(line.size(), 100u) << line;
        std::smatch match;
        if (std::regex_match(line, match, optionLine))
        {
            described.push_back(match[1]);
        }
    }
    const std::vector<std::string> expected = {
        "--play",          "--continue", "--save",     "--headless", "--frames", "--screenshot",
        "--fixed-step-ms", "--record",   "--replay",   "--state",    "--demo",   "--fullscreen",
        "--windowed",      "--scale",    "--uncapped", "--data",     "--help",   "--version"};
    EXPECT_EQ(described, expected);
    // Every option the help describes is one the parser takes.
    for (const std::string& option : described)
    {
        EXPECT_NE(Parse({option.c_str()}).myProblem, "unknown option " + option);
    }
}

TEST(CommandLine, TheVersionIsTheProjectsThreePartNumber)
{
    EXPECT_TRUE(std::regex_match(VersionText(), std::regex(R"(marrowen \d+\.\d+\.\d+)")))
        << VersionText();
}
