#include "inputwrapper/keynames.h"

#include "keyboardnames.h"
#include "padkeys.h"

namespace
{
using platform::PadButton;
using platform::PadKey;

struct KeyName
{
    const char* name;
    uint8_t scanCode;
};

// The gamepad's buttons, which reach the game as keys of their own.
const KeyName ourPadKeys[] = {
    {"PadA", PadKey(PadButton::A)},
    {"PadB", PadKey(PadButton::B)},
    {"PadX", PadKey(PadButton::X)},
    {"PadY", PadKey(PadButton::Y)},
    {"PadBack", PadKey(PadButton::Back)},
    {"PadGuide", PadKey(PadButton::Guide)},
    {"PadStart", PadKey(PadButton::Start)},
    {"PadLeftStick", PadKey(PadButton::LeftStick)},
    {"PadRightStick", PadKey(PadButton::RightStick)},
    {"PadLeftShoulder", PadKey(PadButton::LeftShoulder)},
    {"PadUp", PadKey(PadButton::DpadUp)},
    {"PadDown", PadKey(PadButton::DpadDown)},
    {"PadLeft", PadKey(PadButton::DpadLeft)},
    {"PadRight", PadKey(PadButton::DpadRight)},
};
}  // namespace

bool ScanCodeOf(const std::string& aName, uint8_t& aScanCode)
{
    if (platform::KeyboardScanCode(aName, aScanCode))
    {
        return true;
    }
    for (const KeyName& key : ourPadKeys)
    {
        if (aName == key.name)
        {
            aScanCode = key.scanCode;
            return true;
        }
    }
    return false;
}

std::string KeyNameOf(uint8_t aScanCode)
{
    if (!IsPadKey(aScanCode))
    {
        return platform::KeyboardKeyName(aScanCode);
    }
    for (const KeyName& key : ourPadKeys)
    {
        if (aScanCode == key.scanCode)
        {
            return key.name;
        }
    }
    return "";
}

bool IsPadKey(uint8_t aScanCode)
{
    return aScanCode >= PadKey(PadButton::A) && aScanCode < PadKey(PadButton::Count);
}
