#pragma once
// The game numbers keys by their classic PC keyboard scan codes (Escape 0x01, W 0x11,
// Return 0x1C, Up 0xC8, ...); SDL numbers them by USB usage. Both name physical key positions,
// so the mapping does not depend on the keyboard layout.
#include <cstdint>

namespace platform
{
// The game's scan code for an SDL scancode, or 0 for a key the game has no code for.
uint8_t GameScanCode(int aSdlScancode);
}  // namespace platform
