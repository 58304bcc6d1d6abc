// Synthetic X input (xdotool, as a tester or an automation would send it) reaching the game's
// input source through the real window. Needs a display and xdotool; skipped otherwise.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

#include "hge.h"
#include "inputsource.h"
#include "windowtests.h"

namespace
{
constexpr uint8_t kKeyW = 0x11;
constexpr uint8_t kKeyReturn = 0x1C;
constexpr uint8_t kDown = 0x80;
// Generous: the machine may be busy with a parallel build and software OpenGL.
constexpr auto kPatience = std::chrono::seconds(10);

class WindowInput : public testing::Test
{
protected:
    void SetUp() override
    {
        const std::string missing = windowtests::WhatIsMissing({"xdotool"});
        if (!missing.empty())
        {
            GTEST_SKIP() << missing;
        }
        myLock = std::make_unique<windowtests::DisplayLock>();
        myTitle = "Marrowen input " + std::to_string(getpid());
        hgeSelectBackend(HGE_BACKEND_WINDOW);
        myHge = hgeCreate(HGE_VERSION);
        myHge->System_SetState(HGE_TITLE, myTitle.c_str());
        ASSERT_TRUE(myHge->System_Initiate());
        myHge->System_ShowCursor(false);
        myInput = myHge->System_GetState(HGE_HWND);
        myHge->System_PumpMessages();
        myWindow = windowtests::FindWindow(myTitle);
        ASSERT_FALSE(myWindow.empty()) << "the window is not on the display";
        // No window manager under Xvfb: give it the keyboard focus and the pointer ourselves.
        windowtests::Xdotool("windowfocus --sync " + myWindow);
        windowtests::Xdotool("mousemove --window " + myWindow + " 512 384");
        ASSERT_TRUE(PumpUntil([] { return true; }));
    }

    void TearDown() override
    {
        if (myHge != nullptr)
        {
            myHge->System_Shutdown();
            myHge->Release();
        }
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
    }

    // Pumps the window's events on this (the main) thread until aDone, or the patience ends.
    bool PumpUntil(const std::function<bool()>& aDone)
    {
        const auto end = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < end)
        {
            const bool open = myHge->System_PumpMessages();
            if (aDone())
            {
                return true;
            }
            if (!open)
            {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    // Pumps until the motion read adds up to at least aX, aY (each in its direction); what it
    // added up to then.
    std::pair<int, int> MotionUpTo(int aX, int aY)
    {
        std::pair<int, int> moved{0, 0};
        const auto reached = [](int aMoved, int aTarget)
        { return aTarget >= 0 ? aMoved >= aTarget : aMoved <= aTarget; };
        PumpUntil(
            [&]
            {
                const platform::MouseState mouse = myInput->ReadMouse();
                moved.first += mouse.x;
                moved.second += mouse.y;
                return reached(moved.first, aX) && reached(moved.second, aY);
            });
        return moved;
    }

    uint8_t Key(uint8_t aScanCode)
    {
        uint8_t keys[256];
        myInput->ReadKeyboard(keys);
        return keys[aScanCode];
    }

    std::unique_ptr<windowtests::DisplayLock> myLock;
    std::string myTitle;
    std::string myWindow;
    HGE* myHge = nullptr;
    platform::InputSource* myInput = nullptr;
};
}  // namespace

TEST_F(WindowInput, KeysMotionAndTheLeftButtonReachTheInputSource)
{
    for (const auto& key : {std::make_pair("w", kKeyW), std::make_pair("Return", kKeyReturn)})
    {
        const char* const name = key.first;
        const auto code = key.second;
        windowtests::Xdotool(std::string("keydown ") + name);
        EXPECT_TRUE(PumpUntil([&] { return (Key(code) & kDown) != 0; })) << name << " down";
        windowtests::Xdotool(std::string("keyup ") + name);
        EXPECT_TRUE(PumpUntil([&] { return Key(code) == 0; })) << name << " up";
    }

    myInput->ReadMouse();  // forget the motion of putting the pointer in place
    windowtests::Xdotool("mousemove_relative -- 40 -25");
    EXPECT_EQ(MotionUpTo(40, -25), std::make_pair(40, -25)) << "each motion counted once";

    // A click is quicker than any poll: the press must still be seen once.
    windowtests::Xdotool("click 1");
    EXPECT_TRUE(PumpUntil([&] { return (myInput->ReadMouse().buttons[0] & kDown) != 0; }));
    EXPECT_TRUE(PumpUntil([&] { return myInput->ReadMouse().buttons[0] == 0; }));
}

TEST_F(WindowInput, MotionIsScaledBackByThePicturesScaleInAResizedWindow)
{
    // Half the game's size: the picture is drawn at half scale, so the cursor drawn on it must
    // move two game pixels for every pixel the pointer moves.
    for (const auto& [size, expectedX, expectedY] :
         {std::make_tuple("512 384", 40, -24), std::make_tuple("768 576", 26, -16)})
    {
        windowtests::Xdotool("windowsize --sync " + myWindow + " " + size);
        // A smaller window leaves the pointer outside, which frees it: bring it back in.
        windowtests::Xdotool("mousemove --window " + myWindow + " 100 100");
        ASSERT_TRUE(PumpUntil([] { return true; }));
        myInput->ReadMouse();
        windowtests::Xdotool("mousemove_relative -- 20 -12");
        EXPECT_EQ(MotionUpTo(expectedX, expectedY), std::make_pair(expectedX, expectedY)) << size;
    }
}

TEST_F(WindowInput, DestroyingTheWindowEndsTheEventPump)
{
    windowtests::Xdotool("windowclose " + myWindow);
    const auto end = std::chrono::steady_clock::now() + kPatience;
    bool open = true;
    while (open && std::chrono::steady_clock::now() < end)
    {
        open = myHge->System_PumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(open);
    EXPECT_FALSE(myHge->System_PumpMessages()) << "closed stays closed";
}

TEST_F(WindowInput, NothingIsDrawnIntoAWindowThatIsGone)
{
    // Scaled, so that showing the picture is a pass of its own into the window.
    windowtests::Xdotool("windowsize --sync " + myWindow + " 800 600");
    ASSERT_TRUE(PumpUntil([] { return true; }));
    // Destroyed before the pump has seen it go: the render thread must find out by itself.
    windowtests::Xdotool("windowclose " + myWindow);
    bool began = true;
    std::thread render(
        [&]
        {
            began = myHge->Gfx_BeginScene(0);
            // Whatever the game goes on to draw in that frame goes nowhere.
            hgeQuad quad = {};
            for (int i = 0; i < 4; ++i)
            {
                quad.v[i].x = i == 1 || i == 2 ? 100.0f : 0.0f;
                quad.v[i].y = i >= 2 ? 100.0f : 0.0f;
                quad.v[i].col = 0xFFFFFFFF;
            }
            quad.blend = 2;
            myHge->Gfx_Clear(0);
            myHge->Gfx_RenderQuad(&quad);
            myHge->Gfx_EndScene();
        });
    render.join();
    EXPECT_FALSE(began);
    EXPECT_FALSE(PumpUntil([] { return false; })) << "the pump ends too";
}
