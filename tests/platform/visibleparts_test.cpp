// Drawing only what shows must not change a pixel: fully transparent quads are dropped, and a
// scene's overlay drawn tile by tile looks exactly as the overlay drawn whole.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fatal.h"
#include "framerasteriser.h"
#include "headlessframe.h"
#include "testpictures.h"
#include "texturetable.h"
#include "visibleparts.h"

namespace
{
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

hgeQuad PictureQuad(HTEXTURE aTexture, float aLeft, float aTop, float aWidth, float aHeight,
                    DWORD aColour)
{
    hgeQuad quad{};
    quad.tex = aTexture;
    quad.blend = BLEND_DEFAULT;
    const float xs[4] = {0, 1, 1, 0};
    const float ys[4] = {0, 0, 1, 1};
    for (int corner = 0; corner < 4; ++corner)
    {
        quad.v[corner].x = aLeft + xs[corner] * aWidth;
        quad.v[corner].y = aTop + ys[corner] * aHeight;
        quad.v[corner].tx = xs[corner];
        quad.v[corner].ty = ys[corner];
        quad.v[corner].col = aColour;
    }
    return quad;
}

class VisibleParts : public ::testing::Test
{
protected:
    std::vector<uint32_t> Rasterise(const std::vector<hgeQuad>& aQuads)
    {
        platform::PresentedFrame frame;
        frame.myClearColor = 0xFF336699;
        frame.myQuads = aQuads;
        std::vector<uint32_t> pixels;
        EXPECT_TRUE(platform::RasteriseFrame(frame, myTable, kScreenWidth, kScreenHeight, pixels))
            << platform::LastError();
        return pixels;
    }

    // What the engines send on for aQuad.
    std::vector<hgeQuad> PartsOf(const hgeQuad& aQuad)
    {
        const auto image = myTable.Find(aQuad.tex);
        std::vector<hgeQuad> parts;
        platform::ForEachVisiblePart(aQuad, image->Tiles(), image->Width(), image->Height(),
                                     [&parts](const hgeQuad& aPart) { parts.push_back(aPart); });
        return parts;
    }

