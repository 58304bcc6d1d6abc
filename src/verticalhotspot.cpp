#include "verticalhotspot.h"

#include "assertion.h"
#include "feetpoint.h"

VerticalHotSpot::VerticalHotSpot(const Vector2<float>& aPosition, float aWidth, float aHeight,
                                 std::string aName)
    : myRect(aPosition, aWidth, aHeight, std::move(aName))
{
}

bool VerticalHotSpot::Contains(Vector2<float>& aPoint) const
{
    if (!myRect.Encloses(aPoint))
    {
        return false;
    }
    MARROWEN_ASSERT(myLink && "A transfer zone was entered before it was linked.",
                    "verticalhotspot");
    const ZoneRect& partner = myLink->GetRect();
    const bool leftHalf = aPoint.x <= myRect.left + myRect.width / 2;
    const float arrivalX =
        leftHalf ? partner.right + partner.width / 2 : partner.left - partner.width / 2;
    aPoint = PositionForFeetAt(Vector2<float>(arrivalX, partner.top + partner.height / 2));
    return true;
}
