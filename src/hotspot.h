#pragma once
// A transfer zone crossed top to bottom or bottom to top, linked to its partner zone in the
// scene it leads to.
#include "zonerect.h"

class HotSpot
{
public:
    HotSpot(const Vector2<float>& aPosition, float aWidth, float aHeight, std::string aName);

    // True when the feet point lies in the zone (edges included); it is then replaced by the
    // heroine position whose feet land beside the partner: below it when the zone was entered
    // through its upper half (middle line included), above it otherwise.
    bool Contains(Vector2<float>& aPoint) const;
    // The partner zone; not owned.
    void SetLink(const HotSpot* aLink) { myLink = aLink; }

    const ZoneRect& GetRect() const { return myRect; }
    const std::string& GetName() const { return myRect.name; }

private:
    ZoneRect myRect;
    const HotSpot* myLink = nullptr;
};
