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

// What a pixel's alpha in a DXT block can be: decoders may round a value between the block's
// end points either way.
struct AlphaRange
{
    unsigned least;
    unsigned most;
};

// The alphas of the sixteen pixels of a block, row after row.
void BlockAlphas(DdsBlocks aBlocks, const uint8_t* aBlock, AlphaRange (&aAlphas)[16])
{
    switch (aBlocks)
    {
        case DdsBlocks::Dxt1:
        {
            // Four opaque colours when the first is the greater; otherwise index 3 is clear.
            const bool fourColours = (aBlock[0] | aBlock[1] << 8) > (aBlock[2] | aBlock[3] << 8);
            for (int pixel = 0; pixel < 16; ++pixel)
            {
                const unsigned index = (aBlock[4 + pixel / 4] >> (2 * (pixel % 4))) & 3u;
                const unsigned alpha = !fourColours && index == 3 ? 0 : 255;
                aAlphas[pixel] = AlphaRange{alpha, alpha};
            }
            return;
        }
        case DdsBlocks::Dxt3:
            // Sixteen explicit 4-bit alphas.
            for (int pixel = 0; pixel < 16; ++pixel)
            {
                const unsigned alpha = ((aBlock[pixel / 2] >> (4 * (pixel % 2))) & 15u) * 17;
                aAlphas[pixel] = AlphaRange{alpha, alpha};
            }
            return;
        case DdsBlocks::Dxt5:
        {
            // Two end points and sixteen 3-bit indices. Index 0 and 1 are the end points; with
            // the first end point not above the second, 6 is clear and 7 opaque, and 2 to 5 lie
            // between the end points; otherwise 2 to 7 do.
            const unsigned first = aBlock[0];
            const unsigned second = aBlock[1];
            const bool sixValues = first <= second;
            uint64_t indices = 0;
            for (int i = 7; i >= 2; --i)
            {
                indices = indices << 8 | aBlock[i];
            }
            for (int pixel = 0; pixel < 16; ++pixel, indices >>= 3)
            {
                const unsigned index = static_cast<unsigned>(indices & 7u);
                aAlphas[pixel] = index == 0                ? AlphaRange{first, first}
                                 : index == 1              ? AlphaRange{second, second}
                                 : sixValues && index == 6 ? AlphaRange{0, 0}
                                 : sixValues && index == 7
                                     ? AlphaRange{255, 255}
                                     : AlphaRange{std::min(first, second), std::max(first, second)};
            }
            return;
        }
        case DdsBlocks::None:
            break;
    }
    std::fill(aAlphas, aAlphas + 16, AlphaRange{0, 255});
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

TileMap TileMap::Sized(int aWidth, int aHeight)
{
    TileMap map;
    if (aWidth < ourLeastSide || aHeight < ourLeastSide)
    {
        return map;
    }
    map.myWidth = aWidth;
    map.myHeight = aHeight;
    map.myColumns = (aWidth + ourTileSize - 1) / ourTileSize;
    map.myRows = (aHeight + ourTileSize - 1) / ourTileSize;
    map.myVisible.assign(static_cast<size_t>(map.myColumns * map.myRows), 0);
    return map;
}

void TileMap::MarkAround(int aLeft, int aTop, int aRight, int aBottom)
{
    // Smooth sampling reaches one pixel over: the tiles bordering on visible pixels count too.
    const int lastX = std::min(myWidth - 1, aRight + 1);
    const int lastY = std::min(myHeight - 1, aBottom + 1);
    for (int ty = std::max(0, aTop - 1) / ourTileSize; ty <= lastY / ourTileSize; ++ty)
    {
        for (int tx = std::max(0, aLeft - 1) / ourTileSize; tx <= lastX / ourTileSize; ++tx)
        {
            myVisible[static_cast<size_t>(ty) * static_cast<size_t>(myColumns) +
                      static_cast<size_t>(tx)] = 1;
        }
    }
}

TileMap TileMap::Finished(TileMap&& aMap)
{
    const size_t empty =
        static_cast<size_t>(std::count(aMap.myVisible.begin(), aMap.myVisible.end(), 0));
    if (static_cast<double>(empty) <
        ourLeastEmptyShare * static_cast<double>(aMap.myVisible.size()))
    {
        return TileMap();
    }
    return std::move(aMap);
}

TileMap TileMap::Of(const DecodedImage& aPicture)
{
    TileMap map = Sized(aPicture.width, aPicture.height);
    if (!map.IsTiled())
    {
        return map;
    }
    for (int y = 0; y < aPicture.height; ++y)
    {
        const uint32_t* row = &aPicture.pixels[static_cast<size_t>(y) * aPicture.width];
        for (int x = 0; x < aPicture.width; ++x)
        {
            if ((row[x] >> 24) != 0)
            {
                map.MarkAround(x, y, x, y);
            }
        }
    }
    return Finished(std::move(map));
}

TileMap TileMap::OfBlocks(const DdsLayout& aLayout, const uint8_t* aBlocks)
{
    TileMap map = Sized(aLayout.width, aLayout.height);
    if (!map.IsTiled())
    {
        return map;
    }
    const size_t blockBytes = DxtBlockBytes(aLayout.blocks);
    const uint8_t* block = aBlocks;
    for (int top = 0; top < aLayout.height; top += 4)
    {
        for (int left = 0; left < aLayout.width; left += 4, block += blockBytes)
        {
            if (BlockMayShow(aLayout.blocks, block))
            {
                map.MarkAround(left, top, std::min(left + 3, aLayout.width - 1),
                               std::min(top + 3, aLayout.height - 1));
            }
        }
    }
    return Finished(std::move(map));
}

bool BlockMayShow(DdsBlocks aBlocks, const uint8_t* aBlock)
{
    AlphaRange alphas[16];
    BlockAlphas(aBlocks, aBlock, alphas);
    return std::any_of(alphas, alphas + 16,
                       [](const AlphaRange& aAlpha) { return aAlpha.most > 0; });
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
    AlphaRange alphas[16];
    BlockAlphas(aBlocks, aBlock, alphas);
    return std::all_of(alphas, alphas + 16,
                       [](const AlphaRange& aAlpha) { return aAlpha.least == 255; });
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
