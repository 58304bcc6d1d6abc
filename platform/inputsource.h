#pragma once
// The state of the keyboard and the mouse as the window (or a test script) reports it.
// Written by the main thread's event pump or by a test, read by the logic thread's input
// wrapper; every operation is thread-safe.
#include <array>
#include <cstdint>
#include <mutex>

namespace platform
{
struct MouseState
{
    int32_t x = 0;      // motion since the previous read
    int32_t y = 0;
    int32_t wheel = 0;
    uint8_t buttons[8] = {};  // high bit set while down
};

class InputSource
{
public:
    // Game scan codes (0x01 Escape, 0x11 W, 0x1C Return, ...); high bit set while down.
    void SetKey(uint8_t aScanCode, bool aDown);
    void AddMotion(int32_t aX, int32_t aY);
    void SetButton(int aButton, bool aDown);
    // Lets go of every key and button (the window lost focus).
    void ReleaseAll();

    // Copies the 256-entry keyboard table.
    void ReadKeyboard(uint8_t aKeys[256]) const;
    // The buttons now and the motion gathered since the previous ReadMouse.
    MouseState ReadMouse();

private:
    mutable std::mutex myMutex;
    std::array<uint8_t, 256> myKeys{};
    MouseState myMouse;
};
}  // namespace platform
