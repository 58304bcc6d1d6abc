#pragma once
// Where the heroine may walk in a scene: a small bitmap, one collision pixel per square of
// scale x scale world pixels, opaque black = blocked; elsewhere the colour says what the ground
// is made of (grounds.h). A small value: copies share the texture.
#include "grounds.h"
#include "hge.h"
#include "vector2.h"

class CollisionMap
{
public:
    // Loads the bitmap; a file that does not load ends the program.
    void Init(int aScale, const char* aPath, HGE* aHGE);

    // Row-major index of the collision pixel under a world position (inside the bitmap).
    int CellIndex(const Vector2<float>& aPosition) const;
    // False on opaque black (0xFF000000) and anywhere outside the bitmap; true otherwise.
    bool IsFree(const Vector2<float>& aPosition) const;
    // Whether a world position lies on the bitmap at all (NaN does not).
    bool IsInside(const Vector2<float>& aPosition) const;
    // What the ground at a world position is made of; grass outside the bitmap.
    geometry::Ground GroundAt(const Vector2<float>& aPosition) const;

    // Bitmap size in collision pixels.
    const Vector2<float>& GetSize() const { return mySize; }

private:
    // The collision pixel under a world position inside the bitmap.
    DWORD PixelAt(const Vector2<float>& aPosition) const;

    Vector2<float> mySize;
    bool myInitiated = false;
    int myScale = 0;
    int myWidth = 0;
    HTEXTURE myCollisionTexture = 0;
    HGE* myHGE = nullptr;
};
