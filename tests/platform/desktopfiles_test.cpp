// Where the game's files are on a Linux desktop: its data beside the executable (a build
// folder) or installed under share/marrowen/ beside its bin/, and its log in the user's state
// folder as the XDG rules place it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "filepaths.h"
#include "testpictures.h"

namespace
{
namespace fs = std::filesystem;

// Sets an environment variable (or unsets it, with nullopt) for as long as it lives.
class ScopedVariable
{
public:
    ScopedVariable(const char* aName, const std::optional<std::string>& aValue) : myName(aName)
    {
        if (const char* old = std::getenv(aName))
        {
            myOld = old;
        }
        Set(aValue);
    }
    ~ScopedVariable() { Set(myOld); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void Set(const std::optional<std::string>& aValue)
    {
        if (aValue)
        {
            setenv(myName, aValue->c_str(), 1);
        }
        else
        {
            unsetenv(myName);
        }
    }

    const char* myName;
    std::optional<std::string> myOld;
};
}  // namespace

TEST(DataFolder, BesideTheGameFirstThenTheInstalledShareFolder)
{
    const fs::path root = testpictures::TempFolder("datafolder");
    const fs::path bin = root / "usr" / "bin";
    const fs::path share = root / "usr" / "share" / "marrowen";
    fs::create_directories(bin);

    // Nothing anywhere: the game's own folder, so the errors name files there.
    EXPECT_EQ(platform::FindDataFolder(bin.string()), bin.string());

    // Installed: bin/ holds only the game, the pictures are under share/marrowen/.
    fs::create_directories(share / "img");
    EXPECT_EQ(platform::FindDataFolder(bin.string()), share.string());

    // A build folder with its own pictures wins over an installed copy.
    fs::create_directories(bin / "img");
    EXPECT_EQ(platform::FindDataFolder(bin.string()), bin.string());

    // A file named img is not the pictures' folder.
    fs::remove_all(bin / "img");
    fs::remove_all(share / "img");
    std::ofstream(share / "img") << "not a folder";
    EXPECT_EQ(platform::FindDataFolder(bin.string()), bin.string());
    fs::remove_all(root);
}

TEST(LogFile, FollowsXdgStateHomeWithTheHomeFolderAsItsDefault)
{
    {
        const ScopedVariable state("XDG_STATE_HOME", "/var/lib/someone/state");
        EXPECT_EQ(platform::LogFilePath(), "/var/lib/someone/state/marrowen/marrowen.log");
    }
    {
        const ScopedVariable state("XDG_STATE_HOME", std::nullopt);
        const ScopedVariable home("HOME", "/home/ester");
        EXPECT_EQ(platform::LogFilePath(), "/home/ester/.local/state/marrowen/marrowen.log");
    }
    {
        // The XDG rules: a relative path is invalid and is ignored.
        const ScopedVariable state("XDG_STATE_HOME", "relative/state");
        const ScopedVariable home("HOME", "/home/ester");
        EXPECT_EQ(platform::LogFilePath(), "/home/ester/.local/state/marrowen/marrowen.log");
    }
    {
        const ScopedVariable state("XDG_STATE_HOME", "");
        const ScopedVariable home("HOME", std::nullopt);
        EXPECT_EQ(platform::LogFilePath(), "") << "nowhere to put it";
        platform::AppendLogLine("into the void");  // and no harm done
    }
}

TEST(LogFile, TheFirstLineMakesTheFolderAndLinesEndOnce)
{
    const fs::path root = testpictures::TempFolder("logfile");
    const ScopedVariable state("XDG_STATE_HOME", (root / "fresh" / "state").string());
    platform::AppendLogLine("first");
    platform::AppendLogLine("second\n");
    std::ifstream log(root / "fresh" / "state" / "marrowen" / "marrowen.log");
    const std::string text{std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>()};
    EXPECT_EQ(text, "first\nsecond\n");
    fs::remove_all(root);
}
