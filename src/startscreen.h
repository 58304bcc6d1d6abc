#pragma once
// The title picture, and the prologue it leads to: Return on the title starts the slideshow,
// and when the slideshow has finished the game has started. When there is a saved game, the
// title also offers to continue it with C.
#include "font.h"
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
    // first picture), and a released C asks to continue when that is offered; during the
    // prologue the slideshow takes the input.
    void HandleInput(InputWrapper& aInput);
    // Advances the prologue; the game has started once it has finished.
    void Update(float aElapsedMs);
    // The title picture, or the prologue's picture, or nothing once started.
    void FillRenderBuffer(RenderData& aBuffer) const;

    bool IsStarted() const { return myStarted; }
    bool IsSlideshowRunning() const { return mySlideshowRunning; }
    // Straight into play: the prologue counts as seen.
    void SkipToPlay();

    // The title shows "C: continue" and listens for C.
    void OfferContinue() { myContinueOffered = true; }
    bool IsContinueOffered() const { return myContinueOffered; }
    // C was released on the title while continuing was offered.
    bool IsContinueRequested() const { return myContinueRequested; }

private:
    bool myStarted = false;
    StaticSprite myTitle;
    Slideshow mySlideshow;
    bool mySlideshowRunning = false;
    Font myContinueLine;
    bool myContinueOffered = false;
    bool myContinueRequested = false;
};
