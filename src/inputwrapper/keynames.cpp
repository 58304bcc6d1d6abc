#include "inputwrapper/keynames.h"

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

// The classic PC keyboard scan codes the platform reports keys by.
const KeyName ourKeys[] = {
    {"Escape", 0x01},
    {"1", 0x02},
    {"2", 0x03},
    {"3", 0x04},
    {"4", 0x05},
    {"5", 0x06},
    {"6", 0x07},
    {"7", 0x08},
    {"8", 0x09},
    {"9", 0x0A},
    {"0", 0x0B},
    {"Backspace", 0x0E},
    {"Tab", 0x0F},
    {"Q", 0x10},
    {"W", 0x11},
    {"E", 0x12},
    {"R", 0x13},
    {"T", 0x14},
    {"Y", 0x15},
    {"U", 0x16},
    {"I", 0x17},
    {"O", 0x18},
    {"P", 0x19},
    {"Return", 0x1C},
    {"LeftCtrl", 0x1D},
    {"A", 0x1E},
    {"S", 0x1F},
    {"D", 0x20},
    {"F", 0x21},
    {"G", 0x22},
    {"H", 0x23},
    {"J", 0x24},
    {"K", 0x25},
    {"L", 0x26},
    {"LeftShift", 0x2A},
    {"Z", 0x2C},
    {"X", 0x2D},
    {"C", 0x2E},
    {"V", 0x2F},
    {"B", 0x30},
    {"N", 0x31},
    {"M", 0x32},
    {"RightShift", 0x36},
    {"LeftAlt", 0x38},
    {"Space", 0x39},
    {"F1", 0x3B},
    {"F2", 0x3C},
    {"F3", 0x3D},
    {"F4", 0x3E},
    {"F5", 0x3F},
    {"F6", 0x40},
    {"F7", 0x41},
    {"F8", 0x42},
    {"F9", 0x43},
    {"F10", 0x44},
    {"F12", 0x58},
    {"KeypadEnter", 0x9C},
    {"RightCtrl", 0x9D},
    {"RightAlt", 0xB8},
    {"Home", 0xC7},
    {"Up", 0xC8},
    {"PageUp", 0xC9},
    {"Left", 0xCB},
    {"Right", 0xCD},
    {"End", 0xCF},
    {"Down", 0xD0},
    {"PageDown", 0xD1},
    {"Insert", 0xD2},
    {"Delete", 0xD3},
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
    for (const KeyName& key : ourKeys)
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
    for (const KeyName& key : ourKeys)
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
