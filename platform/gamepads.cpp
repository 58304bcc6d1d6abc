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

std::optional<PadEvent> TranslatePadEvent(const SDL_Event& aEvent)
{
    using Kind = PadEvent::Kind;
    switch (aEvent.type)
    {
        case SDL_CONTROLLERDEVICEADDED:
            return PadEvent{Kind::Added, aEvent.cdevice.which, 0, 0};
        case SDL_CONTROLLERDEVICEREMOVED:
            return PadEvent{Kind::Removed, aEvent.cdevice.which, 0, 0};
        case SDL_CONTROLLERAXISMOTION:
            return PadEvent{Kind::Axis, aEvent.caxis.which, aEvent.caxis.axis, aEvent.caxis.value};
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            return PadEvent{Kind::Button, aEvent.cbutton.which, aEvent.cbutton.button,
                            aEvent.cbutton.state == SDL_PRESSED ? 1 : 0};
        default:
            return std::nullopt;
    }
}

void ApplyPadEvent(const PadEvent& aEvent, PadState& aState)
{
    // Controls past the classic set (paddles, touchpad) mean nothing to the game.
    if (aEvent.myKind == PadEvent::Kind::Axis && aEvent.myControl >= 0 &&
        aEvent.myControl < static_cast<int>(PadAxis::Count))
    {
        aState.SetAxis(static_cast<PadAxis>(aEvent.myControl),
                       static_cast<int16_t>(aEvent.myValue));
    }
    else if (aEvent.myKind == PadEvent::Kind::Button && aEvent.myControl >= 0 &&
             aEvent.myControl < static_cast<int>(PadButton::Count))
    {
        aState.SetButton(static_cast<PadButton>(aEvent.myControl), aEvent.myValue != 0);
    }
}

Gamepads::Gamepads() : myLayer(SDL_INIT_GAMECONTROLLER) {}

bool Gamepads::HandleEvent(const SDL_Event& aEvent)
{
    const std::optional<PadEvent> event = TranslatePadEvent(aEvent);
    if (event)
    {
        Handle(*event);
    }
    // A remapped pad keeps its buttons' meaning; nothing to do but keep the event from others.
    return event || aEvent.type == SDL_CONTROLLERDEVICEREMAPPED;
}

void Gamepads::Handle(const PadEvent& aEvent)
{
    switch (aEvent.myKind)
    {
        case PadEvent::Kind::Added:
            Add(aEvent.myWhich);
            break;
        case PadEvent::Kind::Removed:
            // What it held is let go at the next Feed.
            myPads.erase(aEvent.myWhich);
            break;
        default:
        {
            const auto pad = myPads.find(aEvent.myWhich);
            if (pad != myPads.end())
            {
                ApplyPadEvent(aEvent, pad->second.myState);
            }
            break;
        }
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
