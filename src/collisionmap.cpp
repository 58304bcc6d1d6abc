#include "collisionmap.h"

#include "assertion.h"

namespace
{
constexpr DWORD ourBlocked = 0xFF000000;
}

void CollisionMap::Init(int aScale, const char* aPath, HGE* aHGE)
{
    myInitiated = true;
    myScale = aScale;
    myHGE = aHGE;
    myCollisionTexture = myHGE->Texture_Load(aPath);
    MARROWEN_ASSERT(myCollisionTexture && "Can't load the sheet!", "collisionmap");
    myWidth = myHGE->Texture_GetWidth(myCollisionTexture, false);
    mySize.x = static_cast<float>(myWidth);
    mySize.y = static_cast<float>(myHGE->Texture_GetHeight(myCollisionTexture, false));
}

int CollisionMap::CellIndex(const Vector2<float>& aPosition) const
{
    MARROWEN_ASSERT(myInitiated && "Tried to use an uninitiated CollisionMap.", "collisionmap");
    const int cx = static_cast<int>(aPosition.x / static_cast<float>(myScale));
    const int cy = static_cast<int>(aPosition.y / static_cast<float>(myScale));
    return cy * myWidth + cx;
}

bool CollisionMap::IsFree(const Vector2<float>& aPosition) const
{
    MARROWEN_ASSERT(myInitiated && "Tried to use an uninitiated CollisionMap.", "collisionmap");
    return IsInside(aPosition) && PixelAt(aPosition) != ourBlocked;
}

geometry::Ground CollisionMap::GroundAt(const Vector2<float>& aPosition) const
{
    MARROWEN_ASSERT(myInitiated && "Tried to use an uninitiated CollisionMap.", "collisionmap");
    return IsInside(aPosition) ? geometry::GroundOfColour(PixelAt(aPosition))
                               : geometry::Ground::Grass;
}

DWORD CollisionMap::PixelAt(const Vector2<float>& aPosition) const
{
    const DWORD* pixels = myHGE->Texture_Lock(myCollisionTexture, true);
    MARROWEN_ASSERT(pixels && "Can't read the collision bitmap.", "collisionmap");
    const DWORD pixel = pixels[CellIndex(aPosition)];
    myHGE->Texture_Unlock(myCollisionTexture);
    return pixel;
}

bool CollisionMap::IsInside(const Vector2<float>& aPosition) const
{
    // Written so that NaN positions count as outside too.
    const float scale = static_cast<float>(myScale);
    return aPosition.x >= 0 && aPosition.x < mySize.x * scale && aPosition.y >= 0 &&
           aPosition.y < mySize.y * scale;
}
