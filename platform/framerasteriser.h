#pragma once
// Draws a recorded frame in software into a picture the size of the screen, the way the
// window would show it: textured quads, texture colour times vertex colour, alpha blended.
#include <cstdint>
#include <string>
#include <vector>

#include "headlessframe.h"
#include "texturetable.h"

namespace platform
{
// 0xFFRRGGBB pixels, row after row; false (with LastError) when SDL cannot draw.
bool RasteriseFrame(const PresentedFrame& aFrame, const TextureTable& aTextures, int aWidth,
                    int aHeight, std::vector<uint32_t>& aPixels);

// Writes 0xAARRGGBB pixels as a PNG file; false (with LastError) when it cannot be written.
bool WritePng(const std::string& aPath, int aWidth, int aHeight,
              const std::vector<uint32_t>& aPixels);
}  // namespace platform
