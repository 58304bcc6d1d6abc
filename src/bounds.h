#pragma once
// The game's hit tests: a point strictly inside a rectangle, its edges not counting.
#include "vector2.h"

inline bool StrictlyInside(const Vector2<float>& aTopLeft, const Vector2<float>& aBottomRight,
                           const Vector2<float>& aPoint)
{
    return aTopLeft.x < aPoint.x && aPoint.x < aBottomRight.x && aTopLeft.y < aPoint.y &&
           aPoint.y < aBottomRight.y;
}
