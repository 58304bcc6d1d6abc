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
