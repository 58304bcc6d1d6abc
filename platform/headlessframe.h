#pragma once
// What the headless engine last presented, for tests and tools that check the drawing without
// looking at pixels.
#include <cstdint>
#include <string>
#include <vector>

#include "hge.h"

namespace platform
{
struct PresentedFrame
{
    uint64_t myNumber = 0;         // 1 for the first frame presented, 0 before any
    DWORD myClearColor = 0;        // the frame's last Gfx_Clear colour (0xAARRGGBB)
    std::vector<hgeQuad> myQuads;  // drawn after that clear, in order
};

// The last frame the engine presented; false when aEngine is not the headless backend.
bool LastPresentedFrame(HGE* aEngine, PresentedFrame& aFrame);
// The file a picture of the headless engine aEngine came from ("" if none).
std::string PicturePath(HGE* aEngine, HTEXTURE aTexture);
}  // namespace platform
