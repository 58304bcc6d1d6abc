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
// Largest accepted picture (64 MB of pixels): a header may not make a decoder reserve more on
// the strength of a few bytes. The game's largest picture has about a fifth of this.
constexpr int64_t kMaxPicturePixels = int64_t{4096} * 4096;
}  // namespace platform
