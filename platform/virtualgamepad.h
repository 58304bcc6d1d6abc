#pragma once
// A gamepad that SDL makes up, with no hardware behind it: plugged in, pulled out, its buttons
// pressed and its sticks tilted by code, through SDL's whole game controller layer. It lets
// the pad code path be tried on machines without a pad (the tests); the game never makes one.
#include "gamepads.h"

namespace platform
{
class VirtualGamepad
{
public:
    // Plugs it in (SDL's game controller layer must be running: a Gamepads object).
    VirtualGamepad();
    // Pulls it out.
    ~VirtualGamepad();
    VirtualGamepad(const VirtualGamepad&) = delete;
    VirtualGamepad& operator=(const VirtualGamepad&) = delete;

    // False, with SDL's reason in LastError(), when SDL could not make it.
    bool Plugged() const { return myJoystick != nullptr; }
    void Press(PadButton aButton, bool aDown);
    void Tilt(PadAxis aAxis, int16_t aValue);

    // Hands SDL's waiting events to aPads, as the window's event pump does.
    static void Deliver(Gamepads& aPads);

private:
    int myIndex = -1;
    SDL_Joystick* myJoystick = nullptr;
};
}  // namespace platform
