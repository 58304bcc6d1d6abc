#pragma once
// A colour as the game writes it: each channel 0 to 255.
#include <cstdint>

struct Color
{
    int32_t red = 255;
    int32_t green = 255;
    int32_t blue = 255;
    int32_t alpha = 255;

    // alpha << 24 | red << 16 | green << 8 | blue, the engine's vertex colour.
    uint32_t ToArgb() const
    {
        return (static_cast<uint32_t>(alpha) << 24) | (static_cast<uint32_t>(red) << 16) |
               (static_cast<uint32_t>(green) << 8) | static_cast<uint32_t>(blue);
    }
};

// One fade step: alpha moves by aStep (+1 towards opaque, -1 towards transparent) and stops at
// 255 or 0. True once the limit is reached.
inline bool StepAlpha(Color& aColor, int aStep)
{
    aColor.alpha += aStep;
    if (aColor.alpha >= 255)
    {
        aColor.alpha = 255;
        return true;
    }
    if (aColor.alpha <= 0)
    {
        aColor.alpha = 0;
        return true;
    }
    return false;
}
