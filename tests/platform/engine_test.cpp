// The engine interface's files, picture cache, log and states (on the headless backend).
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <fstream>

#include "filepaths.h"
#include "hge.h"
#include "inputsource.h"
#include "testpictures.h"

namespace
{
class Engine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHge = hgeCreate(HGE_VERSION);
        ASSERT_NE(myHge, nullptr);
    }
    void TearDown() override
    {
        if (myHge)
        {
            myHge->Release();
        }
    }

    std::string Write(const std::string& aRelative, const testpictures::Picture& aPicture)
    {
        return testpictures::WriteFile(myFolder / aRelative, testpictures::Png(aPicture));
    }

    HGE* myHge = nullptr;
    std::filesystem::path myFolder = testpictures::TempFolder("engine");
};

const testpictures::Picture kGreen = testpictures::Filled(3, 2, 0xFF00FF00);
}  // namespace

TEST_F(Engine, EveryCreateGivesTheSameEngineUntilTheLastRelease)
{
    EXPECT_EQ(hgeCreate(0x170), nullptr) << "only the 1.8 interface is offered";
    HGE* second = hgeCreate(HGE_VERSION);
    EXPECT_EQ(second, myHge);
    const HTEXTURE texture = myHge->Texture_Load(Write("a.png", kGreen).c_str());
    ASSERT_NE(texture, 0u);
    second->Release();
    EXPECT_EQ(myHge->Texture_GetWidth(texture), 3) << "one reference is still held";

    myHge->Release();
    myHge = hgeCreate(HGE_VERSION);
    EXPECT_EQ(myHge->Texture_GetWidth(texture), 0) << "the last Release dropped every picture";
}

TEST_F(Engine, LoadingAFileTwiceSharesOnePictureUntilBothAreFreed)
{
    const std::string path = Write("shared.png", kGreen);
    const HTEXTURE first = myHge->Texture_Load(path.c_str());
    const HTEXTURE second = myHge->Texture_Load(path.c_str());
    ASSERT_NE(first, 0u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(myHge->Texture_Lock(first), myHge->Texture_Lock(second));
    myHge->Texture_Unlock(first);
    myHge->Texture_Unlock(second);

    myHge->Texture_Free(first);
    ASSERT_NE(myHge->Texture_Lock(second), nullptr) << "still referenced once";
    EXPECT_EQ(myHge->Texture_Lock(second)[5], 0xFF00FF00u);
    myHge->Texture_Unlock(second);
    myHge->Texture_Free(second);
    EXPECT_EQ(myHge->Texture_Lock(second), nullptr);
    EXPECT_EQ(myHge->Texture_GetHeight(second), 0);

    // Loaded anew after the last free: a fresh handle, never the freed one.
    const HTEXTURE again = myHge->Texture_Load(path.c_str());
    EXPECT_NE(again, 0u);
    EXPECT_NE(again, first);
    myHge->Texture_Free(again);
}

TEST_F(Engine, LetterCaseOfEachPathComponentIsForgiven)
{
    const std::string exact = Write("img/items/leaf.dds", kGreen);
    const std::string other = (myFolder / "img" / "Items" / "LEAF.DDS").string();
    EXPECT_EQ(platform::ResolvePath(other), exact);
    const HTEXTURE byExact = myHge->Texture_Load(exact.c_str());
    const HTEXTURE byOther = myHge->Texture_Load(other.c_str());
    EXPECT_NE(byExact, 0u);
    EXPECT_EQ(byExact, byOther) << "cached by the file found, not by the name asked for";
    const std::string roundabout =
        (myFolder / "img" / "." / "x" / ".." / "items" / "leaf.dds").string();
    EXPECT_EQ(platform::ResolvePath(roundabout), exact);

    // An exact match wins over a case-insensitive one.
    const std::string upper = Write("img/Items/leaf.dds", testpictures::Filled(7, 7, 0xFF000000));
    EXPECT_EQ(platform::ResolvePath(upper), upper);
    EXPECT_EQ(platform::ResolvePath((myFolder / "img" / "items" / "leaf.dds").string()), exact);
    EXPECT_EQ(platform::ResolvePath((myFolder / "img" / "ITEMS" / "nope.dds").string()), "");
    EXPECT_EQ(platform::ResolvePath(myFolder.string()), "") << "a folder is not a file";
}

TEST_F(Engine, RelativePathsStartAtTheExecutablesFolder)
{
    const std::string folder = "marrowen_engine_test_" + std::to_string(getpid());
    const std::filesystem::path besideUs =
        std::filesystem::path(platform::ExecutableFolder()) / folder;
    testpictures::WriteFile(besideUs / "pic.png", testpictures::Png(kGreen));
    const HTEXTURE texture = myHge->Texture_Load((folder + "/PIC.png").c_str());
    EXPECT_EQ(myHge->Texture_GetWidth(texture), 3);
    myHge->Texture_Free(texture);

    DWORD size = 123;
    void* bytes = myHge->Resource_Load((folder + "/pic.png").c_str(), &size);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(size, testpictures::Png(kGreen).size());
    EXPECT_EQ(static_cast<const uint8_t*>(bytes)[1], 'P');
    myHge->Resource_Free(bytes);
    EXPECT_STREQ(myHge->Resource_EnumFiles((folder + "/Pic.PNG").c_str()), "pic.png");
    EXPECT_EQ(myHge->Resource_EnumFiles((folder + "/other.png").c_str()), nullptr);
    EXPECT_EQ(myHge->Resource_Load((folder + "/other.png").c_str(), &size), nullptr);
    EXPECT_EQ(size, 0u);
    std::filesystem::remove_all(besideUs);
}

TEST_F(Engine, LogLinesGoToTheLogInTheUsersStateFolder)
{
    const std::string marker =
        "engine test " + std::to_string(getpid()) + " at " +
        std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    myHge->System_Log("%s: %d", marker.c_str(), 42);
    // Other test programs may log into the same file meanwhile: look for our whole line.
    const std::string path = platform::LogFilePath();
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path, platform::ExecutableFolder() + "/marrowen.log") << "not beside the game";
    std::ifstream log(path);
    std::string line;
    int found = 0;
    while (std::getline(log, line))
    {
        found += line == marker + ": 42" ? 1 : 0;
    }
    EXPECT_EQ(found, 1);
}