    platform::TextureTable myTable;
};

TEST_F(VisibleParts, OverlaysDrawnByTilesMatchThemDrawnWhole)
{
    // Every scene's overlay, whole or partly off screen, opaque and fading. The software
    // rasteriser puts upright pictures on whole pixels, so the positions are whole pixels here;
    // the window's test draws them between pixels too.
    const char* const overlays[] = {"caves",       "deepjungle", "jungle_crash",
                                    "timemachine", "village",    "volcano"};
    struct Placement
    {
        float x, y;
        DWORD colour;
    };
    const Placement placements[] = {{0, 0, 0xFFFFFFFF},
                                    {-301, -77, 0xFFFFFFFF},
                                    {-1024, -1280, 0xFFFFFFFF},
                                    {-63, 1, 0x80FFFFFF}};
    int tiledOverlays = 0;
    for (const char* scene : overlays)
    {
        const std::string path = std::string("img/Levels/scene_") + scene + "_overlay.dds";
        const HTEXTURE texture = myTable.Load(path);
        ASSERT_NE(texture, 0u) << platform::LastError();
        const auto image = myTable.Find(texture);
        const float width = static_cast<float>(image->Width());
        const float height = static_cast<float>(image->Height());
        tiledOverlays += image->Tiles()->IsTiled() ? 1 : 0;
        for (const Placement& placement : placements)
        {
            SCOPED_TRACE(path + " at " + std::to_string(placement.x) + ", " +
                         std::to_string(placement.y));
            const hgeQuad whole =
                PictureQuad(texture, placement.x, placement.y, width, height, placement.colour);
            const std::vector<hgeQuad> parts = PartsOf(whole);
            if (image->Tiles()->IsTiled())
            {
                // Fewer parts than tiles: empty ones were skipped.
                const platform::TileMap* tiles = image->Tiles();
                EXPECT_LT(parts.size(),
                          static_cast<size_t>(tiles->GetColumns() * tiles->GetRows()));
            }
            const std::vector<uint32_t> expected = Rasterise({whole});
            const std::vector<uint32_t> drawn = Rasterise(parts);
            ASSERT_EQ(drawn.size(), expected.size());
            int differing = 0;
            for (size_t i = 0; i < drawn.size(); ++i)
            {
                differing += drawn[i] != expected[i] ? 1 : 0;
            }
            EXPECT_EQ(differing, 0);
        }
        myTable.Free(texture);
    }
    // The overlays hold their scenes' upright parts packed side by side: round crowns, roofs
    // and rocks leave empty corners enough for half of them to be tiled.
    EXPECT_GE(tiledOverlays, 3);
}

TEST_F(VisibleParts, TilesSkipEmptyGroundAndKeepPixelsNearTheirEdges)
{
    // 512 x 512, empty but for one pixel at the right edge of tile (1, 1), one at the left edge
    // of tile (5, 6) and a block in tile (3, 3): the edge pixels' neighbour tiles (2, 1) and
    // (4, 6) are drawn too (smooth sampling reaches them). The same from the picture's DXT5
    // blocks, read without decoding them.
    testpictures::Picture picture = testpictures::Filled(512, 512, 0x00FFFFFF);
    picture.pixels[100 * 512 + 127] = 0xFF000000;
    picture.pixels[400 * 512 + 320] = 0xFF000000;
    for (int y = 200; y < 210; ++y)
    {
        for (int x = 200; x < 210; ++x)
        {
            picture.pixels[y * 512 + x] = 0xFFFF0000;
        }
    }
    platform::DecodedImage decoded;
    decoded.width = picture.width;
    decoded.height = picture.height;
    decoded.pixels.assign(picture.pixels.begin(), picture.pixels.end());
    const std::vector<uint8_t> dxt = testpictures::DdsDxt(picture, "DXT5");
    platform::DdsLayout layout;
    std::string problem;
    ASSERT_TRUE(platform::ReadDdsLayout(dxt.data(), dxt.size(), layout, problem)) << problem;
    for (const platform::TileMap& tiles :
         {platform::TileMap::Of(decoded),
          platform::TileMap::OfBlocks(layout, dxt.data() + platform::kDdsHeaderSize)})
    {
        ASSERT_TRUE(tiles.IsTiled());
        std::vector<std::pair<int, int>> visible;
        for (int row = 0; row < tiles.GetRows(); ++row)
        {
            for (int column = 0; column < tiles.GetColumns(); ++column)
            {
                if (tiles.IsVisible(column, row))
                {
                    visible.emplace_back(column, row);
                }
            }
        }
        EXPECT_EQ(visible,
                  (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 3}, {4, 6}, {5, 6}}));
    }

    // A mostly full picture is drawn whole: tiles would not pay off.
    decoded.pixels.assign(size_t{512} * 512, 0xFF00FF00);
    EXPECT_FALSE(platform::TileMap::Of(decoded).IsTiled());
}

TEST_F(VisibleParts, TransparentQuadsAreDroppedAndOthersKept)
{
    hgeQuad curtain = PictureQuad(0, 0, 0, kScreenWidth, kScreenHeight, 0x00000000);
    EXPECT_TRUE(platform::IsInvisible(curtain));
    // One corner that shows keeps the quad (its colour fades across it).
    curtain.v[2].col = 0x01000000;
    EXPECT_FALSE(platform::IsInvisible(curtain));

    // A rotated or unevenly coloured quad is drawn whole, never split.
    platform::DecodedImage picture;
    picture.width = 512;
    picture.height = 512;
    picture.pixels.assign(size_t{512} * 512, 0x00000000);
    picture.pixels[0] = 0xFFFFFFFF;
    const platform::TileMap tiles = platform::TileMap::Of(picture);
    ASSERT_TRUE(tiles.IsTiled());
    std::vector<hgeQuad> parts;
    EXPECT_FALSE(platform::SplitIntoTiles(curtain, tiles, 512, 512, parts));
    hgeQuad turned = PictureQuad(1, 0, 0, 512, 512, 0xFFFFFFFF);
    turned.v[1].y += 3;
    EXPECT_FALSE(platform::SplitIntoTiles(turned, tiles, 512, 512, parts));
    EXPECT_TRUE(parts.empty());
}
}  // namespace
