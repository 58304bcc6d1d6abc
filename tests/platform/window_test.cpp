// The real window, when a display is there (xvfb-run ctest); skipped otherwise.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "enginefigures.h"
#include "fatal.h"
#include "hge.h"
#include "testpictures.h"
#include "windowtests.h"

namespace
{
constexpr DWORD kClear = 0xFF203040;
constexpr DWORD kSolid = 0xFFD02010;
// The four quarters of the test picture.
constexpr DWORD kOpaque = 0xFFF08020;
constexpr DWORD kHalf = 0x8020E0E0;
constexpr DWORD kQuarter = 0x40FFFFFF;
constexpr DWORD kClearPixel = 0x00FF00FF;

HGE* OpenEngine(hgeBackend aBackend)
{
    hgeSelectBackend(aBackend);
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_TITLE, "Marrowen");
    hge->System_SetState(HGE_SCREENWIDTH, 1024);
    hge->System_SetState(HGE_SCREENHEIGHT, 768);
    return hge;
}

void CloseEngine(HGE* aHge)
{
    aHge->System_Shutdown();
    aHge->Release();
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
}

hgeQuad Quad(float aX, float aY, float aWidth, float aHeight, HTEXTURE aTexture,
             const DWORD (&aColors)[4], float aU0 = 0, float aV0 = 0, float aU1 = 1, float aV1 = 1)
{
    hgeQuad quad{};
    const float xs[4] = {aX, aX + aWidth, aX + aWidth, aX};
    const float ys[4] = {aY, aY, aY + aHeight, aY + aHeight};
    const float us[4] = {aU0, aU1, aU1, aU0};
    const float vs[4] = {aV0, aV0, aV1, aV1};
    for (int i = 0; i < 4; ++i)
    {
        quad.v[i] = hgeVertex{xs[i], ys[i], 0.5f, aColors[i], us[i], vs[i]};
    }
    quad.tex = aTexture;
    quad.blend = BLEND_DEFAULT;
    return quad;
}

// The driver told to offer no compressed pictures (a Mesa setting), for a run of a test in a
// process of its own.
constexpr const char* kNoCompressedPictures = "-GL_EXT_texture_compression_s3tc";

bool DriverRefusesCompressedPictures()
{
    const char* overrides = std::getenv("MESA_EXTENSION_OVERRIDE");
    return overrides != nullptr && std::string(overrides) == kNoCompressedPictures;
}

// The quarters picture as a plain DDS file and as DXT1 and DXT5 files.
struct ScenePictures
{
    std::string quarters, dxt1, dxt5;
};

ScenePictures WriteScenePictures(const std::filesystem::path& aFolder)
{
    testpictures::Picture picture = testpictures::Filled(128, 128, 0);
    for (int y = 0; y < 128; ++y)
    {
        for (int x = 0; x < 128; ++x)
        {
            picture.pixels[static_cast<size_t>(y) * 128 + x] =
                y < 64 ? (x < 64 ? kOpaque : kHalf) : (x < 64 ? kQuarter : kClearPixel);
        }
    }
    return {
        testpictures::WriteFile(aFolder / "quarters.dds", testpictures::DdsArgb32(picture)),
        testpictures::WriteFile(aFolder / "quarters1.dds", testpictures::DdsDxt(picture, "DXT1")),
        testpictures::WriteFile(aFolder / "quarters5.dds", testpictures::DdsDxt(picture, "DXT5"))};
}