TEST_F(Engine, StatesAndTheInputSource)
{
    myHge->System_SetState(HGE_TITLE, "Marrowen");
    myHge->System_SetState(HGE_WINDOWED, true);
    myHge->System_SetState(HGE_USESOUND, false);
    myHge->System_SetState(HGE_SCREENWIDTH, 1024);
    myHge->System_SetState(HGE_SCREENHEIGHT, 768);
    EXPECT_TRUE(myHge->System_GetState(HGE_WINDOWED));
    EXPECT_FALSE(myHge->System_GetState(HGE_USESOUND));
    EXPECT_EQ(myHge->System_GetState(HGE_SCREENWIDTH), 1024);
    EXPECT_EQ(myHge->System_GetState(HGE_SCREENHEIGHT), 768);
    EXPECT_TRUE(myHge->System_Initiate());
    EXPECT_TRUE(myHge->System_PumpMessages()) << "no window to close";

    platform::InputSource* input = myHge->System_GetState(HGE_HWND);
    ASSERT_NE(input, nullptr);
    HGE* again = hgeCreate(HGE_VERSION);
    EXPECT_EQ(again->System_GetState(HGE_HWND), input);
    again->Release();
}

TEST_F(Engine, TextureLockOfARectanglePointsIntoTheWholePicture)
{
    testpictures::Picture picture{4, 3, {}};
    for (uint32_t i = 0; i < 12; ++i)
    {
        picture.pixels.push_back(0xFF000000u | i);
    }
    const HTEXTURE texture = myHge->Texture_Load(Write("rect.png", picture).c_str());
    const DWORD* corner = myHge->Texture_Lock(texture, true, 1, 2, 2, 1);
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner[0], 0xFF000009u);  // x 1, y 2
    myHge->Texture_Unlock(texture);
    EXPECT_EQ(myHge->Texture_Lock(texture, true, 3, 0, 2, 1), nullptr) << "outside the picture";
    myHge->Texture_Free(texture);
}
