// The real window at sizes other than the game's: the game's picture scaled to fit between
// black bars, as the screen shows it (read back from the X server, not from the game), while
// the game's snapshots stay 1024 x 768. Needs a display, xdotool, xwd and xwdtopnm; skipped
// otherwise.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "displayoptions.h"
#include "hge.h"
#include "windowtests.h"

namespace
{
constexpr DWORD kClear = 0xFF3060A0;
constexpr DWORD kRed = 0xFFE02010;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kClearRgb = kClear & 0xFFFFFF;
constexpr uint32_t kRedRgb = kRed & 0xFFFFFF;
constexpr auto kPatience = std::chrono::seconds(10);

using Screen = platform::DecodedImage;

uint32_t At(const Screen& aScreen, int aX, int aY)
{
    return aScreen.pixels[static_cast<size_t>(aY) * aScreen.width + aX] & 0xFFFFFF;
}

hgeQuad Rectangle(float aX, float aY, float aWidth, float aHeight, DWORD aColour)
{
    hgeQuad quad{};
    const float xs[4] = {aX, aX + aWidth, aX + aWidth, aX};
    const float ys[4] = {aY, aY, aY + aHeight, aY + aHeight};
    for (int i = 0; i < 4; ++i)
    {
        quad.v[i] = hgeVertex{xs[i], ys[i], 0.5f, aColour, 0, 0};
    }
    quad.blend = BLEND_DEFAULT;
    return quad;
}

class WindowScaling : public testing::Test
{
protected:
    void SetUp() override
    {
        const std::string missing = windowtests::WhatIsMissing({"xdotool", "xwd", "xwdtopnm"});
        if (!missing.empty())
        {
            GTEST_SKIP() << missing;
        }
        myLock = std::make_unique<windowtests::DisplayLock>();
        myTitle = "Marrowen scaling " + std::to_string(getpid());
    }

    void TearDown() override
    {
        myDrawing = false;
        if (myRender.joinable())
        {
            myRender.join();
        }
        if (myHge != nullptr)
        {
            myHge->System_Shutdown();
            myHge->Release();
        }
        platform::SetDisplayOptions(platform::DisplayOptions{});
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
    }

    // Opens the window with aScaling, resized to aSize ("1200 600") at the screen's top-left,
    // drawing the clear colour with the game's top-left quarter red, frame after frame.
    void Open(platform::PictureScaling aScaling, const std::string& aSize)
    {
        platform::DisplayOptions options;
        options.myScaling = aScaling;
        platform::SetDisplayOptions(options);
        hgeSelectBackend(HGE_BACKEND_WINDOW);
        myHge = hgeCreate(HGE_VERSION);
        myHge->System_SetState(HGE_TITLE, myTitle.c_str());
        ASSERT_TRUE(myHge->System_Initiate());
        myWindow = windowtests::FindWindow(myTitle);
        ASSERT_FALSE(myWindow.empty());
        windowtests::Xdotool("windowmove --sync " + myWindow + " 0 0");
        windowtests::Xdotool("windowsize --sync " + myWindow + " " + aSize);
        myRender = std::thread(
            [this]
            {
                const hgeQuad quarter = Rectangle(0, 0, 512, 384, kRed);
                while (myDrawing)
                {
                    myHge->Gfx_BeginScene();
                    myHge->Gfx_Clear(kClear);
                    myHge->Gfx_RenderQuad(&quarter);
                    myHge->Gfx_EndScene();
                }
            });
    }

    // Pumps the window's events until the screen shows it at aWidth x aHeight with a frame
    // drawn for that size (red at aRedX, aRedY, where the unscaled first frames were not); the
    // screen over the window then, or null.
    std::unique_ptr<Screen> Settled(int aWidth, int aHeight, int aRedX, int aRedY)
    {
        const auto end = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < end)
        {
            myHge->System_PumpMessages();
            auto screen = std::make_unique<Screen>(windowtests::ScreenUnder(myWindow));
            if (screen->width == aWidth && screen->height == aHeight &&
                At(*screen, aRedX, aRedY) == kRedRgb)
            {
                return screen;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return nullptr;
    }

    std::unique_ptr<windowtests::DisplayLock> myLock;
    std::string myTitle;
    std::string myWindow;
    HGE* myHge = nullptr;
    std::atomic<bool> myDrawing{true};
    std::thread myRender;
};
}  // namespace

TEST_F(WindowScaling, SmoothScalingFillsTheHeightBetweenBarsAtTheSides)
{
    // 1200 x 600: the picture is 800 x 600 from x = 200, its red quarter 400 x 300.
    Open(platform::PictureScaling::Smooth, "1200 600");
    const std::unique_ptr<Screen> screen = Settled(1200, 600, 550, 100);
    ASSERT_TRUE(screen) << "no frame at the new size";
    for (const auto& [x, y] : {std::pair{0, 0}, {5, 300}, {199, 300}, {1000, 300}, {1199, 599}})
    {
        EXPECT_EQ(At(*screen, x, y), kBlack) << "bar at " << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{201, 1}, {598, 298}})
    {
        EXPECT_EQ(At(*screen, x, y), kRedRgb) << "the red quarter at " << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{602, 302}, {998, 598}, {602, 2}, {202, 598}})
    {
        EXPECT_EQ(At(*screen, x, y), kClearRgb) << "the clear colour at " << x << ", " << y;
    }

    // The game's own snapshot is still its 1024 x 768 picture, unscaled.
    const std::filesystem::path shot = std::filesystem::temp_directory_path() /
                                       ("marrowen_scaled_" + std::to_string(getpid()) + ".png");
    ASSERT_TRUE(myHge->System_Snapshot(shot.c_str()));
    const platform::DecodedImage picture = windowtests::ReadPicture(shot.string());
    std::filesystem::remove(shot);
    ASSERT_EQ(picture.width, 1024);
    ASSERT_EQ(picture.height, 768);
    EXPECT_EQ(picture.pixels[static_cast<size_t>(383 * 1024 + 511)] & 0xFFFFFF, kRedRgb);
    EXPECT_EQ(picture.pixels[static_cast<size_t>(384 * 1024 + 512)] & 0xFFFFFF, kClearRgb);
}

TEST_F(WindowScaling, WholeNumberScalingCentresOneToOneWithBarsAllRound)
{
    // 1200 x 900 fits 1x but not 2x: the picture at (88, 66), pixel for pixel.
    Open(platform::PictureScaling::WholeNumber, "1200 900");
    const std::unique_ptr<Screen> screen = Settled(1200, 900, 550, 420);
    ASSERT_TRUE(screen) << "no frame at the new size";
    for (const auto& [x, y] : {std::pair{87, 450}, {600, 65}, {600, 834}, {1112, 450}})
    {
        EXPECT_EQ(At(*screen, x, y), kBlack) << "bar at " << x << ", " << y;
    }
    // Sharp pixels: the edges between red, clear colour and bar fall on exact pixels.
    EXPECT_EQ(At(*screen, 88 + 511, 66 + 383), kRedRgb);
    EXPECT_EQ(At(*screen, 88 + 512, 66 + 383), kClearRgb);
    EXPECT_EQ(At(*screen, 88 + 511, 66 + 384), kClearRgb);
    EXPECT_EQ(At(*screen, 88 + 1023, 66 + 767), kClearRgb);
}
