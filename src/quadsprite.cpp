#include "quadsprite.h"

#include <cmath>
#include <utility>

namespace
{
constexpr DWORD kWhite = 0xFFFFFFFF;
constexpr float kDefaultZ = 0.5f;
}  // namespace

QuadSprite::QuadSprite(HTEXTURE aTexture, float aX, float aY, float aWidth, float aHeight)
    : myTextureX(aX),
      myTextureY(aY),
      myWidth(aWidth),
      myHeight(aHeight),
      myHGE(hgeCreate(HGE_VERSION))
{
    ReadTextureSize(aTexture, myTextureWidth, myTextureHeight);
    myQuad.tex = aTexture;
    myQuad.blend = BLEND_DEFAULT;
    for (hgeVertex& corner : myQuad.v)
    {
        corner = hgeVertex{0.0f, 0.0f, kDefaultZ, kWhite, 0.0f, 0.0f};
    }
    SetTextureRectLocked(aX, aY, aWidth, aHeight, true);
}

QuadSprite::~QuadSprite()
{
    myHGE->Release();
}

void QuadSprite::ReadTextureSize(HTEXTURE aTexture, float& aWidth, float& aHeight) const
{
    if (aTexture == 0)
    {
        aWidth = 1.0f;
        aHeight = 1.0f;
        return;
    }
    aWidth = static_cast<float>(myHGE->Texture_GetWidth(aTexture, false));
    aHeight = static_cast<float>(myHGE->Texture_GetHeight(aTexture, false));
}

void QuadSprite::RenderEx(float aX, float aY, float aRotation, float aHScale, float aVScale)
{
    if (aVScale == 0.0f)
    {
        aVScale = aHScale;
    }
    std::lock_guard<std::mutex> lock(myMutex);
    const float left = -myHotX * aHScale;
    const float top = -myHotY * aVScale;
    const float right = (myWidth - myHotX) * aHScale;
    const float bottom = (myHeight - myHotY) * aVScale;
    const float offsets[4][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    const float cosine = aRotation != 0.0f ? std::cos(aRotation) : 1.0f;
    const float sine = aRotation != 0.0f ? std::sin(aRotation) : 0.0f;
    for (int i = 0; i < 4; ++i)
    {
        const float ox = offsets[i][0];
        const float oy = offsets[i][1];
        if (aRotation != 0.0f)
        {
            myQuad.v[i].x = aX + ox * cosine - oy * sine;
            myQuad.v[i].y = aY + ox * sine + oy * cosine;
        }
        else
        {
            myQuad.v[i].x = aX + ox;
            myQuad.v[i].y = aY + oy;
        }
    }
    myHGE->Gfx_RenderQuad(&myQuad);
}

void QuadSprite::SetTexture(HTEXTURE aTexture)
{
    float width = 1.0f;
    float height = 1.0f;
    ReadTextureSize(aTexture, width, height);
    std::lock_guard<std::mutex> lock(myMutex);
    myQuad.tex = aTexture;
    if (width != myTextureWidth || height != myTextureHeight)
    {
        // Keep showing the same pixel rectangle, not the same fraction of the texture.
        for (hgeVertex& corner : myQuad.v)
        {
            corner.tx *= myTextureWidth / width;
            corner.ty *= myTextureHeight / height;
        }
        myTextureWidth = width;
        myTextureHeight = height;
    }
}

void QuadSprite::SetTextureRect(float aX, float aY, float aWidth, float aHeight, bool aAdjustSize)
{
    std::lock_guard<std::mutex> lock(myMutex);
    SetTextureRectLocked(aX, aY, aWidth, aHeight, aAdjustSize);
}

void QuadSprite::SetTextureRectLocked(float aX, float aY, float aWidth, float aHeight,
                                      bool aAdjustSize)
{
    myTextureX = aX;
    myTextureY = aY;
    if (aAdjustSize)
    {
        myWidth = aWidth;
        myHeight = aHeight;
    }
    const float left = aX / myTextureWidth;
    const float top = aY / myTextureHeight;
    const float right = (aX + aWidth) / myTextureWidth;
    const float bottom = (aY + aHeight) / myTextureHeight;
    myQuad.v[0].tx = left;
    myQuad.v[0].ty = top;
    myQuad.v[1].tx = right;
    myQuad.v[1].ty = top;
    myQuad.v[2].tx = right;
    myQuad.v[2].ty = bottom;
    myQuad.v[3].tx = left;
    myQuad.v[3].ty = bottom;

    // The coordinates above are unflipped: apply the current flips anew (the hot spot is
    // already mirrored for them).
    if (myFlipX)
    {
        SwapCornersX();
    }
    if (myFlipY)
    {
        SwapCornersY();
    }
}

void QuadSprite::SwapCornersX()
{
    std::swap(myQuad.v[0].tx, myQuad.v[1].tx);
    std::swap(myQuad.v[3].tx, myQuad.v[2].tx);
}

void QuadSprite::SwapCornersY()
{
    std::swap(myQuad.v[0].ty, myQuad.v[3].ty);
    std::swap(myQuad.v[1].ty, myQuad.v[2].ty);
}

void QuadSprite::SetColor(DWORD aColor, int aCorner)
{
    std::lock_guard<std::mutex> lock(myMutex);
    for (int i = 0; i < 4; ++i)
    {
        if (aCorner == -1 || aCorner == i)
        {
            myQuad.v[i].col = aColor;
        }
    }
}

void QuadSprite::SetFlip(bool aFlipX, bool aFlipY, bool aFlipHotSpot)
{
    std::lock_guard<std::mutex> lock(myMutex);
    SetFlipLocked(aFlipX, aFlipY, aFlipHotSpot);
}

void QuadSprite::SetFlipLocked(bool aFlipX, bool aFlipY, bool aFlipHotSpot)
{
    // Undo the hot spot mirroring of the current flips, then mirror for the new ones.
    if (myFlipHotSpot && myFlipX)
    {
        myHotX = myWidth - myHotX;
    }
    if (myFlipHotSpot && myFlipY)
    {
        myHotY = myHeight - myHotY;
    }
    myFlipHotSpot = aFlipHotSpot;
    if (myFlipHotSpot && aFlipX)
    {
        myHotX = myWidth - myHotX;
    }
    if (myFlipHotSpot && aFlipY)
    {
        myHotY = myHeight - myHotY;
    }
    if (aFlipX != myFlipX)
    {
        SwapCornersX();
        myFlipX = aFlipX;
    }
    if (aFlipY != myFlipY)
    {
        SwapCornersY();
        myFlipY = aFlipY;
    }
}

void QuadSprite::SetHotSpot(float aX, float aY)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myHotX = aX;
    myHotY = aY;
}

hgeQuad QuadSprite::GetQuad() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myQuad;
}

HTEXTURE QuadSprite::GetTexture() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myQuad.tex;
}

float QuadSprite::GetWidth() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myWidth;
}

float QuadSprite::GetHeight() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myHeight;
}
