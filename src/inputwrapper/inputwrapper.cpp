#include "inputwrapper/inputwrapper.h"

#include <algorithm>
#include <cstring>

#include "assertion.h"

namespace
{
constexpr uint8_t kDown = 0x80;
// The cursor stays inside the open rectangle (0, 1004) x (0, 748): the screen less 20 pixels.
constexpr int kCursorLimitX = 1024 - 20;
constexpr int kCursorLimitY = 768 - 20;
}  // namespace

InputWrapper::InputWrapper() : myCursor(512, 384)
{
    std::memset(myKeys, 0, sizeof(myKeys));
    std::memset(myKeySnapshot, 0, sizeof(myKeySnapshot));
    std::memset(myKeyAskedDown, 0, sizeof(myKeyAskedDown));
}

void InputWrapper::Init(HGE* aHGE)
{
    MARROWEN_ASSERT(aHGE != nullptr && "Initialize DirectInput before use!",
                    "inputwrapper/inputwrapper");
    platform::InputSource* source = aHGE->System_GetState(HGE_HWND);
    MARROWEN_ASSERT(source != nullptr && "Initialization of Keyboard failed",
                    "inputwrapper/inputwrapper");
    myLive = std::make_unique<LiveFeed>(*source);
    myFeed = myLive.get();
}

void InputWrapper::Update()
{
    for (int code = 0; code < 256; ++code)
    {
        if ((myKeys[code] & kDown) && !myKeyAskedDown[code])
        {
            myKeySnapshot[code] = myKeys[code];
        }
    }
    std::memset(myKeyAskedDown, 0, sizeof(myKeyAskedDown));
    for (int button = 0; button < 8; ++button)
    {
        if (myMouseState.buttons[button] & kDown)
        {
            myMouseSnapshot.buttons[button] = myMouseState.buttons[button];
        }
    }
    myFeed->Read(myFrame++, myKeys, myMouseState);

    // A move that would leave the rectangle on either axis is dropped entirely (however far:
    // the sum is taken wide enough for any motion a feed reports).
    const int64_t x = int64_t{myCursor.x} + myMouseState.x;
    const int64_t y = int64_t{myCursor.y} + myMouseState.y;
    if (x > 0 && x < kCursorLimitX && y > 0 && y < kCursorLimitY)
    {
        myCursor = Vector2<int>(static_cast<int>(x), static_cast<int>(y));
    }
}

bool InputWrapper::Held(Action aAction)
{
    bool held = false;
    for (const uint8_t key : myBindings.KeysOf(aAction))
    {
        held = KeyDown(key) || held;  // every held key is asked about
    }
    return held;
}

bool InputWrapper::Released(Action aAction) const
{
    const std::vector<uint8_t>& keys = myBindings.KeysOf(aAction);
    return std::any_of(keys.begin(), keys.end(),
                       [this](uint8_t aKey) { return KeyReleased(aKey); });
}

bool InputWrapper::KeyDown(uint8_t aScanCode)
{
    if (myKeys[aScanCode] & kDown)
    {
        myKeyAskedDown[aScanCode] = true;
        return true;
    }
    return false;
}

bool InputWrapper::KeyReleased(uint8_t aScanCode) const
{
    return (myKeySnapshot[aScanCode] & kDown) && !(myKeys[aScanCode] & kDown);
}

bool InputWrapper::NoKeyDown() const
{
    for (uint8_t key : myKeys)
    {
        if (key & kDown)
        {
            return false;
        }
    }
    return true;
}

bool InputWrapper::ButtonReleased(int aButton) const
{
    MARROWEN_ASSERT(aButton >= 0 && aButton < 8 && "There are eight mouse buttons",
                    "inputwrapper/inputwrapper");
    return (myMouseSnapshot.buttons[aButton] & kDown) && !(myMouseState.buttons[aButton] & kDown);
}

void InputWrapper::ClearKeyEdges()
{
    std::memset(myKeySnapshot, 0, sizeof(myKeySnapshot));
}

void InputWrapper::ClearButtonEdges()
{
    std::memset(myMouseSnapshot.buttons, 0, sizeof(myMouseSnapshot.buttons));
}
