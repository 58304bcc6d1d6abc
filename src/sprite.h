#pragma once
// The base of every picture on screen. A sprite shares its texture and its quad with its
// copies and frees neither: the engine releases textures when it shuts down.
#include <atomic>
#include <memory>

#include "color.h"
#include "hge.h"
#include "vector2.h"

class QuadSprite;

class Sprite
{
public:
    Sprite() = default;
    explicit Sprite(HGE* aHGE) : myHGE(aHGE) {}
    Sprite(const Sprite& aOther);
    Sprite& operator=(const Sprite& aOther);
    virtual ~Sprite() = default;

    // Builds what the sprite needs once its pictures are known.
    virtual void Init() = 0;
    // Draws at the sprite's own position, unrotated and at its own size.
    virtual void Render(float aElapsedMs) = 0;

    void SetPosition(float aX, float aY) { myPosition = Vector2<float>(aX, aY); }
    void SetPosition(const Vector2<float>& aPosition) { myPosition = aPosition; }
    Vector2<float> GetPosition() const { return myPosition; }
    float GetWidth() const { return myWidth; }
    float GetHeight() const { return myHeight; }
    // A hidden sprite draws nothing.
    void SetVisible(bool aVisible) { myVisible.store(aVisible, std::memory_order_relaxed); }
    bool IsVisible() const { return myVisible.load(std::memory_order_relaxed); }
    // All four corners of the (shared) quad take the colour.
    void SetColor(const Color& aColor);
    HTEXTURE GetTexture() const { return myTexture; }
    // The quad this sprite draws through (null before it is built).
    const QuadSprite* GetQuad() const { return myQuad.get(); }

protected:
    HGE* myHGE = nullptr;
    HTEXTURE myTexture = 0;
    std::shared_ptr<QuadSprite> myQuad;
    Vector2<float> myPosition;
    float myWidth = 0.0f;
    float myHeight = 0.0f;
    std::atomic<bool> myVisible{true};
};
