#pragma once
// Where the inventory panel puts things on screen, and the areas the mouse hits. Every area is
// an open rectangle from a corner (its edges do not count); the areas differ in size on purpose:
// picking up, dropping on a cell, dropping on a slot, the combine button and the hover card.
#include "vector2.h"

namespace inventorylayout
{
constexpr int ourHeldCells = 15;  // five columns, three rows
constexpr int ourCombinationSlots = 3;

// Top-left of the panel.
Vector2<float> Panel();
// Top-left of grid cell aIndex (0 to 14, row after row).
Vector2<float> HeldCell(int aIndex);
// Top-left of combination slot aIndex (0 to 2).
Vector2<float> CombinationSlot(int aIndex);
// Top-left of the combine button.
Vector2<float> Button();
// Where the success or failure picture stands: under the panel, clear of every cell and slot.
Vector2<float> ResultPicture();

// Strictly inside the aWidth x aHeight rectangle whose top-left is aCorner.
bool Inside(const Vector2<float>& aCorner, float aWidth, float aHeight,
            const Vector2<float>& aMouse);

// The mouse picks up what lies in the cell or slot at aCorner.
bool OverPickUp(const Vector2<float>& aCorner, const Vector2<float>& aMouse);
// The mouse is over some grid cell, empty or not, for dropping.
bool OverAnyHeldCell(const Vector2<float>& aMouse);
// The mouse is over some combination slot, empty or not, for dropping.
bool OverAnyCombinationSlot(const Vector2<float>& aMouse);
bool OverButton(const Vector2<float>& aMouse);
// The mouse hovers over the cell or slot at aCorner: its item's card shows.
bool OverCard(const Vector2<float>& aCorner, const Vector2<float>& aMouse);
}  // namespace inventorylayout
