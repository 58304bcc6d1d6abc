#include "inputsource.h"

#include <algorithm>
#include <cstring>

namespace platform
{
namespace
{
constexpr uint8_t kDown = 0x80;

void Press(uint8_t& aState, InputSource::Latch& aLatch, bool aDown)
{
    aState = aDown ? kDown : 0;
    aLatch.myUnread = aDown;
    aLatch.myReleasePending = false;
}

void ReleaseAfterRead(uint8_t& aState, InputSource::Latch& aLatch)
{
    if (aLatch.myUnread)
    {
        aLatch.myReleasePending = true;
    }
    else
    {
        aState = 0;
    }
}

// After a read: every press has been seen, so the releases that waited for it happen.
void MarkRead(uint8_t& aState, InputSource::Latch& aLatch)
{
    if (aLatch.myReleasePending)
    {
        aState = 0;
    }
    aLatch = InputSource::Latch{};
}
}  // namespace

void InputSource::SetKey(uint8_t aScanCode, bool aDown)
{
    std::lock_guard<std::mutex> lock(myMutex);
    Press(myKeys[aScanCode], myKeyLatches[aScanCode], aDown);
}

void InputSource::ReleaseKeyAfterRead(uint8_t aScanCode)
{
    std::lock_guard<std::mutex> lock(myMutex);
    ReleaseAfterRead(myKeys[aScanCode], myKeyLatches[aScanCode]);
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
    Press(myMouse.buttons[aButton], myButtonLatches[static_cast<size_t>(aButton)], aDown);
}

void InputSource::ReleaseButtonAfterRead(int aButton)
{
    if (aButton < 0 || aButton >= 8)
    {
        return;
    }
    std::lock_guard<std::mutex> lock(myMutex);
    ReleaseAfterRead(myMouse.buttons[aButton], myButtonLatches[static_cast<size_t>(aButton)]);
}

void InputSource::ReleaseAll()
{
    std::lock_guard<std::mutex> lock(myMutex);
    myKeys.fill(0);
    myKeyLatches.fill(Latch{});
    std::fill(std::begin(myMouse.buttons), std::end(myMouse.buttons), 0);
    myButtonLatches.fill(Latch{});
}

void InputSource::ReadKeyboard(uint8_t aKeys[256])
{
    std::lock_guard<std::mutex> lock(myMutex);
    std::memcpy(aKeys, myKeys.data(), myKeys.size());
    for (size_t i = 0; i < myKeys.size(); ++i)
    {
        MarkRead(myKeys[i], myKeyLatches[i]);
    }
}

MouseState InputSource::ReadMouse()
{
    std::lock_guard<std::mutex> lock(myMutex);
    MouseState state = myMouse;
    for (size_t i = 0; i < myButtonLatches.size(); ++i)
    {
        MarkRead(myMouse.buttons[i], myButtonLatches[i]);
    }
    myMouse.x = 0;
    myMouse.y = 0;
    myMouse.wheel = 0;
    return state;
}
}  // namespace platform
