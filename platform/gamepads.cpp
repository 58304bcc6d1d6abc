#include "gamepads.h"

namespace platform
{
namespace
{
// Our names must follow SDL's numbering, since events are translated by number.
static_assert(static_cast<int>(PadButton::A) == SDL_CONTROLLER_BUTTON_A);
static_assert(static_cast<int>(PadButton::Start) == SDL_CONTROLLER_BUTTON_START);
static_assert(static_cast<int>(PadButton::RightShoulder) == SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
static_assert(static_cast<int>(PadButton::DpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(static_cast<int>(PadButton::Count) == SDL_CONTROLLER_BUTTON_MISC1);
static_assert(static_cast<int>(PadAxis::RightY) == SDL_CONTROLLER_AXIS_RIGHTY);
static_assert(static_cast<int>(PadAxis::Count) == SDL_CONTROLLER_AXIS_MAX);
}  // namespace

bool ApplyPadEvent(const SDL_Event& aEvent, PadState& aState)
{
    switch (aEvent.type)
    {
        case SDL_CONTROLLERAXISMOTION:
            if (aEvent.caxis.axis < static_cast<int>(PadAxis::Count))
            {
                aState.SetAxis(static_cast<PadAxis>(aEvent.caxis.axis), aEvent.caxis.value);
            }
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            // Buttons past the classic set (paddles, touchpad) mean nothing to the game.
            if (aEvent.cbutton.button < static_cast<int>(PadButton::Count))
            {
                aState.SetButton(static_cast<PadButton>(aEvent.cbutton.button),
                                 aEvent.cbutton.state == SDL_PRESSED);
            }
            return true;
        default:
            return false;
    }
}

Gamepads::Gamepads() : myLayer(SDL_INIT_GAMECONTROLLER) {}

bool Gamepads::HandleEvent(const SDL_Event& aEvent)
{
    switch (aEvent.type)
    {
        case SDL_CONTROLLERDEVICEADDED:
            Add(aEvent.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            // What it held is let go at the next Feed.
            myPads.erase(aEvent.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMAPPED:
            return true;
        case SDL_CONTROLLERAXISMOTION:
        {
            auto pad = myPads.find(aEvent.caxis.which);
            return pad == myPads.end() || ApplyPadEvent(aEvent, pad->second.myState);
        }
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        {
            auto pad = myPads.find(aEvent.cbutton.which);
            return pad == myPads.end() || ApplyPadEvent(aEvent, pad->second.myState);
        }
        default:
            return false;
    }
}

void Gamepads::Add(int aDeviceIndex)
{
    if (!myLayer.Ok())
    {
        return;
    }
    GameControllerHandle handle(SDL_GameControllerOpen(aDeviceIndex));
    if (!handle)
    {
        // Gone again before we got to it, or not a pad SDL knows how to read.
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(handle.get()));
    // Opening a pad twice hands back the same one with one more reference; the map keeps one.
    myPads.emplace(id, Pad{std::move(handle), PadState{}});
}

void Gamepads::Feed(InputSource& aInput, double aSeconds)
{
    PadIntent intent;
    for (const auto& pad : myPads)
    {
        intent |= MapPad(pad.second.myState, aSeconds);
    }
    myFeeder.Feed(intent, aInput);
}
}  // namespace platform
