#pragma once
// A textured quad: turns a position into four screen corners and hands them to the engine.
// Sprites that are copies of each other share one QuadSprite; its lock keeps a change made on
// the logic thread (colour, texture, rectangle) from tearing a draw on the render thread.
#include <mutex>

#include "hge.h"

class QuadSprite
{
public:
    // The rectangle aX, aY, aWidth, aHeight (pixels) of aTexture; texture 0 counts as 1 x 1.
    QuadSprite(HTEXTURE aTexture, float aX, float aY, float aWidth, float aHeight);
    ~QuadSprite();
    QuadSprite(const QuadSprite&) = delete;
    QuadSprite& operator=(const QuadSprite&) = delete;

    // Draws with the top-left at (aX, aY) less the hot spot; aVScale 0 means aHScale.
    void RenderEx(float aX, float aY, float aRotation, float aHScale, float aVScale = 0.0f);
    // Another texture showing the same pixel rectangle as before.
    void SetTexture(HTEXTURE aTexture);
    // Shows the pixel rectangle aX, aY, aWidth, aHeight; the quad takes its size only when
    // aAdjustSize is set.
    void SetTextureRect(float aX, float aY, float aWidth, float aHeight, bool aAdjustSize = true);
    // aCorner -1 means all four corners (0 top-left, clockwise).
    void SetColor(DWORD aColor, int aCorner = -1);
    // Mirrors the texture on either axis, and the hot spot with it when aFlipHotSpot is set.
    void SetFlip(bool aFlipX, bool aFlipY, bool aFlipHotSpot = false);
    void SetHotSpot(float aX, float aY);

    // A copy of the four corners, texture and blend mode, as the last draw computed them.
    hgeQuad GetQuad() const;
    HTEXTURE GetTexture() const;
    float GetWidth() const;
    float GetHeight() const;

private:
    void SetTextureRectLocked(float aX, float aY, float aWidth, float aHeight, bool aAdjustSize);
    void SetFlipLocked(bool aFlipX, bool aFlipY, bool aFlipHotSpot);
    void SwapCornersX();
    void SwapCornersY();
    void ReadTextureSize(HTEXTURE aTexture, float& aWidth, float& aHeight) const;

    hgeQuad myQuad;
    float myTextureX = 0.0f;
    float myTextureY = 0.0f;
    float myWidth = 0.0f;
    float myHeight = 0.0f;
    float myTextureWidth = 1.0f;
    float myTextureHeight = 1.0f;
    float myHotX = 0.0f;
    float myHotY = 0.0f;
    bool myFlipX = false;
    bool myFlipY = false;
    bool myFlipHotSpot = false;
    HGE* myHGE;
    mutable std::mutex myMutex;
};
