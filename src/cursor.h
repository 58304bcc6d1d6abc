#pragma once
// The game's own mouse pointer, drawn only while the inventory is open or the game is paused.
#include "hge.h"
#include "renderdata.h"
#include "staticsprite.h"

class Cursor
{
public:
    // Loads the pointer picture.
    void Init(HGE* aHGE);
    // Top-left of the picture, in screen pixels.
    void SetPosition(const Vector2<int>& aPosition);
    // Submits the pointer when aShow is true or the quit menu has paused the game.
    void Render(RenderData& aBuffer, bool aShow) const;

    const Vector2<float>& GetPosition() const { return myPosition; }

private:
    Vector2<float> myPosition;
    StaticSprite mySprite;
};
