#pragma once
// The title picture, and the prologue it leads to: Return on the title starts the slideshow,
// and when the slideshow has finished the game has started.
#include "hge.h"
#include "inputwrapper/inputwrapper.h"
#include "renderdata.h"
#include "slideshow.h"
#include "staticsprite.h"

class StartScreen
{
public:
    StartScreen() = default;
    explicit StartScreen(HGE* aHGE);

    // On the title a released Return starts the prologue (that same Return does not skip its
    // first picture); during the prologue the slideshow takes the input.
    void HandleInput(InputWrapper& aInput);
    // Advances the prologue; the game has started once it has finished.
    void Update(float aElapsedMs);
    // The title picture, or the prologue's picture, or nothing once started.
    void FillRenderBuffer(RenderData& aBuffer) const;

    bool IsStarted() const { return myStarted; }
    bool IsSlideshowRunning() const { return mySlideshowRunning; }
    // Straight into play: the prologue counts as seen.
    void SkipToPlay();

private:
    bool myStarted = false;
    StaticSprite myTitle;
    Slideshow mySlideshow;
    bool mySlideshowRunning = false;
};
