#pragma once
// The full-screen fade that covers a change of scene: closed at once, then opened one step per
// logic frame.
#include "color.h"
#include "hge.h"
#include "renderdata.h"
#include "staticsprite.h"

class Curtain
{
public:
    // Loads the curtain picture, fully opaque, so the first scene fades in too.
    void Init(HGE* aHGE);
    // Loads it fully transparent: a scene's own curtain, closed only to cover a jump.
    void InitOpen(HGE* aHGE);

    // One step towards opaque; inactive again once fully opaque.
    void Close();
    // One step towards transparent; inactive again once fully transparent.
    void Open();
    void Render(RenderData& aBuffer) const;

    // True while a fade is in progress.
    bool IsActive() const { return myActive; }
    int GetAlpha() const { return myColor.alpha; }

    // How far the fade has got: what a saved game keeps.
    struct State
    {
        int alpha = 255;
        bool active = false;
    };
    State GetState() const { return State{myColor.alpha, myActive}; }
    void SetState(const State& aState);

private:
    bool myActive = false;
    StaticSprite mySprite;
    Vector2<float> myPosition;
    Color myColor;
};
