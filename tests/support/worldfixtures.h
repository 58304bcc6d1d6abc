#pragma once
// Tests of scenes and characters: a headless engine whose data folder is the stand-in world
// (tests/support/standinworld.h), so every picture the game loads is there; a test that
// replaces one gets a layer of its own over it. Keys are set on the engine's input source.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "eventsingelton.h"
#include "hge.h"
#include "inputsource.h"
#include "inputwrapper/inputwrapper.h"
#include "item.h"
#include "soundmanager.h"
#include "standinworld.h"

namespace worldfixtures
{
constexpr uint8_t ourKeyW = 0x11;
constexpr uint8_t ourKeyA = 0x1E;
constexpr uint8_t ourKeyS = 0x1F;
constexpr uint8_t ourKeyD = 0x20;
constexpr uint8_t ourKeyE = 0x12;
constexpr uint8_t ourKeyReturn = 0x1C;

// The sound manager for as long as it lives, mixed by nobody: which effects the game asked for.
class HeardEffects
{
public:
    HeardEffects() { SoundManager::Create(platform::AudioMode::Manual); }
    ~HeardEffects() { SoundManager::Destroy(); }
    HeardEffects(const HeardEffects&) = delete;
    HeardEffects& operator=(const HeardEffects&) = delete;

    int Count(geometry::SoundEffect aEffect) const
    {
        return SoundManager::Instance()->GetPlayCount(aEffect);
    }
    // The next logic frame: the same effect may sound again.
    void NextFrame() const { SoundManager::Instance()->Update(); }
};

class WorldTest : public testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHGE = hgeCreate(HGE_VERSION);
        myHGE->System_SetState(HGE_SCREENWIDTH, 1024);
        myHGE->System_SetState(HGE_SCREENHEIGHT, 768);
        myHGE->System_Initiate();
        myHGE->System_SetState(HGE_DATAFOLDER, standinworld::Folder().c_str());
        PostMaster::Create();
        myInput.Init(myHGE);
    }

    void TearDown() override
    {
        Item::ReleaseAllPictures();
        PostMaster::Destroy();
        myHGE->System_Shutdown();
        myHGE->Release();
        myLayer.reset();
    }

    // Replaces the picture the game loads as aGamePath, from now on.
    void AddPicture(const std::string& aGamePath, const testpictures::Picture& aPicture)
    {
        if (!myLayer)
        {
            const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
            myLayer = std::make_unique<standinworld::Layer>(name);
            myHGE->System_SetState(HGE_DATAFOLDER, myLayer->GetFolder().c_str());
        }
        myLayer->WritePicture(aGamePath, aPicture);
    }
    void AddPicture(const std::string& aGamePath, int aWidth, int aHeight,
                    uint32_t aColor = 0xFFFFFFFF)
    {
        AddPicture(aGamePath, testpictures::Filled(aWidth, aHeight, aColor));
    }

    void SetKey(uint8_t aScanCode, bool aDown)
    {
        myHGE->System_GetState(HGE_HWND)->SetKey(aScanCode, aDown);
    }
    void ReleaseAllKeys() { myHGE->System_GetState(HGE_HWND)->ReleaseAll(); }
    // One reading of the keyboard and mouse, as the start of a logic frame takes it; the
    // previous frame's edges are cleared first, as the end of a logic pass does.
    void ReadInput()
    {
        myInput.ClearKeyEdges();
        myInput.ClearButtonEdges();
        myInput.Update();
    }
    // Holds aScanCode down for one reading and lets it go at the next: a press, as levels see
    // it (its release edge is in myInput afterwards).
    void Press(uint8_t aScanCode)
    {
        SetKey(aScanCode, true);
        ReadInput();
        SetKey(aScanCode, false);
        ReadInput();
    }
    // Moves the cursor to (aX, aY) and clicks the left button there: aUpdate runs after the
    // reading with the button down and after the one with it let go.
    template <typename Update>
    void ClickAt(int aX, int aY, Update&& aUpdate)
    {
        const Vector2<int> cursor = myInput.GetMousePosition();
        platform::InputSource& source = *myHGE->System_GetState(HGE_HWND);
        source.AddMotion(aX - cursor.x, aY - cursor.y);
        source.SetButton(0, true);
        ReadInput();
        aUpdate();
        source.SetButton(0, false);
        ReadInput();
        aUpdate();
    }
    HGE* Engine() const { return myHGE; }

    HGE* myHGE = nullptr;
    std::unique_ptr<standinworld::Layer> myLayer;
    InputWrapper myInput;
};
}  // namespace worldfixtures
