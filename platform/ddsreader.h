#pragma once
// Reads the first mip level of a DDS file: uncompressed 32, 24 and 16-bit pixels (channel
// layout taken from the header's masks, rows padded to the header's pitch when it gives one)
// and DXT1, DXT3 and DXT5 blocks. The header alone tells whether the file can be read, so a
// picture can be checked at once and read later.
#include <cstddef>
#include <cstdint>
#include <string>

#include "decodedimage.h"

namespace platform
{
// The magic and the 124-byte header; the picture follows.
constexpr size_t kDdsHeaderSize = 128;

enum class DdsBlocks
{
    None,  // uncompressed pixels
    Dxt1,
    Dxt3,
    Dxt5,
};

// What a checked header says of the first picture.
struct DdsLayout
{
    int width = 0;
    int height = 0;
    DdsBlocks blocks = DdsBlocks::None;
    size_t bodyBytes = 0;  // bytes of its blocks, right after the header (blocks only)
};

// True when the bytes start with the DDS magic.
bool LooksLikeDds(const uint8_t* aData, size_t aSize);
// Bytes of one 4 x 4 block: 8 for DXT1, 16 for DXT3 and DXT5.
size_t DxtBlockBytes(DdsBlocks aBlocks);

// Checks the header at aHeader (its first kDdsHeaderSize bytes, when the file has that many)
// of a file of aFileSize bytes: false, with the problem DecodeDds would give, when the file
// cannot be read whole.
bool ReadDdsLayout(const uint8_t* aHeader, size_t aFileSize, DdsLayout& aLayout,
                   std::string& aProblem);
// Decodes the blocks of a checked layout (aLayout.bodyBytes of them) into aImage.
void DecodeDxt(const DdsLayout& aLayout, const uint8_t* aBlocks, DecodedImage& aImage);

// Decodes into aImage; on failure false and a short problem ("truncated DXT5 data").
// Every size in the header is checked against aSize before anything is read.
bool DecodeDds(const uint8_t* aData, size_t aSize, DecodedImage& aImage, std::string& aProblem);
}  // namespace platform
