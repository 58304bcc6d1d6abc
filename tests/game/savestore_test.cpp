// The save on disk: written whole or not at all, wherever the write fails or the writer is
// killed; written in the background with the latest request winning; a save that cannot be
// written is reported; and the folder follows the XDG base directories.
#include "savestore.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <thread>

#include "savecodec.h"
#include "settings.h"
#include "testpictures.h"
#include "wholefile.h"

namespace
{
namespace fs = std::filesystem;

std::string Contents(const fs::path& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Two different whole saves.
std::string SaveAt(float aX)
{
    SavedGame save;
    save.scene = "JungleCrashSite";
    save.heroine = Vector2<float>(aX, 400.0f);
    save.inventory.held = {Item::State{"wire", {}, true, false, false, false}};
    return EncodeSave(save);
}

// Files in aFolder other than aKeep.
std::vector<std::string> Others(const fs::path& aFolder, const std::string& aKeep)
{
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(aFolder))
    {
        if (entry.path().filename() != aKeep)
        {
            others.push_back(entry.path().filename().string());
        }
    }
    return others;
}

enum class Cut
{
    KILLED,  // the writer dies at the byte the file may not grow past (SIGXFSZ)
    FAILED,  // the write fails there (EFBIG) and the writer carries on
};

// Writes aText over aPath in a child process that may not make a file longer than aLimit
// bytes; how the child ended.
int WriteInChild(const std::string& aPath, const std::string& aText, size_t aLimit, Cut aCut)
{
    const pid_t child = fork();
    if (child == 0)
    {
        const rlimit size{aLimit, aLimit};
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        setrlimit(RLIMIT_FSIZE, &size);
        signal(SIGXFSZ, aCut == Cut::KILLED ? SIG_DFL : SIG_IGN);
        std::string problem;
        _exit(WriteWholeFile(aPath, aText, problem) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

TEST(WholeFile, AWriteStoppedAtAnyByteLeavesTheOldSaveWhole)
{
    const fs::path folder = testpictures::TempFolder("wholefile_cut");
    const std::string path = (folder / "save.json").string();
    const std::string old = SaveAt(100.0f);
    const std::string fresh = SaveAt(2000.0f) + std::string(3000, ' ');
    // Every one of the first bytes, then ever wider steps, and the last two.
    std::set<size_t> limits = {fresh.size() - 1, fresh.size()};
    for (size_t limit = 0; limit < fresh.size(); limit += limit < 64 ? 1 : limit / 4)
    {
        limits.insert(limit);
    }
    for (Cut cut : {Cut::KILLED, Cut::FAILED})
    {
        for (size_t limit : limits)
        {
            SCOPED_TRACE(std::to_string(limit) + (cut == Cut::KILLED ? " killed" : " failed"));
            std::string problem;
            ASSERT_TRUE(WriteWholeFile(path, old, problem)) << problem;
            const int status = WriteInChild(path, fresh, limit, cut);
            const bool stopped = limit < fresh.size();
            if (stopped && cut == Cut::KILLED)
            {
                ASSERT_TRUE(WIFSIGNALED(status));
                EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
            }
            else
            {
                ASSERT_TRUE(WIFEXITED(status));
                EXPECT_EQ(WEXITSTATUS(status), stopped ? 1 : 0);
            }
            const std::string left = Contents(path);
            EXPECT_EQ(left, stopped ? old : fresh);
            SavedGame save;
            EXPECT_TRUE(DecodeSave(left, SavedGame(), save, problem)) << problem;
            // A write that failed cleans up after itself; a killed one may leave its
            // temporary file, which nothing reads.
            if (cut == Cut::FAILED)
            {
                EXPECT_EQ(Others(folder, "save.json"), std::vector<std::string>());
            }
            for (const std::string& other : Others(folder, "save.json"))
            {
                fs::remove(folder / other);
            }
        }
    }
    fs::remove_all(folder);
}

// The game's own writer thread, handed saves without pause in a process that is killed at a
// moment that moves across whole writes (making the temporary file, its bytes, fsync, rename,
// the folder's fsync): whatever it was doing, the save left is one of the two it was given.
TEST(WholeFile, AWriterKilledAtAnyMomentLeavesTheOldSaveOrTheNewOne)
{
    const fs::path folder = testpictures::TempFolder("wholefile_killed");
    const std::string path = (folder / "save.json").string();
    const std::string first = SaveAt(1.0f);
    const std::string second = SaveAt(2.0f) + std::string(30000, ' ');
    std::string problem;
    // How long one whole write takes here, to spread the kills over a few of them.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i)
    {
        ASSERT_TRUE(WriteWholeFile(path, i % 2 == 0 ? second : first, problem)) << problem;
    }
    const auto oneWrite = (std::chrono::steady_clock::now() - start) / 10;
    constexpr int ourKills = 60;
    int seenFirst = 0;
    int seenSecond = 0;
    for (int kill = 0; kill < ourKills; ++kill)
    {
        SCOPED_TRACE(kill);
        ASSERT_TRUE(WriteWholeFile(path, first, problem)) << problem;
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        if (child == 0)
        {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            SaveStore store(folder.string(), nullptr);
            // The writer thread runs: the clock starts.
            if (write(started[1], "1", 1) != 1)
            {
                _exit(1);
            }
            for (unsigned long i = 0;; ++i)
            {
                store.Write(i % 2 == 0 ? second : first);
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
        }
        close(started[1]);
        char ready = 0;
        ASSERT_EQ(read(started[0], &ready, 1), 1);
        close(started[0]);
        // From a few writes' time down to none at all.
        std::this_thread::sleep_for(oneWrite * 3 * (ourKills - kill) / ourKills +
                                    std::chrono::microseconds(200 * kill % 1000));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
        const std::string left = Contents(path);
        seenFirst += left == first ? 1 : 0;
        seenSecond += left == second ? 1 : 0;
        EXPECT_TRUE(left == first || left == second) << left.size() << " bytes";
        // What else is there can only be the temporary file of the write cut short; the game
        // never reads it.
        for (const std::string& other : Others(folder, "save.json"))
        {
            EXPECT_EQ(other.rfind("save.json.", 0), 0u) << other;
            EXPECT_NE(other, "save.json.bad") << other;
            fs::remove(folder / other);
        }
    }
    std::printf("kills leaving the first save: %d, the second: %d\n", seenFirst, seenSecond);
    // Both outcomes happened: the writer was really at work when it was killed.
    EXPECT_GT(seenFirst, 0);
    EXPECT_GT(seenSecond, 0);
    fs::remove_all(folder);
}

TEST(WholeFile, AReaderSeesTheOldSaveOrTheNewOneWhileItIsReplaced)
{
    const fs::path folder = testpictures::TempFolder("wholefile_race");
    const std::string path = (folder / "save.json").string();
    const std::string first = SaveAt(1.0f);
    const std::string second = SaveAt(2.0f) + std::string(20000, ' ');
    std::string problem;
    ASSERT_TRUE(WriteWholeFile(path, first, problem));
    std::thread writer(
        [&]
        {
            for (int i = 0; i < 200; ++i)
            {
                std::string ignored;
                WriteWholeFile(path, i % 2 == 0 ? second : first, ignored);
            }
        });
    int torn = 0;
    for (int i = 0; i < 2000; ++i)
    {
        const std::string seen = Contents(path);
        torn += seen != first && seen != second ? 1 : 0;
    }
    writer.join();
    EXPECT_EQ(torn, 0);
    fs::remove_all(folder);
}

TEST(WholeFile, WhatCannotBeWrittenOrDeletedIsSaidAndChangesNothing)
{
    const fs::path folder = testpictures::TempFolder("wholefile_fail");
    const fs::path blocker = folder / "file";
    std::ofstream(blocker) << "in the way";
    std::string problem;
    EXPECT_FALSE(WriteWholeFile((blocker / "save.json").string(), "{}", problem));
    EXPECT_NE(problem.find(blocker.string()), std::string::npos) << problem;
    EXPECT_EQ(Contents(blocker), "in the way");
    EXPECT_TRUE(RemoveWholeFile((folder / "nothing.json").string(), problem)) << "gone already";
    fs::create_directories(folder / "full" / "inside");
    EXPECT_FALSE(RemoveWholeFile((folder / "full").string(), problem));
    EXPECT_TRUE(fs::exists(folder / "full" / "inside"));
    fs::remove_all(folder);
}

class SaveStoreTest : public testing::Test
{
protected:
    void SetUp() override { myFolder = testpictures::TempFolder("savestore"); }
    void TearDown() override { fs::remove_all(myFolder); }

    SaveStore::Report Collect()
    {
        return [this](const std::string& aLine) { myReports.push_back(aLine); };
    }

    fs::path myFolder;
    std::vector<std::string> myReports;
};

TEST_F(SaveStoreTest, TheLastRequestWinsAndClosingWaitsForIt)
{
    {
        SaveStore store(myFolder.string(), Collect());
        EXPECT_FALSE(store.Exists());
        store.Write("first");
        store.Write("second");
        store.Forget();
        store.Write("third");
        store.Close();
        EXPECT_EQ(Contents(store.GetPath()), "third");
        store.Write("after closing");
        store.Close();
        EXPECT_EQ(Contents(store.GetPath()), "third") << "nothing is written once closed";
    }
    {
        SaveStore store(myFolder.string(), Collect());
        EXPECT_TRUE(store.Exists());
        store.Write("fourth");
        store.Forget();
    }  // closed on the way out
    EXPECT_FALSE(fs::exists(myFolder / "save.json"));
    EXPECT_TRUE(myReports.empty());
}

TEST_F(SaveStoreTest, ASaveThatCannotBeWrittenIsSaidInOneLine)
{
    std::ofstream(myFolder / "blocked") << "a file where the folder should be";
    SaveStore store((myFolder / "blocked").string(), Collect());
    store.Write("{}");
    store.Close();
    ASSERT_EQ(myReports.size(), 1u);
    EXPECT_EQ(myReports[0].find("the game could not be saved: "), 0u) << myReports[0];
    EXPECT_EQ(myReports[0].find('\n'), std::string::npos);
}

TEST_F(SaveStoreTest, ReadingAndSettingAsideKeepTheBytes)
{
    SaveStore store(myFolder.string(), Collect());
    std::string text;
    std::string problem;
    EXPECT_FALSE(store.Read(text, problem));
    std::ofstream(store.GetPath()) << "older";
    ASSERT_TRUE(store.SetAside());
    std::ofstream(store.GetPath(), std::ios::binary) << "damaged\x01";
    ASSERT_TRUE(store.Read(text, problem)) << problem;
    EXPECT_EQ(text, "damaged\x01");
    ASSERT_TRUE(store.SetAside()) << "an older one set aside is replaced";
    EXPECT_FALSE(store.Exists());
    EXPECT_EQ(Contents(store.GetSetAsidePath()), "damaged\x01");
    EXPECT_FALSE(store.SetAside()) << "nothing left to set aside";
}

// The save's folder, and the settings' file beside the player's other configuration.
TEST_F(SaveStoreTest, TheFolderFollowsTheXdgBaseDirectories)
{
    const char* const variables[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"};
    std::vector<std::optional<std::string>> saved;
    for (const char* variable : variables)
    {
        const char* value = std::getenv(variable);
        saved.push_back(value != nullptr ? std::optional<std::string>(value) : std::nullopt);
    }

    setenv("XDG_DATA_HOME", "/data/of/alice", 1);
    setenv("XDG_CONFIG_HOME", "/config/of/alice", 1);
    setenv("HOME", "/home/alice", 1);
    EXPECT_EQ(SaveStore::DefaultFolder(), "/data/of/alice/marrowen");
    EXPECT_EQ(SettingsPath(), "/config/of/alice/marrowen/settings.json");
    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    setenv("XDG_CONFIG_HOME", "relative/too", 1);
    EXPECT_EQ(SaveStore::DefaultFolder(), "/home/alice/.local/share/marrowen");
    EXPECT_EQ(SettingsPath(), "/home/alice/.config/marrowen/settings.json");
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SaveStore::DefaultFolder(), "/home/alice/.local/share/marrowen");
    unsetenv("HOME");
    EXPECT_EQ(SaveStore::DefaultFolder(), "") << "nowhere to keep it: no saving";
    EXPECT_EQ(SettingsPath(), "");
    EXPECT_FALSE(SaveStore("", Collect()).IsEnabled());

    for (size_t i = 0; i < saved.size(); ++i)
    {
        saved[i] ? setenv(variables[i], saved[i]->c_str(), 1) : unsetenv(variables[i]);
    }
}
}  // namespace
