#pragma once
// A headless engine for one test, small fixture pictures, and a way to draw a frame and look
// at the quads it presented.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "headlessframe.h"
#include "hge.h"
#include "standinworld.h"
#include "testpictures.h"

class HeadlessTest : public testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHGE = hgeCreate(HGE_VERSION);
        myHGE->System_SetState(HGE_SCREENWIDTH, 1024);
        myHGE->System_SetState(HGE_SCREENHEIGHT, 768);
        myHGE->System_Initiate();
        myFolder =
            testpictures::TempFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    void TearDown() override
    {
        myHGE->System_Shutdown();
        myHGE->Release();
    }

    // The game's files come from the stand-in world: whole games start in a blink.
    void UseStandInWorld() const
    {
        myHGE->System_SetState(HGE_DATAFOLDER, standinworld::Folder().c_str());
    }

    // Writes a one-colour 32-bit DDS picture and returns its path.
    std::string Picture(const std::string& aName, int aWidth, int aHeight,
                        uint32_t aColor = 0xFFFFFFFF) const
    {
        return testpictures::WriteFile(
            myFolder / aName,
            testpictures::DdsArgb32(testpictures::Filled(aWidth, aHeight, aColor)));
    }

    // Runs aDraw between the begin and the end of a scene; the quads it presented.
    std::vector<hgeQuad> Draw(const std::function<void()>& aDraw) const
    {
        myHGE->Gfx_BeginScene(0);
        myHGE->Gfx_Clear(0);
        aDraw();
        myHGE->Gfx_EndScene();
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        return frame.myQuads;
    }

    HGE* myHGE = nullptr;
    std::filesystem::path myFolder;
};
