#pragma once
// The gamepads plugged in, through SDL's game controller layer (which names every known pad's
// buttons the same way). Pads come and go while the game runs; what they hold reaches the game
// as keys, mouse motion and the left button.
#include <map>

#include "padmapping.h"
#include "sdlhandles.h"

namespace platform
{
class Gamepads
{
public:
    // Starts SDL's game controller layer; the pads already plugged in arrive as added events.
    Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;
    ~Gamepads() = default;

    // Takes a pad's event (added, removed, stick, button): true when it was one.
    bool HandleEvent(const SDL_Event& aEvent);
    // Hands what the pads hold to aInput, for the aSeconds since the previous call.
    void Feed(InputSource& aInput, double aSeconds);
    int Count() const { return static_cast<int>(myPads.size()); }

private:
    struct Pad
    {
        GameControllerHandle myHandle;
        PadState myState;
    };

    void Add(int aDeviceIndex);

    // Declared first: the layer outlives the pads opened on it.
    SdlSubsystem myLayer;
    std::map<SDL_JoystickID, Pad> myPads;
    PadFeeder myFeeder;
};

// Applies a stick or button event to aState; false for any other event.
bool ApplyPadEvent(const SDL_Event& aEvent, PadState& aState);
}  // namespace platform
