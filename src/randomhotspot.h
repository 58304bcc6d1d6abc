#pragma once
// A plain rectangular transfer zone (the cave entrances): no partner, no arrival point.
#include "zonerect.h"

class RandomHotSpot
{
public:
    RandomHotSpot(const Vector2<float>& aPosition, float aWidth, float aHeight, std::string aName);

    // Inclusive rectangle test; the point is left as it is.
    bool Contains(const Vector2<float>& aPoint) const { return myRect.Encloses(aPoint); }

    const ZoneRect& GetRect() const { return myRect; }
    const std::string& GetName() const { return myRect.name; }

private:
    ZoneRect myRect;
};
