// The headless engine records each frame's quads and draws them in software for snapshots.
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <thread>

#include "headlessframe.h"
#include "hge.h"
#include "testpictures.h"

namespace
{
hgeQuad MakeQuad(float aLeft, float aTop, float aRight, float aBottom, DWORD aColor,
                 HTEXTURE aTexture = 0, float aU0 = 0, float aV0 = 0, float aU1 = 1, float aV1 = 1)
{
    hgeQuad quad{};
    const float xs[4] = {aLeft, aRight, aRight, aLeft};
    const float ys[4] = {aTop, aTop, aBottom, aBottom};
    const float us[4] = {aU0, aU1, aU1, aU0};
    const float vs[4] = {aV0, aV0, aV1, aV1};
    for (int i = 0; i < 4; ++i)
    {
        quad.v[i] = hgeVertex{xs[i], ys[i], 0.5f, aColor, us[i], vs[i]};
    }
    quad.tex = aTexture;
    quad.blend = BLEND_DEFAULT;
    return quad;
}

class Headless : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHge = hgeCreate(HGE_VERSION);
        myHge->System_Initiate();
    }
    void TearDown() override { myHge->Release(); }

    void Present(DWORD aClear, const std::vector<hgeQuad>& aQuads)
    {
        myHge->Gfx_BeginScene();
        myHge->Gfx_Clear(aClear);
        for (const hgeQuad& quad : aQuads)
        {
            myHge->Gfx_RenderQuad(&quad);
        }
        myHge->Gfx_EndScene();
    }

    // The last presented frame as the snapshot file shows it.
    testpictures::Picture Snapshot()
    {
        const std::string path = (myFolder / "shot.png").string();
        EXPECT_TRUE(myHge->System_Snapshot(path.c_str()));
        testpictures::Picture picture;
        const HTEXTURE shot = myHge->Texture_Load(path.c_str());
        picture.width = myHge->Texture_GetWidth(shot);
        picture.height = myHge->Texture_GetHeight(shot);
        const DWORD* pixels = myHge->Texture_Lock(shot);
        if (pixels)
        {
            picture.pixels.assign(
                pixels, pixels + static_cast<std::ptrdiff_t>(picture.width) * picture.height);
        }
        myHge->Texture_Unlock(shot);
        myHge->Texture_Free(shot);
        std::filesystem::remove(path);
        return picture;
    }

    HTEXTURE LoadPicture(const testpictures::Picture& aPicture)
    {
        const std::string path = testpictures::WriteFile(
            myFolder / ("t" + std::to_string(++myPictures) + ".png"), testpictures::Png(aPicture));
        return myHge->Texture_Load(path.c_str());
    }

    HGE* myHge = nullptr;
    std::filesystem::path myFolder = testpictures::TempFolder("headless");
    int myPictures = 0;
};

