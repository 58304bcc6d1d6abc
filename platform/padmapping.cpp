#include "padmapping.h"

#include <SDL2/SDL_scancode.h>

#include <algorithm>
#include <cmath>

#include "keymap.h"

namespace platform
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
constexpr double kAxisRange = 32767.0;
// Worn sticks rest a little off centre; walking needs a clear push, aiming less of one.
constexpr double kWalkDeadZone = 0.35;
constexpr double kCursorDeadZone = 0.2;
// Picture pixels per second at full tilt: across the screen in about a second and a half.
constexpr double kCursorSpeed = 700.0;
constexpr int kLeftButton = 0;

struct ButtonKey
{
    PadButton myButton;
    SDL_Scancode myKey;
};

constexpr ButtonKey kButtonKeys[] = {
    {PadButton::A, SDL_SCANCODE_RETURN},
    {PadButton::B, SDL_SCANCODE_ESCAPE},
    {PadButton::Start, SDL_SCANCODE_ESCAPE},
    {PadButton::X, SDL_SCANCODE_I},
    {PadButton::Y, SDL_SCANCODE_N},
    {PadButton::DpadUp, SDL_SCANCODE_W},
    {PadButton::DpadDown, SDL_SCANCODE_S},
    {PadButton::DpadLeft, SDL_SCANCODE_A},
    {PadButton::DpadRight, SDL_SCANCODE_D},
    {PadButton::Back, SDL_SCANCODE_C},
    {PadButton::LeftShoulder, SDL_SCANCODE_L},
};

// The eight walking directions, counter-clockwise from right as the stick's angle runs (y
// down): right, down-right, down, down-left, left, up-left, up, up-right.
constexpr SDL_Scancode kSectorKeys[8][2] = {
    {SDL_SCANCODE_D, SDL_SCANCODE_UNKNOWN}, {SDL_SCANCODE_D, SDL_SCANCODE_S},
    {SDL_SCANCODE_S, SDL_SCANCODE_UNKNOWN}, {SDL_SCANCODE_S, SDL_SCANCODE_A},
    {SDL_SCANCODE_A, SDL_SCANCODE_UNKNOWN}, {SDL_SCANCODE_A, SDL_SCANCODE_W},
    {SDL_SCANCODE_W, SDL_SCANCODE_UNKNOWN}, {SDL_SCANCODE_W, SDL_SCANCODE_D},
};

struct Stick
{
    double x = 0.0;  // -1 .. 1
    double y = 0.0;
    double length = 0.0;  // distance from the centre; past 1 towards the corners of some pads
    double tilt = 0.0;    // the same, at most 1
};

Stick ReadStick(const PadState& aState, PadAxis aX, PadAxis aY)
{
    Stick stick;
    stick.x = std::max(-1.0, aState.Axis(aX) / kAxisRange);
    stick.y = std::max(-1.0, aState.Axis(aY) / kAxisRange);
    stick.length = std::hypot(stick.x, stick.y);
    stick.tilt = std::min(1.0, stick.length);
    return stick;
}

void Hold(PadIntent& aIntent, SDL_Scancode aKey)
{
    if (aKey != SDL_SCANCODE_UNKNOWN)
    {
        aIntent.myKeys.set(GameScanCode(aKey));
    }
}

void Walk(const PadState& aState, PadIntent& aIntent)
{
    const Stick stick = ReadStick(aState, PadAxis::LeftX, PadAxis::LeftY);
    if (stick.tilt < kWalkDeadZone)
    {
        return;
    }
    // Eight sectors of 45 degrees, each centred on its direction.
    const double angle = std::atan2(stick.y, stick.x);
    const int sector = static_cast<int>(std::lround(angle / (kPi / 4.0)) + 8) % 8;
    for (const SDL_Scancode key : kSectorKeys[sector])
    {
        Hold(aIntent, key);
    }
}

void Aim(const PadState& aState, double aSeconds, PadIntent& aIntent)
{
    const Stick stick = ReadStick(aState, PadAxis::RightX, PadAxis::RightY);
    if (stick.tilt < kCursorDeadZone)
    {
        return;
    }
    // Speed grows with the square of the push past the dead zone: slow near the centre for
    // aiming at small buttons, fast at the rim for crossing the screen.
    const double push = (stick.tilt - kCursorDeadZone) / (1.0 - kCursorDeadZone);
    const double distance = kCursorSpeed * push * push * aSeconds;
    aIntent.myMotionX = stick.x / stick.length * distance;
    aIntent.myMotionY = stick.y / stick.length * distance;
}
}  // namespace

void SubPixelMotion::Take(double aX, double aY, int& aWholeX, int& aWholeY)
{
    myRestX += aX;
    myRestY += aY;
    // Towards zero, so motion one way and back cancels exactly.
    const double wholeX = std::trunc(myRestX);
    const double wholeY = std::trunc(myRestY);
    myRestX -= wholeX;
    myRestY -= wholeY;
    aWholeX = static_cast<int>(wholeX);
    aWholeY = static_cast<int>(wholeY);
}

PadIntent& PadIntent::operator|=(const PadIntent& aOther)
{
    myKeys |= aOther.myKeys;
    myMotionX += aOther.myMotionX;
    myMotionY += aOther.myMotionY;
    myLeftButton = myLeftButton || aOther.myLeftButton;
    return *this;
}

PadIntent MapPad(const PadState& aState, double aSeconds)
{
    PadIntent intent;
    for (const ButtonKey& pair : kButtonKeys)
    {
        if (aState.Button(pair.myButton))
        {
            Hold(intent, pair.myKey);
        }
    }
    Walk(aState, intent);
    Aim(aState, aSeconds, intent);
    intent.myLeftButton = aState.Button(PadButton::RightShoulder);
    return intent;
}

void PadFeeder::Feed(const PadIntent& aIntent, InputSource& aInput)
{
    for (size_t code = 1; code < myKeys.size(); ++code)
    {
        if (aIntent.myKeys[code] && !myKeys[code])
        {
            aInput.SetKey(static_cast<uint8_t>(code), true);
        }
        else if (!aIntent.myKeys[code] && myKeys[code])
        {
            aInput.ReleaseKeyAfterRead(static_cast<uint8_t>(code));
        }
    }
    myKeys = aIntent.myKeys;
    if (aIntent.myLeftButton != myLeftButton)
    {
        if (aIntent.myLeftButton)
        {
            aInput.SetButton(kLeftButton, true);
        }
        else
        {
            aInput.ReleaseButtonAfterRead(kLeftButton);
        }
        myLeftButton = aIntent.myLeftButton;
    }
    int x = 0;
    int y = 0;
    myMotion.Take(aIntent.myMotionX, aIntent.myMotionY, x, y);
    if (x != 0 || y != 0)
    {
        aInput.AddMotion(x, y);
    }
}
}  // namespace platform
