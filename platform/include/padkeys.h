#pragma once
// A gamepad's buttons reach the game as keys of their own, numbered after the keyboard's scan
// codes, so the game binds them to what they do just as it binds keys. The left stick walks on
// the D-pad's keys; the right shoulder is the left mouse button and has no key.
#include <cstdint>

namespace platform
{
// In the order of SDL's game controller buttons (checked where SDL's are translated).
enum class PadButton
{
    A,
    B,
    X,
    Y,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    Count
};

// The game's key for a pad button.
constexpr uint8_t PadKey(PadButton aButton)
{
    return static_cast<uint8_t>(0xE0 + static_cast<int>(aButton));
}
}  // namespace platform
