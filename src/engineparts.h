#pragma once
// The four parts the time machine needs, in the order the engine takes them and the notepad
// checks them, each with its place: the engine's slot and the notepad's mark (0 the belt,
// 1 the crystal, 2 the magnet, 3 the gold).
#include <cstddef>
#include <string>

struct EnginePart
{
    const char* itemName;
    size_t slot;
    // The conversation of the time machine that says the part has been fitted.
    const char* fittedRemark;
};

inline constexpr EnginePart ourEngineParts[] = {
    {"Diamond", 1, "crystal fitted"},
    {"gold necklace", 3, "gold fitted"},
    {"MagneticRock", 2, "magnet fitted"},
    {"combined rubber", 0, "belt fitted"},
};

// The part whose item is called aItemName, or nullptr.
inline const EnginePart* FindEnginePart(const std::string& aItemName)
{
    for (const EnginePart& part : ourEngineParts)
    {
        if (aItemName == part.itemName)
        {
            return &part;
        }
    }
    return nullptr;
}
