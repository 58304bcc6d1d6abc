#pragma once
// The four parts the time machine needs, in the order the engine takes them and the notepad
// checks them, each with its place: the engine's slot and the notepad's mark (0 the belt,
// 1 the crystal, 2 the magnet, 3 the gold).
#include <cstddef>

struct EnginePart
{
    const char* itemName;
    size_t slot;
};

inline constexpr EnginePart ourEngineParts[] = {
    {"Diamond", 1},
    {"gold necklace", 3},
    {"MagneticRock", 2},
    {"combined rubber", 0},
};