::testing::AssertionResult Near(uint32_t aActual, uint32_t aExpected, int aTolerance = 2)
{
    for (int shift = 0; shift < 32; shift += 8)
    {
        const int a = static_cast<int>((aActual >> shift) & 0xFF);
        const int e = static_cast<int>((aExpected >> shift) & 0xFF);
        if (std::abs(a - e) > aTolerance)
        {
            return ::testing::AssertionFailure()
                   << std::hex << "0x" << aActual << " vs 0x" << aExpected;
        }
    }
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST_F(Headless, AFrameIsPublishedWholeAtEndScene)
{
    platform::PresentedFrame frame;
    ASSERT_TRUE(platform::LastPresentedFrame(myHge, frame));
    EXPECT_EQ(frame.myNumber, 0u);
    EXPECT_TRUE(frame.myQuads.empty());

    const hgeQuad first = MakeQuad(1, 2, 3, 4, 0xFFFFFFFF);
    const hgeQuad second = MakeQuad(5, 6, 7, 8, 0x80808080, 42);
    myHge->Gfx_BeginScene();
    myHge->Gfx_Clear(0xFF000080);
    myHge->Gfx_RenderQuad(&first);
    myHge->Gfx_RenderQuad(&second);
    platform::LastPresentedFrame(myHge, frame);
    EXPECT_EQ(frame.myNumber, 0u) << "nothing is presented before Gfx_EndScene";
    myHge->Gfx_EndScene();

    platform::LastPresentedFrame(myHge, frame);
    EXPECT_EQ(frame.myNumber, 1u);
    EXPECT_EQ(frame.myClearColor, 0xFF000080u);
    ASSERT_EQ(frame.myQuads.size(), 2u);
    EXPECT_EQ(frame.myQuads[0].v[0].x, 1.0f);
    EXPECT_EQ(frame.myQuads[1].v[2].y, 8.0f);
    EXPECT_EQ(frame.myQuads[1].tex, 42u);

    Present(0, {});
    platform::LastPresentedFrame(myHge, frame);
    EXPECT_EQ(frame.myNumber, 2u);
    EXPECT_TRUE(frame.myQuads.empty()) << "each frame starts empty";
}

TEST_F(Headless, SnapshotDrawsQuadsInOrderOverTheClearColour)
{
    Present(0xFF202020,
            {MakeQuad(100, 100, 300, 300, 0xFF0000FF), MakeQuad(200, 200, 400, 400, 0xFFFF0000)});
    const testpictures::Picture shot = Snapshot();
    ASSERT_EQ(shot.width, 1024);
    ASSERT_EQ(shot.height, 768);
    EXPECT_EQ(shot.At(50, 50), 0xFF202020u);
    EXPECT_EQ(shot.At(150, 150), 0xFF0000FFu);
    EXPECT_EQ(shot.At(250, 250), 0xFFFF0000u) << "the later quad covers the earlier";
    EXPECT_EQ(shot.At(350, 350), 0xFFFF0000u);
    EXPECT_EQ(shot.At(350, 150), 0xFF202020u);
    // Edges: the quad covers [100, 300) in screen pixels.
    EXPECT_EQ(shot.At(100, 100), 0xFF0000FFu);
    EXPECT_EQ(shot.At(99, 150), 0xFF202020u);
    EXPECT_EQ(shot.At(199, 150), 0xFF0000FFu);
}

TEST_F(Headless, VertexAlphaBlendsAndVertexColourTintsTheTexture)
{
    const HTEXTURE texture = LoadPicture(testpictures::Picture{2, 1, {0xFFFFFFFF, 0xFFFF8000}});
    ASSERT_NE(texture, 0u);
    Present(0xFF000000, {MakeQuad(0, 0, 100, 100, 0xFF0000FF), MakeQuad(0, 0, 100, 100, 0x80FF0000),
                         MakeQuad(200, 0, 400, 100, 0xFF00FF00, texture),
                         MakeQuad(500, 0, 700, 100, 0xFF808080, texture)});
    const testpictures::Picture shot = Snapshot();
    EXPECT_TRUE(Near(shot.At(50, 50), 0xFF80007F)) << "half red over blue";
    EXPECT_TRUE(Near(shot.At(250, 50), 0xFF00FF00)) << "white texel times green";
    EXPECT_TRUE(Near(shot.At(350, 50), 0xFF008000)) << "orange texel times green";
    EXPECT_TRUE(Near(shot.At(550, 50), 0xFF808080)) << "white texel times grey";
    EXPECT_TRUE(Near(shot.At(650, 50), 0xFF804000)) << "orange texel times grey";
}

TEST_F(Headless, TextureAlphaAndTextureRectangles)
{
    // Quadrants: red, green / blue, see-through.
    testpictures::Picture picture{4, 4, {}};
    for (int y = 0; y < 4; ++y)
    {
        for (int x = 0; x < 4; ++x)
        {
            static const uint32_t colours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00FFFFFF};
            picture.pixels.push_back(colours[(y / 2) * 2 + x / 2]);
        }
    }
    const HTEXTURE texture = LoadPicture(picture);
    Present(0xFF404040, {MakeQuad(0, 0, 80, 80, 0xFFFFFFFF, texture),
                         // Only the top-right quadrant, stretched over 100 x 100.
                         MakeQuad(200, 0, 300, 100, 0xFFFFFFFF, texture, 0.5f, 0, 1, 0.5f)});
    const testpictures::Picture shot = Snapshot();
    EXPECT_EQ(shot.At(20, 20), 0xFFFF0000u);
    EXPECT_EQ(shot.At(60, 20), 0xFF00FF00u);
    EXPECT_EQ(shot.At(20, 60), 0xFF0000FFu);
    EXPECT_EQ(shot.At(60, 60), 0xFF404040u) << "transparent texels leave the background";
    for (const auto& [x, y] : {std::pair{202, 2}, {250, 50}, {297, 97}})
    {
        EXPECT_EQ(shot.At(x, y), 0xFF00FF00u) << x << "," << y;
    }
    myHge->Texture_Free(texture);
}

