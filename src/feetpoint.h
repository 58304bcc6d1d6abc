#pragma once
// The heroine's feet, as the transfer zones see them: her frame's top-left plus half her frame
// width across and geometry::ourFeetY down. Arrivals are computed for her standard frame.
#include "heroineframe.h"
#include "vector2.h"

inline Vector2<float> FeetPoint(const Vector2<float>& aPosition, float aFrameWidth)
{
    return Vector2<float>(aPosition.x + aFrameWidth / 2, aPosition.y + geometry::ourFeetY);
}

// The heroine position whose feet land on an arrival point.
inline Vector2<float> PositionForFeetAt(const Vector2<float>& aArrival)
{
    return aArrival - Vector2<float>(geometry::ourFeetX, geometry::ourFeetY);
}
