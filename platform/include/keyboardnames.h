#pragma once
// The keyboard's keys the game lets players bind and record, by what is printed on them (W,
// Return, Escape, Up, F1, ...): one word each, so recordings and settings can name them.
#include <cstdint>
#include <string>

namespace platform
{
// The game's scan code of the key called aName; false for any other name.
bool KeyboardScanCode(const std::string& aName, uint8_t& aScanCode);
// The name of a game scan code; "" for a key without one.
std::string KeyboardKeyName(uint8_t aScanCode);
}  // namespace platform
