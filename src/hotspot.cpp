#include "hotspot.h"

#include "assertion.h"
#include "feetpoint.h"

HotSpot::HotSpot(const Vector2<float>& aPosition, float aWidth, float aHeight, std::string aName)
    : myRect(aPosition, aWidth, aHeight, std::move(aName))
{
}

bool HotSpot::Contains(Vector2<float>& aPoint) const
{
    if (!myRect.Encloses(aPoint))
    {
        return false;
    }
    MARROWEN_ASSERT(myLink && "A transfer zone was entered before it was linked.", "hotspot");
    const ZoneRect& partner = myLink->GetRect();
    const bool upperHalf = aPoint.y <= myRect.top + myRect.height / 2;
    const float arrivalY =
        upperHalf ? partner.bottom + partner.height / 2 : partner.top - partner.height / 2;
    aPoint = PositionForFeetAt(Vector2<float>(partner.left + partner.width / 2, arrivalY));
    return true;
}