TEST_F(Headless, QuadsOfFreedOrUnknownTexturesDrawUntextured)
{
    const HTEXTURE texture = LoadPicture(testpictures::Filled(2, 2, 0xFF0000FF));
    myHge->Texture_Free(texture);
    Present(0xFF000000, {MakeQuad(0, 0, 50, 50, 0xFFFFFF00, texture),
                         MakeQuad(100, 0, 150, 50, 0xFF00FFFF, 12345)});
    const testpictures::Picture shot = Snapshot();
    EXPECT_EQ(shot.At(25, 25), 0xFFFFFF00u);
    EXPECT_EQ(shot.At(125, 25), 0xFF00FFFFu);
}

TEST_F(Headless, SnapshotToAnUnwritablePlaceFails)
{
    Present(0, {});
    EXPECT_FALSE(myHge->System_Snapshot((myFolder / "no" / "such" / "folder.png").c_str()));
    EXPECT_FALSE(myHge->System_Snapshot(nullptr));
}

TEST_F(Headless, PicturesLoadAndFreeOnOtherThreadsWhileFramesAreDrawn)
{
    const std::string shared = testpictures::WriteFile(
        myFolder / "shared.png", testpictures::Png(testpictures::Filled(8, 8, 0xFF00FF00)));
    std::vector<std::string> own;
    for (int i = 0; i < 2; ++i)
    {
        own.push_back(testpictures::WriteFile(
            myFolder / ("own" + std::to_string(i) + ".bmp"),
            testpictures::Bmp24(testpictures::Filled(5 + i, 3, 0xFF0000FF))));
    }
    const HTEXTURE kept = myHge->Texture_Load(shared.c_str());
    ASSERT_NE(kept, 0u);

    std::atomic<bool> loadersDone{false};
    std::atomic<int> mismatches{0};
    auto loader = [&](const std::string& aOwn)
    {
        for (int i = 0; i < 200; ++i)
        {
            const HTEXTURE sharedHandle = myHge->Texture_Load(shared.c_str());
            const HTEXTURE ownHandle = myHge->Texture_Load(aOwn.c_str());
            if (sharedHandle != kept || ownHandle == 0 || myHge->Texture_GetHeight(ownHandle) != 3)
            {
                ++mismatches;
            }
            myHge->Texture_Free(ownHandle);
            myHge->Texture_Free(sharedHandle);
        }
    };
    std::thread render(
        [&]
        {
            // The neighbouring handle belongs to pictures that come and go.
            do
            {
                Present(0xFF000000, {MakeQuad(0, 0, 10, 10, 0xFFFFFFFF, kept),
                                     MakeQuad(20, 0, 30, 10, 0xFFFFFFFF, kept + 1)});
            } while (!loadersDone);
        });
    std::thread first(loader, own[0]);
    std::thread second(loader, own[1]);
    first.join();
    second.join();
    loadersDone = true;
    render.join();
    const testpictures::Picture shot = Snapshot();

    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(shot.At(5, 5), 0xFF00FF00u);
    EXPECT_EQ(myHge->Texture_GetWidth(kept), 8) << "the first reference still holds it";
    myHge->Texture_Free(kept);
    EXPECT_EQ(myHge->Texture_GetWidth(kept), 0);
}
