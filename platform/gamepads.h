#pragma once
// The gamepads plugged in, through SDL's game controller layer (which names every known pad's
// buttons the same way). Pads come and go while the game runs; what they hold reaches the game
// as keys, mouse motion and the left button.
#include <map>
#include <optional>

#include "padmapping.h"
#include "sdlhandles.h"

namespace platform
{
// A pad's event as SDL's game controller layer reports it, in our own terms.
struct PadEvent
{
    enum class Kind
    {
        Added,
        Removed,
        Axis,
        Button,
    };
    Kind myKind = Kind::Added;
    int myWhich = 0;    // Added: the device's index; the others: the pad's instance id
    int myControl = 0;  // the axis or the button, numbered as PadAxis and PadButton
    int myValue = 0;    // the axis's value; for a button 1 down, 0 up
};

// The pad event in an SDL event, if it is one.
std::optional<PadEvent> TranslatePadEvent(const SDL_Event& aEvent);

// Applies a stick or button event to aState (unknown axes and buttons change nothing).
void ApplyPadEvent(const PadEvent& aEvent, PadState& aState);

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
    void Handle(const PadEvent& aEvent);
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
}  // namespace platform
