#pragma once
// The end-of-game picture: shown once the time machine has made the trip home, and from then on
// for good. Return dismisses it, which ends the game.
#include "hge.h"
#include "inputwrapper/inputwrapper.h"
#include "renderdata.h"
#include "staticsprite.h"

class Billboard
{
public:
    Billboard() = default;
    explicit Billboard(HGE* aHGE);

    // Makes the picture visible (aElapsedMs is not used).
    void Show(float aElapsedMs);
    // A released Return or Escape dismisses the picture; the game then ends.
    void HandleInput(InputWrapper& aInput);
    void FillRenderBuffer(RenderData& aBuffer) const;

    bool IsShown() const { return myShown; }
    bool IsDismissed() const { return myDismissed; }

private:
    bool myDismissed = false;
    StaticSprite mySprite;
    bool myShown = false;
};
