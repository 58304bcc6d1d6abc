#include "visibleparts.h"

#include <algorithm>
#include <cmath>

namespace platform
{
namespace
{
// Tiles pay off only on pictures at least this large on both sides...
constexpr int ourLeastSide = 256;
// ...and with at least this share of their tiles empty.
constexpr double ourLeastEmptyShare = 0.25;

// What the alphas of a DXT block's sixteen pixels may be: whether one may show (alpha above 0)
// and whether all are sure to be opaque. Decoders may round a value between the block's end
// points either way, so such a value counts as maybe showing and maybe not opaque.
struct BlockAlphas
{
    bool myMayShow;
    bool myOpaque;
};

// The lowest bit of each of a DXT5 block's sixteen 3-bit alpha indices.
constexpr uint64_t kEveryIndex = 0x249249249249ull;

// Of the sixteen 3-bit indices in aIndices, those equal to aValue (their lowest bit set).
uint64_t IndicesEqualTo(uint64_t aIndices, unsigned aValue)
{
    const uint64_t differ = aIndices ^ (kEveryIndex * aValue);
    return ~(differ | differ >> 1 | differ >> 2) & kEveryIndex;
}

BlockAlphas AlphasOf(DdsBlocks aBlocks, const uint8_t* aBlock)
{
    switch (aBlocks)
    {
        case DdsBlocks::Dxt1:
        {
            // Four opaque colours when the first is the greater; otherwise index 3 is clear.
            if ((aBlock[0] | aBlock[1] << 8) > (aBlock[2] | aBlock[3] << 8))
            {
                return BlockAlphas{true, true};
            }
            const uint32_t indices = static_cast<uint32_t>(aBlock[4]) | aBlock[5] << 8 |
                                     aBlock[6] << 16 | static_cast<uint32_t>(aBlock[7]) << 24;
            const uint32_t threes = indices & (indices >> 1) & 0x55555555u;
            return BlockAlphas{threes != 0x55555555u, threes == 0};
        }
        case DdsBlocks::Dxt3:
        {
            // Sixteen explicit 4-bit alphas.
            const auto all = [aBlock](uint8_t aByte) {
                return std::all_of(aBlock, aBlock + 8,
                                   [aByte](uint8_t aAt) { return aAt == aByte; });
            };
            return BlockAlphas{!all(0), all(0xFF)};
        }
        case DdsBlocks::Dxt5:
        {
            // Two end points and sixteen 3-bit indices. Index 0 and 1 are the end points; with
            // the first end point not above the second, 6 is clear and 7 opaque, and 2 to 5 lie
            // between the end points; otherwise 2 to 7 do.
            const unsigned first = aBlock[0];
            const unsigned second = aBlock[1];
            const bool sixValues = first <= second;
            const unsigned least = std::min(first, second);
            const unsigned most = std::max(first, second);
            uint64_t indices = 0;
            for (int i = 7; i >= 2; --i)
            {
                indices = indices << 8 | aBlock[i];
            }
            // Each index value that some pixel uses, with the alphas it may stand for.
            BlockAlphas alphas{false, true};
            for (unsigned index = 0; index < 8; ++index)
            {
                if (IndicesEqualTo(indices, index) == 0)
                {
                    continue;
                }
                unsigned low = least;
                unsigned high = most;
                if (index <= 1 || (sixValues && index >= 6))
                {
                    low = index == 0 ? first : index == 1 ? second : index == 6 ? 0 : 255;
                    high = low;
                }
                alphas.myMayShow = alphas.myMayShow || high > 0;
                alphas.myOpaque = alphas.myOpaque && low == 255;
            }
            return alphas;
        }
        case DdsBlocks::None:
            break;
    }
    return BlockAlphas{true, false};
}

bool SameCorners(const hgeQuad& aQuad)
{
    const hgeVertex* v = aQuad.v;
    return v[0].y == v[1].y && v[1].x == v[2].x && v[2].y == v[3].y && v[3].x == v[0].x &&
           v[0].ty == v[1].ty && v[1].tx == v[2].tx && v[2].ty == v[3].ty && v[3].tx == v[0].tx &&
           v[0].col == v[1].col && v[0].col == v[2].col && v[0].col == v[3].col &&
           v[0].x < v[1].x && v[0].y < v[3].y && v[0].tx < v[1].tx && v[0].ty < v[3].ty;
}
}  // namespace

template <typename Shows>
TileMap TileMap::ByTiles(int aWidth, int aHeight, Shows&& aShows)
{
    TileMap map;
    if (aWidth < ourLeastSide || aHeight < ourLeastSide)
    {
        return map;
    }
    map.myColumns = (aWidth + ourTileSize - 1) / ourTileSize;
    map.myRows = (aHeight + ourTileSize - 1) / ourTileSize;
    map.myVisible.assign(static_cast<size_t>(map.myColumns) * static_cast<size_t>(map.myRows), 0);
    size_t empty = 0;
    for (int row = 0; row < map.myRows; ++row)
    {
        for (int column = 0; column < map.myColumns; ++column)
        {
            // Smooth sampling reaches one pixel over: pixels bordering on the tile count too.
            const bool shows =
                aShows(std::max(0, column * ourTileSize - 1), std::max(0, row * ourTileSize - 1),
                       std::min(aWidth - 1, (column + 1) * ourTileSize),
                       std::min(aHeight - 1, (row + 1) * ourTileSize));
            map.myVisible[static_cast<size_t>(row) * static_cast<size_t>(map.myColumns) +
                          static_cast<size_t>(column)] = shows ? 1 : 0;
            empty += shows ? 0 : 1;
        }
    }
    if (static_cast<double>(empty) < ourLeastEmptyShare * static_cast<double>(map.myVisible.size()))
    {
        return TileMap();
    }
    return map;
}

TileMap TileMap::Of(const DecodedImage& aPicture)
{
    return ByTiles(aPicture.width, aPicture.height,
                   [&aPicture](int aLeft, int aTop, int aRight, int aBottom)
                   {
                       for (int y = aTop; y <= aBottom; ++y)
                       {
                           const uint32_t* row =
                               &aPicture.pixels[static_cast<size_t>(y) * aPicture.width];
                           for (int x = aLeft; x <= aRight; ++x)
                           {
                               if ((row[x] >> 24) != 0)
                               {
                                   return true;
                               }
                           }
                       }
                       return false;
                   });
}

TileMap TileMap::OfBlocks(const DdsLayout& aLayout, const uint8_t* aBlocks)
{
    const size_t blockBytes = DxtBlockBytes(aLayout.blocks);
    const size_t blocksPerRow = static_cast<size_t>((aLayout.width + 3) / 4);
    return ByTiles(aLayout.width, aLayout.height,
                   [&](int aLeft, int aTop, int aRight, int aBottom)
                   {
                       // Every block holding one of the pixels.
                       for (int y = aTop / 4; y <= aBottom / 4; ++y)
                       {
                           for (int x = aLeft / 4; x <= aRight / 4; ++x)
                           {
                               const size_t block =
                                   static_cast<size_t>(y) * blocksPerRow + static_cast<size_t>(x);
                               if (BlockMayShow(aLayout.blocks, aBlocks + block * blockBytes))
                               {
                                   return true;
                               }
                           }
                       }
                       return false;
                   });
}

bool BlockMayShow(DdsBlocks aBlocks, const uint8_t* aBlock)
{
    return AlphasOf(aBlocks, aBlock).myMayShow;
}

bool IsOpaque(const DecodedImage& aPicture)
{
    return std::all_of(aPicture.pixels.begin(), aPicture.pixels.end(),
                       [](uint32_t aPixel) { return (aPixel >> 24) == 0xFF; });
}

bool IsOpaque(const DdsLayout& aLayout, const uint8_t* aBlocks)
{
    const size_t blockBytes = DxtBlockBytes(aLayout.blocks);
    const size_t blocks = aLayout.bodyBytes / blockBytes;
    for (size_t i = 0; i < blocks; ++i)
    {
        if (!BlockIsOpaque(aLayout.blocks, aBlocks + i * blockBytes))
        {
            return false;
        }
    }
    return true;
}

bool BlockIsOpaque(DdsBlocks aBlocks, const uint8_t* aBlock)
{
    return AlphasOf(aBlocks, aBlock).myOpaque;
}

bool IsInvisible(const hgeQuad& aQuad)
{
    for (const hgeVertex& vertex : aQuad.v)
    {
        if ((vertex.col >> 24) != 0)
        {
            return false;
        }
    }
    return true;
}

bool SplitIntoTiles(const hgeQuad& aQuad, const TileMap& aTiles, int aWidth, int aHeight,
                    std::vector<hgeQuad>& aParts)
{
    if (!SameCorners(aQuad))
    {
        return false;
    }
    const hgeVertex& topLeft = aQuad.v[0];
    const hgeVertex& bottomRight = aQuad.v[2];
    // Texel coordinates of the quad's picture rectangle, and screen pixels per texel.
    const float u0 = topLeft.tx * static_cast<float>(aWidth);
    const float u1 = bottomRight.tx * static_cast<float>(aWidth);
    const float w0 = topLeft.ty * static_cast<float>(aHeight);
    const float w1 = bottomRight.ty * static_cast<float>(aHeight);
    const auto screenX = [&](float aU)
    { return topLeft.x + (aU - u0) * (bottomRight.x - topLeft.x) / (u1 - u0); };
    const auto screenY = [&](float aW)
    { return topLeft.y + (aW - w0) * (bottomRight.y - topLeft.y) / (w1 - w0); };
    const int size = TileMap::ourTileSize;
    for (int row = std::max(0, static_cast<int>(w0) / size);
         row < aTiles.GetRows() && static_cast<float>(row * size) < w1; ++row)
    {
        for (int column = std::max(0, static_cast<int>(u0) / size);
             column < aTiles.GetColumns() && static_cast<float>(column * size) < u1; ++column)
        {
            if (!aTiles.IsVisible(column, row))
            {
                continue;
            }
            // The tile, cut to the quad's own rectangle of the picture.
            const float left = std::max(u0, static_cast<float>(column * size));
            const float right = std::min(u1, static_cast<float>((column + 1) * size));
            const float top = std::max(w0, static_cast<float>(row * size));
            const float bottom = std::min(w1, static_cast<float>((row + 1) * size));
            hgeQuad part = aQuad;
            const float xs[4] = {left, right, right, left};
            const float ys[4] = {top, top, bottom, bottom};
            for (int corner = 0; corner < 4; ++corner)
            {
                // The quad's own corners are kept exactly; inner edges are computed once per
                // edge, the same for the tiles on both sides of it.
                part.v[corner].x = xs[corner] == u0   ? topLeft.x
                                   : xs[corner] == u1 ? bottomRight.x
                                                      : screenX(xs[corner]);
                part.v[corner].y = ys[corner] == w0   ? topLeft.y
                                   : ys[corner] == w1 ? bottomRight.y
                                                      : screenY(ys[corner]);
                part.v[corner].tx = xs[corner] == u0   ? topLeft.tx
                                    : xs[corner] == u1 ? bottomRight.tx
                                                       : xs[corner] / static_cast<float>(aWidth);
                part.v[corner].ty = ys[corner] == w0   ? topLeft.ty
                                    : ys[corner] == w1 ? bottomRight.ty
                                                       : ys[corner] / static_cast<float>(aHeight);
            }
            aParts.push_back(part);
        }
    }
    return true;
}
}  // namespace platform
