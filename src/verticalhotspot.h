#pragma once
// A transfer zone crossed left to right or right to left, linked to its partner zone in the
// scene it leads to.
#include "zonerect.h"

class VerticalHotSpot
{
public:
    VerticalHotSpot(const Vector2<float>& aPosition, float aWidth, float aHeight,
                    std::string aName);

    // True when the feet point lies in the zone (edges included); it is then replaced by the
    // heroine position whose feet land beside the partner: right of it when the zone was
    // entered through its left half (middle line included), left of it otherwise.
    bool Contains(Vector2<float>& aPoint) const;
    // The partner zone; not owned.
    void SetLink(const VerticalHotSpot* aLink) { myLink = aLink; }

    const ZoneRect& GetRect() const { return myRect; }
    const std::string& GetName() const { return myRect.name; }

private:
    ZoneRect myRect;
    const VerticalHotSpot* myLink = nullptr;
};
