#pragma once
// Draw only what shows. A quad whose four corners are fully transparent changes no pixel and is
// not drawn at all. A large picture that is mostly transparent (a scene's overlay of foreground
// parts) is cut into tiles once; an upright, evenly coloured quad of it is drawn as one quad per
// tile that holds a visible pixel, or borders one (smooth sampling reaches one texel over).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ddsreader.h"
#include "decodedimage.h"
#include "hge.h"

namespace platform
{
// Which tiles of a picture hold (or border) a visible pixel.
class TileMap
{
public:
    static constexpr int ourTileSize = 64;

    // Empty (no tiling) for pictures too small or too full for tiles to pay off.
    static TileMap Of(const DecodedImage& aPicture);
    // The same from a picture's DXT blocks, block by block (a block that may show a pixel
    // counts as showing all of them), without decoding it.
    static TileMap OfBlocks(const DdsLayout& aLayout, const uint8_t* aBlocks);

    bool IsTiled() const { return myColumns > 0; }
    int GetColumns() const { return myColumns; }
    int GetRows() const { return myRows; }
    bool IsVisible(int aColumn, int aRow) const
    {
        return myVisible[static_cast<size_t>(aRow) * static_cast<size_t>(myColumns) +
                         static_cast<size_t>(aColumn)] != 0;
    }

private:
    // The tiles of a picture of aWidth x aHeight that aShows says show, given each tile's
    // pixels (left, top, right, bottom, inclusive) and those bordering on them; no tiles when
    // the picture is too small, or too few tiles are empty, for tiles to pay off.
    template <typename Shows>
    static TileMap ByTiles(int aWidth, int aHeight, Shows&& aShows);

    int myColumns = 0;
    int myRows = 0;
    std::vector<uint8_t> myVisible;
};

// Whether a DXT block may hold a pixel that is not fully transparent.
bool BlockMayShow(DdsBlocks aBlocks, const uint8_t* aBlock);
// Whether every pixel of a picture (or of a DXT block) is fully opaque: drawn over anything,
// it hides it whole, so it needs no blending. False when in doubt.
bool IsOpaque(const DecodedImage& aPicture);
bool IsOpaque(const DdsLayout& aLayout, const uint8_t* aBlocks);
bool BlockIsOpaque(DdsBlocks aBlocks, const uint8_t* aBlock);

// Calls aDraw with the parts of aQuad worth drawing on a picture of aWidth x aHeight with the
// tiles aTiles (null: draw it whole, if visible at all).
template <typename Draw>
void ForEachVisiblePart(const hgeQuad& aQuad, const TileMap* aTiles, int aWidth, int aHeight,
                        Draw&& aDraw);

// What ForEachVisiblePart needs to know of a quad; exposed for the tests.
bool IsInvisible(const hgeQuad& aQuad);
// The parts of an upright, evenly coloured quad on the visible tiles; false (nothing added)
// for any other quad, which is then drawn whole.
bool SplitIntoTiles(const hgeQuad& aQuad, const TileMap& aTiles, int aWidth, int aHeight,
                    std::vector<hgeQuad>& aParts);

template <typename Draw>
void ForEachVisiblePart(const hgeQuad& aQuad, const TileMap* aTiles, int aWidth, int aHeight,
                        Draw&& aDraw)
{
    if (IsInvisible(aQuad))
    {
        return;
    }
    thread_local std::vector<hgeQuad> parts;
    parts.clear();
    if (aTiles != nullptr && aTiles->IsTiled() &&
        SplitIntoTiles(aQuad, *aTiles, aWidth, aHeight, parts))
    {
        for (const hgeQuad& part : parts)
        {
            aDraw(part);
        }
        return;
    }
    aDraw(aQuad);
}
}  // namespace platform