// Textures drawn one texel per pixel, so filtering cannot tell the rasterisers apart.
std::vector<hgeQuad> Scene(HTEXTURE aQuarters, HTEXTURE aDxt1, HTEXTURE aDxt5)
{
    const DWORD white[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    const DWORD solid[4] = {kSolid, kSolid, kSolid, kSolid};
    const DWORD tint[4] = {0xFF80FF40, 0xFF80FF40, 0xFF80FF40, 0xFF80FF40};
    const DWORD faded[4] = {0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF};
    const DWORD corners[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    return {
        Quad(40, 40, 300, 200, 0, solid),
        Quad(200, 100, 128, 128, aQuarters, white),                  // over the solid and the clear
        Quad(400, 100, 128, 128, aQuarters, tint),                   // colour modulation
        Quad(600, 100, 200, 150, 0, corners),                        // shaded corners
        Quad(400, 300, 64, 64, aQuarters, white, 0.5f, 0, 1, 0.5f),  // one quarter only
        Quad(500, 300, 128, 128, aQuarters, faded),  // vertex alpha times texel alpha
        Quad(100, 450, 128, 128, aDxt1, white),      // compressed pictures
        Quad(300, 450, 128, 128, aDxt5, white),
    };
}

std::vector<hgeQuad> Scene(HGE* aHge, const ScenePictures& aPictures)
{
    return Scene(aHge->Texture_Load(aPictures.quarters.c_str()),
                 aHge->Texture_Load(aPictures.dxt1.c_str()),
                 aHge->Texture_Load(aPictures.dxt5.c_str()));
}

void DrawFrame(HGE* aHge, const std::vector<hgeQuad>& aQuads)
{
    aHge->Gfx_BeginScene();
    aHge->Gfx_Clear(kClear);
    for (const hgeQuad& quad : aQuads)
    {
        aHge->Gfx_RenderQuad(&quad);
    }
    aHge->Gfx_EndScene();
}

uint32_t At(const platform::DecodedImage& aImage, int aX, int aY)
{
    return aImage.pixels[static_cast<size_t>(aY) * aImage.width + aX] & 0xFFFFFF;
}

class Window : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!windowtests::HasDisplay())
        {
            GTEST_SKIP() << "no X display";
        }
        myLock = std::make_unique<windowtests::DisplayLock>();
        myFolder =
            testpictures::TempFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    void TearDown() override { std::filesystem::remove_all(myFolder); }

    std::unique_ptr<windowtests::DisplayLock> myLock;
    std::filesystem::path myFolder;
};
}  // namespace

