// The whole game in the real window (under Xvfb when there is no display): what the window
// shows matches the headless engine's picture of the same game. Skipped without a display.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>

#include "fatal.h"
#include "game.h"
#include "testpictures.h"
#include "windowtests.h"

namespace
{
// Long after the curtain has opened (one step a frame from opaque), when nothing moves any
// more without input, so the exact frame a snapshot catches does not matter.
constexpr uint64_t kSwaps = 320;

struct Shot
{
    bool myTaken = false;
    std::string myProblem;
};

// Plays kSwaps frames on aBackend, then snapshots the running game into aPath.
Shot PlayAndSnapshot(hgeBackend aBackend, const std::string& aPath)
{
    hgeSelectBackend(aBackend);
    GameOptions options;
    options.myStartInPlay = true;
    options.myFixedStepMs = 2.0f;
    options.myPaced = false;
    Game game(hgeCreate(HGE_VERSION), options);
    game.Start();
    HGE* hge = game.GetHGE();
    while (game.GetSwapCount() < kSwaps && hge->System_PumpMessages() && game.SwapBuffers())
    {
    }
    // The window's snapshot waits for the render thread's next frame: keep the frames coming.
    std::future<Shot> shot = std::async(std::launch::async,
                                        [&]
                                        {
                                            Shot result;
                                            result.myTaken = hge->System_Snapshot(aPath.c_str());
                                            result.myProblem = platform::LastError();
                                            return result;
                                        });
    while (shot.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
           hge->System_PumpMessages() && game.SwapBuffers())
    {
    }
    game.Stop();
    Shot result = shot.get();
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    return result;
}

// How many pixels are nearly black.
int DarkPixels(const platform::DecodedImage& aImage)
{
    int dark = 0;
    for (const uint32_t pixel : aImage.pixels)
    {
        dark += windowtests::ChannelDifference(pixel, 0) <= 16 ? 1 : 0;
    }
    return dark;
}
}  // namespace

TEST(WindowGame, TheWindowShowsThePlayingGameAsTheHeadlessEngineDoes)
{
    if (!windowtests::HasDisplay())
    {
        GTEST_SKIP() << "no X display";
    }
    windowtests::DisplayLock lock;
    const auto folder = testpictures::TempFolder("window_game");
    const std::string windowPath = (folder / "window.png").string();
    const std::string headlessPath = (folder / "headless.png").string();

    const Shot window = PlayAndSnapshot(HGE_BACKEND_WINDOW, windowPath);
    ASSERT_TRUE(window.myTaken) << window.myProblem;
    const Shot headless = PlayAndSnapshot(HGE_BACKEND_HEADLESS, headlessPath);
    ASSERT_TRUE(headless.myTaken) << headless.myProblem;

    const platform::DecodedImage fromWindow = windowtests::ReadPicture(windowPath);
    const platform::DecodedImage fromHeadless = windowtests::ReadPicture(headlessPath);
    ASSERT_EQ(1024 * 768, static_cast<int>(fromWindow.pixels.size()));
    const int screen = 1024 * 768;
    EXPECT_LT(DarkPixels(fromWindow), screen / 4) << "the curtain is open and the scene drawn";
    // llvmpipe against the software rasteriser: edges may move by a pixel and colours by a few
    // steps; a missing, misplaced or wrongly blended sprite shows as thousands of pixels.
    EXPECT_LE(windowtests::Mismatches(fromWindow, fromHeadless, 12), screen / 1000);
    EXPECT_LE(windowtests::Mismatches(fromHeadless, fromWindow, 12), screen / 1000);
    std::filesystem::remove_all(folder);
}
