#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "quadsprite.h"
#include "runtimefixtures.h"
#include "staticsprite.h"

namespace
{
void ExpectCorner(const hgeVertex& aCorner, float aX, float aY, float aU, float aV)
{
    EXPECT_NEAR(aCorner.x, aX, 1e-4f);
    EXPECT_NEAR(aCorner.y, aY, 1e-4f);
    EXPECT_NEAR(aCorner.tx, aU, 1e-6f);
    EXPECT_NEAR(aCorner.ty, aV, 1e-6f);
}
}  // namespace

using SpriteTest = HeadlessTest;

TEST_F(SpriteTest, DrawAtCoversThePictureFromItsTopLeftCorner)
{
    StaticSprite sprite(myHGE, Picture("box.dds", 40, 30));
    EXPECT_FLOAT_EQ(sprite.GetWidth(), 40.0f);
    EXPECT_FLOAT_EQ(sprite.GetHeight(), 30.0f);
    sprite.SetPosition(500.0f, 500.0f);  // the draw path ignores the stored position

    const std::vector<hgeQuad> quads = Draw([&] { sprite.DrawAt(Vector2<float>(100.0f, 50.0f)); });
    ASSERT_EQ(quads.size(), 1u);
    ExpectCorner(quads[0].v[0], 100.0f, 50.0f, 0.0f, 0.0f);
    ExpectCorner(quads[0].v[1], 140.0f, 50.0f, 1.0f, 0.0f);
    ExpectCorner(quads[0].v[2], 140.0f, 80.0f, 1.0f, 1.0f);
    ExpectCorner(quads[0].v[3], 100.0f, 80.0f, 0.0f, 1.0f);
    EXPECT_EQ(quads[0].tex, sprite.GetTexture());
    EXPECT_EQ(quads[0].blend, BLEND_DEFAULT);
    EXPECT_EQ(quads[0].v[2].col, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(quads[0].v[2].z, 0.5f);

    sprite.SetVisible(false);
    EXPECT_TRUE(Draw([&] { sprite.DrawAt(Vector2<float>(100.0f, 50.0f)); }).empty());
}

TEST_F(SpriteTest, SetColorPacksTheChannelsAndCopiesShareTheQuad)
{
    StaticSprite sprite(myHGE, Picture("box.dds", 8, 8));
    StaticSprite copy = sprite;
    copy.SetColor(Color{0x11, 0x22, 0x33, 0x44});
    for (const hgeVertex& corner : sprite.GetQuad()->GetQuad().v)
    {
        EXPECT_EQ(corner.col, 0x44112233u);
    }
    sprite.SetColor(Color{255, 255, 255, 0});
    EXPECT_EQ(copy.GetQuad()->GetQuad().v[3].col, 0x00FFFFFFu);
    sprite.SetColor(Color{255, 255, 255, 255});
    EXPECT_EQ(copy.GetQuad()->GetQuad().v[0].col, 0xFFFFFFFFu);

    // Visibility is the sprite's own, not the shared quad's.
    copy.SetVisible(false);
    EXPECT_TRUE(sprite.IsVisible());
}

TEST_F(SpriteTest, SetTextureKeepsShowingTheSamePixelRectangle)
{
    const HTEXTURE small = myHGE->Texture_Load(Picture("small.dds", 64, 32).c_str());
    const HTEXTURE large = myHGE->Texture_Load(Picture("large.dds", 128, 64).c_str());
    const HTEXTURE same = myHGE->Texture_Load(Picture("same.dds", 64, 32, 0xFF00FF00).c_str());
    QuadSprite quad(small, 16.0f, 8.0f, 32.0f, 16.0f);
    hgeQuad corners = quad.GetQuad();
    ExpectCorner(corners.v[0], 0.0f, 0.0f, 0.25f, 0.25f);
    ExpectCorner(corners.v[2], 0.0f, 0.0f, 0.75f, 0.75f);

    quad.SetTexture(large);
    corners = quad.GetQuad();
    EXPECT_EQ(corners.tex, large);
    ExpectCorner(corners.v[0], 0.0f, 0.0f, 0.125f, 0.125f);
    ExpectCorner(corners.v[2], 0.0f, 0.0f, 0.375f, 0.375f);

    quad.SetTexture(small);
    quad.SetTexture(same);
    ExpectCorner(quad.GetQuad().v[1], 0.0f, 0.0f, 0.75f, 0.25f);

    // A texture rectangle without adjusting the size keeps the quad's size.
    quad.SetTextureRect(0.0f, 0.0f, 8.0f, 8.0f, false);
    EXPECT_FLOAT_EQ(quad.GetWidth(), 32.0f);
    ExpectCorner(quad.GetQuad().v[2], 0.0f, 0.0f, 0.125f, 0.25f);
}

TEST_F(SpriteTest, RenderExPlacesScalesAndRotatesAroundTheHotSpot)
{
    QuadSprite quad(0, 0.0f, 0.0f, 20.0f, 10.0f);
    quad.SetHotSpot(10.0f, 5.0f);
    std::vector<hgeQuad> quads = Draw([&] { quad.RenderEx(100.0f, 100.0f, 0.0f, 2.0f); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_FLOAT_EQ(quads[0].v[0].x, 80.0f);  // a vertical scale of 0 takes the horizontal one
    EXPECT_FLOAT_EQ(quads[0].v[0].y, 90.0f);
    EXPECT_FLOAT_EQ(quads[0].v[2].x, 120.0f);
    EXPECT_FLOAT_EQ(quads[0].v[2].y, 110.0f);

    quads = Draw([&] { quad.RenderEx(0.0f, 0.0f, static_cast<float>(M_PI / 2), 1.0f, 1.0f); });
    ASSERT_EQ(quads.size(), 1u);
    // The top-right offset (10, -5) turns to (5, 10).
    EXPECT_NEAR(quads[0].v[1].x, 5.0f, 1e-4f);
    EXPECT_NEAR(quads[0].v[1].y, 10.0f, 1e-4f);
}

TEST_F(SpriteTest, FlipSwapsOppositeCornersAndSurvivesANewRectangle)
{
    QuadSprite quad(0, 0.0f, 0.0f, 1.0f, 1.0f);
    quad.SetFlip(true, false, false);
    EXPECT_FLOAT_EQ(quad.GetQuad().v[0].tx, 1.0f);
    EXPECT_FLOAT_EQ(quad.GetQuad().v[1].tx, 0.0f);
    quad.SetTextureRect(0.0f, 0.0f, 0.5f, 1.0f);
    EXPECT_FLOAT_EQ(quad.GetQuad().v[0].tx, 0.5f);
    EXPECT_FLOAT_EQ(quad.GetQuad().v[1].tx, 0.0f);
    quad.SetFlip(false, true, false);
    EXPECT_FLOAT_EQ(quad.GetQuad().v[0].tx, 0.0f);
    EXPECT_FLOAT_EQ(quad.GetQuad().v[0].ty, 1.0f);
}

TEST_F(SpriteTest, LogicThreadChangesDoNotRaceWithDrawing)
{
    const HTEXTURE other = myHGE->Texture_Load(Picture("other.dds", 32, 32).c_str());
    StaticSprite sprite(myHGE, Picture("box.dds", 16, 16));
    StaticSprite copy = sprite;
    std::atomic<bool> done{false};
    std::thread logic(
        [&]
        {
            for (int i = 0; i < 2000; ++i)
            {
                copy.SetColor(Color{i % 256, 0, 0, 255});
                copy.SetTexture(i % 2 ? other : sprite.GetTexture());
                sprite.SetVisible(i % 3 != 0);
            }
            done = true;
        });
    while (!done)
    {
        Draw([&] { sprite.DrawAt(Vector2<float>(1.0f, 2.0f)); });
    }
    logic.join();
    const hgeQuad last = sprite.GetQuad()->GetQuad();
    EXPECT_EQ(last.v[0].col, 0xFFCF0000u);  // 1999 % 256 = 207
}

TEST_F(SpriteTest, AMissingPictureEndsTheProgramNamingIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(StaticSprite(myHGE, (myFolder / "img/nothere.dds").string()),
                testing::ExitedWithCode(1), "nothere.dds.*Can't load in the texture.*staticsprite");
    // A sprite made without a picture has no quad: using it is stopped, not a crash.
    StaticSprite empty(myHGE);
    EXPECT_EXIT(empty.SetColor(Color{}), testing::ExitedWithCode(1), "without a picture.*sprite");
    EXPECT_EXIT(empty.SetTexture(0), testing::ExitedWithCode(1), "without a picture");
    EXPECT_EXIT(empty.DrawAt(Vector2<float>()), testing::ExitedWithCode(1), "without a picture");
}