TEST_F(Window, OpensDrawsOnTheRenderThreadAndShutsDown)
{
    HGE* hge = OpenEngine(HGE_BACKEND_WINDOW);
    ASSERT_TRUE(hge->System_Initiate());
    hge->System_ShowCursor(false);
    const HTEXTURE tile = hge->Texture_Load(
        testpictures::WriteFile(myFolder / "tile.dds",
                                testpictures::DdsArgb32(testpictures::Filled(16, 16, kOpaque)))
            .c_str());

    // The context moves to another thread, as with the game's render thread. A frame that
    // looks like the one on screen is not shown again; any change is.
    int presented = 0;
    std::vector<uint64_t> shown;
    std::thread render(
        [&]
        {
            const DWORD red[4] = {0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000};
            const DWORD white[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
            std::vector<hgeQuad> quads = {Quad(10, 10, 50, 50, 0, red),
                                          Quad(100, 10, 16, 16, tile, white)};
            // The first frames are shown whatever they look like: the window has just appeared.
            for (; presented < 20; ++presented)
            {
                DrawFrame(hge, quads);
            }
            shown.push_back(platform::ShownFramesOf(hge));
            DrawFrame(hge, quads);
            shown.push_back(platform::ShownFramesOf(hge));
            quads[0].v[2].col = 0xFFFF0001;  // one corner's colour
            DrawFrame(hge, quads);
            DrawFrame(hge, quads);
            shown.push_back(platform::ShownFramesOf(hge));
            hge->Texture_Lock(tile, false)[0] = kHalf;  // the picture's pixels
            hge->Texture_Unlock(tile);
            DrawFrame(hge, quads);
            shown.push_back(platform::ShownFramesOf(hge));
            // Waiting here for a frame only this thread could draw would be a deadlock.
            const auto start = std::chrono::steady_clock::now();
            EXPECT_FALSE(hge->System_Snapshot((myFolder / "self.png").c_str()));
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        });
    render.join();
    EXPECT_EQ(presented, 20);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_GE(shown[0], 1u);
    EXPECT_EQ(shown, (std::vector<uint64_t>{shown[0], shown[0], shown[0] + 1, shown[0] + 2}));
    EXPECT_TRUE(hge->System_PumpMessages()) << "nobody closed the window";
    EXPECT_NE(hge->System_GetState(HGE_HWND), nullptr);

    // With no frame coming any more the snapshot gives up instead of hanging.
    const std::string path = (myFolder / "never.png").string();
    EXPECT_FALSE(hge->System_Snapshot(path.c_str()));
    EXPECT_NE(std::string(platform::LastError()).find("never.png"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    CloseEngine(hge);
}

// Run a second time by itself with the driver refusing compressed pictures: then they are
// decoded for it, and the picture is the same.
TEST_F(Window, SnapshotShowsTheSameSceneAsTheHeadlessEngine)
{
    const ScenePictures pictures = WriteScenePictures(myFolder);
    const std::string windowShot = (myFolder / "window.png").string();
    const std::string headlessShot = (myFolder / "headless.png").string();

    HGE* window = OpenEngine(HGE_BACKEND_WINDOW);
    ASSERT_TRUE(window->System_Initiate());
    const std::vector<hgeQuad> windowScene = Scene(window, pictures);
    std::atomic<bool> drawing{true};
    std::thread render(
        [&]
        {
            while (drawing)
            {
                DrawFrame(window, windowScene);
            }
        });
    window->System_PumpMessages();
    const bool shot = window->System_Snapshot(windowShot.c_str());
    drawing = false;
    render.join();
    // The DXT pictures went to the card as they are, unless the driver refuses them; the
    // card has its copies, so none is left in memory.
    const platform::PictureMemory memory = platform::PictureMemoryOf(window);
    CloseEngine(window);
    ASSERT_TRUE(shot) << platform::LastError();
    const bool refused = DriverRefusesCompressedPictures();
    EXPECT_EQ(memory.myOnCard.myCompressed, refused ? 0 : 2);
    EXPECT_EQ(memory.myOnCard.myDecoded, refused ? 3 : 1);
    EXPECT_EQ(memory.myInMemoryBytes, 0);

    HGE* headless = OpenEngine(HGE_BACKEND_HEADLESS);
    headless->System_Initiate();
    DrawFrame(headless, Scene(headless, pictures));
    ASSERT_TRUE(headless->System_Snapshot(headlessShot.c_str())) << platform::LastError();
    CloseEngine(headless);

    const platform::DecodedImage fromWindow = windowtests::ReadPicture(windowShot);
    const platform::DecodedImage fromHeadless = windowtests::ReadPicture(headlessShot);
    ASSERT_EQ(1024, fromWindow.width);
    ASSERT_EQ(768, fromWindow.height);
    // The window's own pixels first, so two equally wrong pictures cannot pass.
    EXPECT_EQ(kClear & 0xFFFFFF, At(fromWindow, 1000, 700));
    EXPECT_EQ(kSolid & 0xFFFFFF, At(fromWindow, 60, 60));
    EXPECT_EQ(kOpaque & 0xFFFFFF, At(fromWindow, 210, 110));
    EXPECT_EQ(kSolid & 0xFFFFFF, At(fromWindow, 310, 210)) << "a clear texel leaves it be";
    EXPECT_EQ(kClear & 0xFFFFFF, At(fromWindow, 320, 250)) << "below both";
    EXPECT_LE(windowtests::ChannelDifference(At(fromWindow, 410, 110), 0x788008), 2)
        << "orange times the tint";
    EXPECT_LE(windowtests::ChannelDifference(At(fromWindow, 410, 310), 0x208890), 2)
        << "the half-clear quarter over the clear colour";
    EXPECT_LE(windowtests::ChannelDifference(At(fromWindow, 510, 310), 0x885830), 2)
        << "half vertex alpha on an opaque texel";
    EXPECT_LE(windowtests::ChannelDifference(At(fromWindow, 110, 460), kOpaque & 0xFFFFFF), 8)
        << "the DXT1 picture's opaque quarter";
    // Then every pixel against the software rasteriser, allowing edges to differ by a pixel.
    EXPECT_EQ(0, windowtests::Mismatches(fromWindow, fromHeadless, 6));
    EXPECT_EQ(0, windowtests::Mismatches(fromHeadless, fromWindow, 6));

    if (!refused && !HasFailure())
    {
        myLock.reset();  // the run below takes the display in its turn
        const std::string output = (myFolder / "refused.txt").string();
        const std::string command =
            std::string("MESA_EXTENSION_OVERRIDE=") + kNoCompressedPictures + " " +
            std::filesystem::read_symlink("/proc/self/exe").string() +
            " --gtest_filter=Window.SnapshotShowsTheSameSceneAsTheHeadlessEngine > " + output +
            " 2>&1";
        EXPECT_EQ(0, std::system(command.c_str())) << std::ifstream(output).rdbuf();
    }
}

// The window draws a mostly transparent overlay tile by tile; at any camera position, on a
// pixel or between pixels, the picture is the one the overlay drawn whole gives.
TEST_F(Window, OverlaysDrawnByTilesMatchThemDrawnWhole)
{
    HGE* window = OpenEngine(HGE_BACKEND_WINDOW);
    ASSERT_TRUE(window->System_Initiate());
    // A scene's overlay, and a picture whose few visible pixels lie on the edges of tiles
    // beside empty ones (smooth sampling reaches those tiles too).
    std::ifstream file("img/Levels/scene_jungle_crash_overlay.dds", std::ios::binary);
    const std::string overlay{std::istreambuf_iterator<char>(file), {}};
    ASSERT_FALSE(overlay.empty());
    testpictures::Picture edges = testpictures::Filled(512, 512, kClearPixel);
    for (int i = 100; i < 110; ++i)
    {
        edges.pixels[static_cast<size_t>(i) * 512 + 127] = kOpaque;
        edges.pixels[size_t{191} * 512 + 200 + static_cast<size_t>(i)] = kOpaque;
    }
    const std::vector<uint8_t> edgeBytes = testpictures::DdsArgb32(edges);
    const auto load = [&](const void* aBytes, size_t aSize)
    { return window->Texture_Load(static_cast<const char*>(aBytes), static_cast<DWORD>(aSize)); };
    // Each picture twice: one copy drawn by tiles, one drawn whole, because a picture whose
    // pixels were written to no longer trusts its tiles.
    const auto wholeCopy = [&](HTEXTURE aTexture)
    {
        EXPECT_NE(window->Texture_Lock(aTexture, false), nullptr);
        window->Texture_Unlock(aTexture);
        return aTexture;
    };
    const HTEXTURE tiled = load(overlay.data(), overlay.size());
    const HTEXTURE whole = wholeCopy(load(overlay.data(), overlay.size()));
    const HTEXTURE tiledEdges = load(edgeBytes.data(), edgeBytes.size());
    const HTEXTURE wholeEdges = wholeCopy(load(edgeBytes.data(), edgeBytes.size()));

    const DWORD white[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    const DWORD faded[4] = {0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF};
    std::mutex sceneMutex;
    std::vector<hgeQuad> scene;
    std::atomic<int> presented{0};
    std::atomic<bool> drawing{true};
    std::thread render(
        [&]
        {
            while (drawing)
            {
                std::vector<hgeQuad> quads;
                {
                    std::lock_guard<std::mutex> lock(sceneMutex);
                    quads = scene;
                }
                DrawFrame(window, quads);
                ++presented;
            }
        });
    // Shows aQuads from a frame begun after this call, and reads that picture back.
    const auto shoot = [&](const std::vector<hgeQuad>& aQuads, const char* aName)
    {
        {
            std::lock_guard<std::mutex> lock(sceneMutex);
            scene = aQuads;
        }
        const int from = presented;
        while (presented < from + 2)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const std::string path = (myFolder / aName).string();
        EXPECT_TRUE(window->System_Snapshot(path.c_str())) << platform::LastError();
        return windowtests::ReadPicture(path);
    };
    struct Placement
    {
        HTEXTURE tiled, whole;
        float x, y, width, height;
        const DWORD (&colours)[4];
    };
    const Placement placements[] = {{tiled, whole, -0.2f, -0.6f, 2048, 1152, white},
                                    {tiled, whole, -301.4f, -77.8f, 2048, 1152, white},
                                    {tiled, whole, -700.5f, -0.25f, 2048, 1152, faded},
                                    {tiledEdges, wholeEdges, 100.3f, 100.6f, 512, 512, white},
                                    {tiledEdges, wholeEdges, 99.7f, 99.5f, 512, 512, faded}};
    for (const Placement& at : placements)
    {
        SCOPED_TRACE(std::to_string(at.x) + ", " + std::to_string(at.y));
        const platform::DecodedImage expected =
            shoot({Quad(at.x, at.y, at.width, at.height, at.whole, at.colours)}, "whole.png");
        const platform::DecodedImage drawn =
            shoot({Quad(at.x, at.y, at.width, at.height, at.tiled, at.colours)}, "tiled.png");
        ASSERT_EQ(expected.pixels.size(), drawn.pixels.size());
        int differing = 0;
        for (size_t i = 0; i < drawn.pixels.size(); ++i)
        {
            differing += drawn.pixels[i] != expected.pixels[i] ? 1 : 0;
        }
        EXPECT_EQ(differing, 0);
    }
    drawing = false;
    render.join();
    CloseEngine(window);
}
