#include "padmapping.h"

#include <algorithm>
#include <cmath>

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

// The eight walking directions, counter-clockwise from right as the stick's angle runs (y
// down): right, down-right, down, down-left, left, up-left, up, up-right.
constexpr PadButton kNone = PadButton::Count;
constexpr PadButton kSectorButtons[8][2] = {
    {PadButton::DpadRight, kNone}, {PadButton::DpadRight, PadButton::DpadDown},
    {PadButton::DpadDown, kNone},  {PadButton::DpadDown, PadButton::DpadLeft},
    {PadButton::DpadLeft, kNone},  {PadButton::DpadLeft, PadButton::DpadUp},
    {PadButton::DpadUp, kNone},    {PadButton::DpadUp, PadButton::DpadRight},
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

void Hold(PadIntent& aIntent, PadButton aButton)
{
    if (aButton != kNone)
    {
        aIntent.myKeys.set(PadKey(aButton));
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
    for (const PadButton button : kSectorButtons[sector])
    {
        Hold(aIntent, button);
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
    for (int index = 0; index < static_cast<int>(PadButton::Count); ++index)
    {
        const auto button = static_cast<PadButton>(index);
        if (aState.Button(button) && button != PadButton::RightShoulder)
        {
            Hold(intent, button);
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
