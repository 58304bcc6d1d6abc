#pragma once
// What a gamepad hands the game, which reads keys and a mouse: each button held is its own key
// (padkeys.h; what it does is the game's binding), the left stick holds the D-pad's keys, the
// right stick moves the cursor and the right shoulder is the left mouse button. Apart from SDL,
// so made-up pad states can test it.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

#include "inputsource.h"
#include "padkeys.h"

namespace platform
{
// In the order of SDL's game controller axes (checked where SDL's are translated).
enum class PadAxis
{
    LeftX,
    LeftY,
    RightX,
    RightY,
    LeftTrigger,
    RightTrigger,
    Count
};

// One pad as its events left it. Stick axes run from -32768 to 32767, y pointing down.
class PadState
{
public:
    void SetButton(PadButton aButton, bool aDown) { myButtons[Index(aButton)] = aDown; }
    void SetAxis(PadAxis aAxis, int16_t aValue) { myAxes[Index(aAxis)] = aValue; }
    bool Button(PadButton aButton) const { return myButtons[Index(aButton)]; }
    int16_t Axis(PadAxis aAxis) const { return myAxes[Index(aAxis)]; }

private:
    template <typename Enum>
    static size_t Index(Enum aValue)
    {
        return static_cast<size_t>(aValue);
    }

    std::array<bool, static_cast<size_t>(PadButton::Count)> myButtons{};
    std::array<int16_t, static_cast<size_t>(PadAxis::Count)> myAxes{};
};

// Turns fractional motion into whole pixels without losing the fractions: what is left over
// is carried into the next motion, so many small moves add up to the same as one big one.
class SubPixelMotion
{
public:
    // The whole pixels of the motion so far, in aX and aY; the fractions stay for later.
    void Take(double aX, double aY, int& aWholeX, int& aWholeY);
    // Forgets the carried fractions.
    void Reset() { myRestX = myRestY = 0.0; }

private:
    double myRestX = 0.0;
    double myRestY = 0.0;
};

// What the pads ask of the game for a stretch of time.
struct PadIntent
{
    std::bitset<256> myKeys;  // game scan codes held
    double myMotionX = 0.0;   // cursor motion in picture pixels
    double myMotionY = 0.0;
    bool myLeftButton = false;

    // Both pads' wishes at once: keys and buttons held by either, motion added up.
    PadIntent& operator|=(const PadIntent& aOther);
};

// The intent of aState held for aSeconds.
PadIntent MapPad(const PadState& aState, double aSeconds);

// Hands intents to the input source as presses, releases and motion, the way the keyboard and
// the mouse do; what no intent holds any more is released.
class PadFeeder
{
public:
    void Feed(const PadIntent& aIntent, InputSource& aInput);

private:
    std::bitset<256> myKeys;
    bool myLeftButton = false;
    SubPixelMotion myMotion;
};
}  // namespace platform
