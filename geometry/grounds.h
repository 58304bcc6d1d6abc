#pragma once
// What the ground under the heroine's feet is made of, as her footsteps sound on it. The
// collision bitmap of each scene says it: black where she may not stand, and where she may,
// the colour of the ground. The content generator paints it from each scene's materials; the
// game reads it under her feet.
#include <cstdint>
#include <initializer_list>

namespace geometry
{
enum class Ground
{
    Grass,  // jungle floor
    Sand,   // river banks, dirt paths, the village's beaten earth
    Stone,  // cave floor, volcanic rock
    Metal,  // the time machine's deck
};

// The collision bitmap's colours (0xAARRGGBB) for each ground; any other colour that is not
// blocked counts as grass.
constexpr uint32_t ourGrassColour = 0xFFFFFFFFu;
constexpr uint32_t ourSandColour = 0xFFF0D890u;
constexpr uint32_t ourStoneColour = 0xFFA0A0A8u;
constexpr uint32_t ourMetalColour = 0xFF80B0E0u;

constexpr uint32_t ColourOf(Ground aGround)
{
    switch (aGround)
    {
        case Ground::Sand:
            return ourSandColour;
        case Ground::Stone:
            return ourStoneColour;
        case Ground::Metal:
            return ourMetalColour;
        case Ground::Grass:
            break;
    }
    return ourGrassColour;
}

constexpr Ground GroundOfColour(uint32_t aColour)
{
    for (const Ground ground : {Ground::Sand, Ground::Stone, Ground::Metal})
    {
        if (ColourOf(ground) == aColour)
        {
            return ground;
        }
    }
    return Ground::Grass;
}
}  // namespace geometry
