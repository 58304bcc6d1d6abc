#pragma once
// Reads the first mip level of a DDS file: uncompressed 32, 24 and 16-bit pixels (channel
// layout taken from the header's masks, rows padded to the header's pitch when it gives one)
// and DXT1, DXT3 and DXT5 blocks.
#include <cstddef>
#include <cstdint>
#include <string>

#include "decodedimage.h"

namespace platform
{
// True when the bytes start with the DDS magic.
bool LooksLikeDds(const uint8_t* aData, size_t aSize);

// Decodes into aImage; on failure false and a short problem ("truncated DXT5 data").
// Every size in the header is checked against aSize before anything is read.
bool DecodeDds(const uint8_t* aData, size_t aSize, DecodedImage& aImage, std::string& aProblem);
}  // namespace platform
