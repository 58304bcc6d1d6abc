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
    int32_t x = 0;  // motion since the previous read
    int32_t y = 0;
    int32_t wheel = 0;
    uint8_t buttons[8] = {};  // high bit set while down
};

class InputSource
{
public:
    // Whether a press was read yet, and whether its release waits for that read.
    struct Latch
    {
        bool myUnread = false;
        bool myReleasePending = false;
    };

    // Game scan codes (0x01 Escape, 0x11 W, 0x1C Return, ...); high bit set while down.
    void SetKey(uint8_t aScanCode, bool aDown);
    void AddMotion(int32_t aX, int32_t aY);
    void SetButton(int aButton, bool aDown);
    // Let go of a key or button, but only after a read has seen it down: a press and release
    // quicker than one poll (synthetic clicks arrive that way) still counts once.
    void ReleaseKeyAfterRead(uint8_t aScanCode);
    void ReleaseButtonAfterRead(int aButton);
    // Lets go of every key and button at once (the window lost focus).
    void ReleaseAll();

    // Copies the 256-entry keyboard table.
    void ReadKeyboard(uint8_t aKeys[256]);
    // The buttons now and the motion gathered since the previous ReadMouse.
    MouseState ReadMouse();

private:
    mutable std::mutex myMutex;
    std::array<uint8_t, 256> myKeys{};
    std::array<Latch, 256> myKeyLatches{};
    MouseState myMouse;
    std::array<Latch, 8> myButtonLatches{};
};
}  // namespace platform
