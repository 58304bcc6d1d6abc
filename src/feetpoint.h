#pragma once
// The heroine's feet, as the transfer zones see them: her frame's top-left plus half her frame
// width across and 100 pixels down. Arrivals are computed for a 64-pixel-wide frame.
#include "vector2.h"

constexpr float ourFeetDrop = 100.0f;
constexpr float ourArrivalHalfWidth = 32.0f;

inline Vector2<float> FeetPoint(const Vector2<float>& aPosition, float aFrameWidth)
{
    return Vector2<float>(aPosition.x + aFrameWidth / 2, aPosition.y + ourFeetDrop);
}

// The heroine position whose feet land on an arrival point.
inline Vector2<float> PositionForFeetAt(const Vector2<float>& aArrival)
{
    return aArrival - Vector2<float>(ourArrivalHalfWidth, ourFeetDrop);
}
