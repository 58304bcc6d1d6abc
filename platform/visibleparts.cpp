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

bool SameCorners(const hgeQuad& aQuad)
{
    const hgeVertex* v = aQuad.v;
    return v[0].y == v[1].y && v[1].x == v[2].x && v[2].y == v[3].y && v[3].x == v[0].x &&
           v[0].ty == v[1].ty && v[1].tx == v[2].tx && v[2].ty == v[3].ty && v[3].tx == v[0].tx &&
           v[0].col == v[1].col && v[0].col == v[2].col && v[0].col == v[3].col &&
           v[0].x < v[1].x && v[0].y < v[3].y && v[0].tx < v[1].tx && v[0].ty < v[3].ty;
}
}  // namespace

TileMap TileMap::Of(const DecodedImage& aPicture)
{
    TileMap map;
    if (aPicture.width < ourLeastSide || aPicture.height < ourLeastSide)
    {
        return map;
    }
    const int columns = (aPicture.width + ourTileSize - 1) / ourTileSize;
    const int rows = (aPicture.height + ourTileSize - 1) / ourTileSize;
    std::vector<uint8_t> visible(static_cast<size_t>(columns * rows), 0);
    for (int y = 0; y < aPicture.height; ++y)
    {
        const uint32_t* row = &aPicture.pixels[static_cast<size_t>(y) * aPicture.width];
        for (int x = 0; x < aPicture.width; ++x)
        {
            if ((row[x] >> 24) == 0)
            {
                continue;
            }
            // A visible pixel marks its tile, and the tiles it borders on.
            for (int ty = std::max(0, (y - 1) / ourTileSize);
                 ty <= std::min(rows - 1, (y + 1) / ourTileSize); ++ty)
            {
                for (int tx = std::max(0, (x - 1) / ourTileSize);
                     tx <= std::min(columns - 1, (x + 1) / ourTileSize); ++tx)
                {
                    visible[static_cast<size_t>(ty) * static_cast<size_t>(columns) +
                            static_cast<size_t>(tx)] = 1;
                }
            }
        }
    }
    const size_t empty = static_cast<size_t>(std::count(visible.begin(), visible.end(), 0));
    if (static_cast<double>(empty) < ourLeastEmptyShare * static_cast<double>(visible.size()))
    {
        return map;
    }
    map.myColumns = columns;
    map.myRows = rows;
    map.myVisible = std::move(visible);
    return map;
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
