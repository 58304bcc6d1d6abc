#pragma once
// The names of the keys the game can bind and record: the keyboard's by what is printed on them
// (W, Return, Escape, Up, F1, ...) and the gamepad's by button (PadA, PadStart, PadUp, ...).
// One word each, so recordings and settings can name them.
#include <cstdint>
#include <string>

// The scan code of a key name; false for any other name.
bool ScanCodeOf(const std::string& aName, uint8_t& aScanCode);
// The name of a scan code; "" for a key without one.
std::string KeyNameOf(uint8_t aScanCode);
// True for the gamepad's keys.
bool IsPadKey(uint8_t aScanCode);
