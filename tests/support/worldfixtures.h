#pragma once
// A headless engine for tests of scenes and characters. Game code loads its pictures by their
// relative names ("img/Levels/scene_cave.dds"); this engine looks for them in a test's own
// folder first and, for a picture the test did not write, loads a small stand-in, so a whole
// scene can be set up without the real art. Keys are set on the real engine's input source.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <string>

#include "eventsingelton.h"
#include "hge.h"
#include "inputsource.h"
#include "testpictures.h"
#include "textfixtures.h"

namespace worldfixtures
{
constexpr uint8_t ourKeyW = 0x11;
constexpr uint8_t ourKeyA = 0x1E;
constexpr uint8_t ourKeyS = 0x1F;
constexpr uint8_t ourKeyD = 0x20;
constexpr uint8_t ourKeyE = 0x12;
constexpr uint8_t ourKeyReturn = 0x1C;

class FixtureEngine : public HGE
{
public:
    FixtureEngine(HGE* aReal, std::filesystem::path aFolder)
        : myReal(aReal),
          myFolder(std::move(aFolder)),
          myStandIn((myFolder / "standin.png").string())
    {
        testpictures::WriteFile(myStandIn,
                                testpictures::Png(testpictures::Filled(16, 16, 0xFFFFFFFF)));
    }

    // Writes a one-colour picture where the game will look for aGamePath.
    void AddPicture(const std::string& aGamePath, int aWidth, int aHeight,
                    uint32_t aColor = 0xFFFFFFFF) const
    {
        AddPicture(aGamePath, testpictures::Filled(aWidth, aHeight, aColor));
    }
    void AddPicture(const std::string& aGamePath, const testpictures::Picture& aPicture) const
    {
        testpictures::WriteFile(myFolder / aGamePath, testpictures::Png(aPicture));
    }

    void Release() override {}
    bool System_Initiate() override { return myReal->System_Initiate(); }
    void System_Shutdown() override { myReal->System_Shutdown(); }
    void System_SetState(hgeBoolState aState, bool aValue) override
    {
        myReal->System_SetState(aState, aValue);
    }
    void System_SetState(hgeIntState aState, int aValue) override
    {
        myReal->System_SetState(aState, aValue);
    }
    void System_SetState(hgeStringState aState, const char* aValue) override
    {
        myReal->System_SetState(aState, aValue);
    }
    bool System_GetState(hgeBoolState aState) override { return myReal->System_GetState(aState); }
    int System_GetState(hgeIntState aState) override { return myReal->System_GetState(aState); }
    platform::InputSource* System_GetState(hgeHwndState aState) override
    {
        return myReal->System_GetState(aState);
    }
    void System_Log(const char* aFormat, ...) override
    {
        char line[1024];
        va_list arguments;
        va_start(arguments, aFormat);
        std::vsnprintf(line, sizeof line, aFormat, arguments);
        va_end(arguments);
        myReal->System_Log("%s", line);
    }
    bool System_PumpMessages() override { return myReal->System_PumpMessages(); }
    void System_ShowCursor(bool aShow) override { myReal->System_ShowCursor(aShow); }
    bool System_Snapshot(const char* aPngPath) override
    {
        return myReal->System_Snapshot(aPngPath);
    }
    void* Resource_Load(const char* aFileName, DWORD* aSize) override
    {
        return myReal->Resource_Load(Written(aFileName).c_str(), aSize);
    }
    void Resource_Free(void* aResource) override { myReal->Resource_Free(aResource); }
    const char* Resource_EnumFiles(const char* aPath) override
    {
        return myReal->Resource_EnumFiles(Written(aPath).c_str());
    }
    HTEXTURE Texture_Load(const char* aFileName, DWORD aSize, bool aMipmap) override
    {
        const std::string written = Written(aFileName);
        const bool found = std::filesystem::exists(written);
        return myReal->Texture_Load(found ? written.c_str() : myStandIn.c_str(), aSize, aMipmap);
    }
    void Texture_Free(HTEXTURE aTexture) override { myReal->Texture_Free(aTexture); }
    int Texture_GetWidth(HTEXTURE aTexture, bool aOriginal) override
    {
        return myReal->Texture_GetWidth(aTexture, aOriginal);
    }
    int Texture_GetHeight(HTEXTURE aTexture, bool aOriginal) override
    {
        return myReal->Texture_GetHeight(aTexture, aOriginal);
    }
    DWORD* Texture_Lock(HTEXTURE aTexture, bool aReadOnly, int aLeft, int aTop, int aWidth,
                        int aHeight) override
    {
        return myReal->Texture_Lock(aTexture, aReadOnly, aLeft, aTop, aWidth, aHeight);
    }
    void Texture_Unlock(HTEXTURE aTexture) override { myReal->Texture_Unlock(aTexture); }
    bool Gfx_BeginScene(HTEXTURE aTarget) override { return myReal->Gfx_BeginScene(aTarget); }
    void Gfx_Clear(DWORD aColor) override { myReal->Gfx_Clear(aColor); }
    void Gfx_RenderQuad(const hgeQuad* aQuad) override { myReal->Gfx_RenderQuad(aQuad); }
    void Gfx_EndScene() override { myReal->Gfx_EndScene(); }

private:
    // Where the test wrote aFileName, if it is a game path.
    std::string Written(const char* aFileName) const
    {
        const std::filesystem::path path(aFileName);
        return path.is_absolute() ? path.string() : (myFolder / path).string();
    }

    HGE* myReal;
    std::filesystem::path myFolder;
    std::string myStandIn;
};

// Writes the heroine's sixteen sheets with 64 x 128 frames, as the real ones are.
inline void AddHeroineSheets(const FixtureEngine& aEngine)
{
    const char* const directions[8][2] = {
        {"up", "up"},       {"up_right", "right_up"},
        {"right", "right"}, {"down_right", "right_down"},
        {"down", "down"},   {"down_left", "left_down"},
        {"left", "left"},   {"up_left", "left_up"},
    };
    for (const auto& direction : directions)
    {
        const std::string folder = "img/animation/HeroineAni/";
        aEngine.AddPicture(folder + "h_stand_" + direction[0] + ".dds", 64, 128);
        aEngine.AddPicture(folder + "h_walk_" + direction[1] + ".dds", 64 * 16, 128);
    }
}

// A headless engine behind a fixture engine, the flags, and the key table of the input source.
class WorldTest : public testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myReal = hgeCreate(HGE_VERSION);
        myReal->System_SetState(HGE_SCREENWIDTH, 1024);
        myReal->System_SetState(HGE_SCREENHEIGHT, 768);
        myReal->System_Initiate();
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        myFolder = testpictures::TempFolder("world_" + name);
        myEngine = std::make_unique<FixtureEngine>(myReal, myFolder);
        textfixtures::WriteConversationFiles(myFolder.string() + "/", 120);
        PostMaster::Create();
    }

    void TearDown() override
    {
        PostMaster::Destroy();
        myEngine.reset();
        myReal->System_Shutdown();
        myReal->Release();
        std::filesystem::remove_all(myFolder);
    }

    void SetKey(uint8_t aScanCode, bool aDown)
    {
        myReal->System_GetState(HGE_HWND)->SetKey(aScanCode, aDown);
    }
    void ReleaseAllKeys() { myReal->System_GetState(HGE_HWND)->ReleaseAll(); }
    HGE* Engine() const { return myEngine.get(); }
    const FixtureEngine& Fixtures() const { return *myEngine; }

    HGE* myReal = nullptr;
    std::filesystem::path myFolder;
    std::unique_ptr<FixtureEngine> myEngine;
};
}  // namespace worldfixtures
