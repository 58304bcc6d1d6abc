#pragma once
// The rectangle of a transfer zone in scene pixels, with its name.
#include <string>

#include "vector2.h"

struct ZoneRect
{
    ZoneRect(const Vector2<float>& aPosition, float aWidth, float aHeight, std::string aName)
        : height(aHeight),
          width(aWidth),
          name(std::move(aName)),
          left(aPosition.x),
          top(aPosition.y),
          right(aPosition.x + aWidth),
          bottom(aPosition.y + aHeight)
    {
    }

    // Inclusive on all four edges.
    bool Encloses(const Vector2<float>& aPoint) const
    {
        return left <= aPoint.x && aPoint.x <= right && top <= aPoint.y && aPoint.y <= bottom;
    }

    float height;
    float width;
    std::string name;
    float left;
    float top;
    float right;
    float bottom;
};
