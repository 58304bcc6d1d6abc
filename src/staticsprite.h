#pragma once
// One picture file drawn as one quad with its top-left corner at the given screen position.
#include <string>

#include "sprite.h"

class StaticSprite : public Sprite
{
public:
    // No texture and no quad: for members that are assigned later.
    StaticSprite() = default;
    explicit StaticSprite(HGE* aHGE) : Sprite(aHGE) {}
    // Loads aPath; a picture that does not load ends the program naming the file.
    StaticSprite(HGE* aHGE, const std::string& aPath);
    StaticSprite(const StaticSprite&) = default;
    StaticSprite& operator=(const StaticSprite&) = default;
    ~StaticSprite() override = default;

    void Init() override {}
    void Render(float aElapsedMs) override;
    // Render thread: draws the whole picture with its top-left at aPosition, if visible.
    void DrawAt(const Vector2<float>& aPosition) const;
    // The quad shows aTexture, keeping the same pixel rectangle.
    void SetTexture(HTEXTURE aTexture);
    // Shows only the aWidth x aHeight rectangle of the picture whose top-left is (aX, aY), at
    // that size. Copies made before share the change.
    void ShowPart(float aX, float aY, float aWidth, float aHeight);
};
