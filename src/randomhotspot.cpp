#include "randomhotspot.h"

RandomHotSpot::RandomHotSpot(const Vector2<float>& aPosition, float aWidth, float aHeight,
                             std::string aName)
    : myRect(aPosition, aWidth, aHeight, std::move(aName))
{
}
