#include "inputsource.h"

#include <algorithm>
#include <cstring>

namespace platform
{
namespace
{
constexpr uint8_t kDown = 0x80;
}

void InputSource::SetKey(uint8_t aScanCode, bool aDown)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myKeys[aScanCode] = aDown ? kDown : 0;
}

void InputSource::AddMotion(int32_t aX, int32_t aY)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myMouse.x += aX;
    myMouse.y += aY;
}

void InputSource::SetButton(int aButton, bool aDown)
{
    if (aButton < 0 || aButton >= 8)
    {
        return;
    }
    std::lock_guard<std::mutex> lock(myMutex);
    myMouse.buttons[aButton] = aDown ? kDown : 0;
}

void InputSource::ReleaseAll()
{
    std::lock_guard<std::mutex> lock(myMutex);
    myKeys.fill(0);
    std::fill(std::begin(myMouse.buttons), std::end(myMouse.buttons), 0);
}

void InputSource::ReadKeyboard(uint8_t aKeys[256]) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    std::memcpy(aKeys, myKeys.data(), myKeys.size());
}

MouseState InputSource::ReadMouse()
{
    std::lock_guard<std::mutex> lock(myMutex);
    MouseState state = myMouse;
    myMouse.x = 0;
    myMouse.y = 0;
    myMouse.wheel = 0;
    return state;
}
}  // namespace platform
