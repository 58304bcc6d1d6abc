#pragma once
// The prologue: seven pictures shown one after another, five seconds each unless the player
// skips one with E or Return. Its end lets the quit menu open.
#include <vector>

#include "hge.h"
#include "inputwrapper/inputwrapper.h"
#include "renderdata.h"
#include "staticsprite.h"

class Slideshow
{
public:
    Slideshow() = default;
    // The first picture on screen, the six others loaded and waiting.
    explicit Slideshow(HGE* aHGE);

    // A released E or Return skips the picture shown, at the next update.
    void HandleInput(InputWrapper& aInput);
    // Shows the next picture after five seconds or a skip; after the last one, finishes.
    void Update(float aElapsedMs);
    // The picture shown, until finished.
    void FillRenderBuffer(RenderData& aBuffer) const;

    bool IsRunning() const { return myRunning; }
    bool IsFinished() const { return myFinished; }
    // Ends it at once, as its last picture would (the game started straight into play).
    void Finish();

private:
    bool myRunning = true;
    bool myFinished = false;
    StaticSprite mySprite;
    std::vector<HTEXTURE> myTextures;
    float myElapsed = 0.0f;
    bool mySkipRequested = false;
    size_t myNext = 0;
};
