#pragma once
// A decoded picture: 32-bit pixels 0xAARRGGBB, row after row from the top, not premultiplied.
#include <cstdint>
#include <vector>

namespace platform
{
struct DecodedImage
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Largest accepted side of a picture; anything bigger is treated as a corrupt header.
constexpr int kMaxPictureSide = 16384;
}  // namespace platform
