#include "virtualgamepad.h"

#include "fatal.h"

namespace platform
{
VirtualGamepad::VirtualGamepad()
{
    myIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                        SDL_CONTROLLER_BUTTON_MAX, 0);
    myJoystick = myIndex >= 0 ? SDL_JoystickOpen(myIndex) : nullptr;
    if (myJoystick == nullptr)
    {
        SetLastError("no virtual gamepad: %s", SDL_GetError());
    }
}

VirtualGamepad::~VirtualGamepad()
{
    if (myJoystick != nullptr)
    {
        SDL_JoystickClose(myJoystick);
    }
    if (myIndex >= 0)
    {
        SDL_JoystickDetachVirtual(myIndex);
    }
}

void VirtualGamepad::Press(PadButton aButton, bool aDown)
{
    SDL_JoystickSetVirtualButton(myJoystick, static_cast<int>(aButton), aDown ? 1 : 0);
}

void VirtualGamepad::Tilt(PadAxis aAxis, int16_t aValue)
{
    SDL_JoystickSetVirtualAxis(myJoystick, static_cast<int>(aAxis), aValue);
}

void VirtualGamepad::Deliver(Gamepads& aPads)
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        aPads.HandleEvent(event);
    }
}
}  // namespace platform
