#include "inventorylayout.h"

#include "bounds.h"

namespace inventorylayout
{
namespace
{
const float ourColumns[5] = {60.0f, 145.0f, 225.0f, 305.0f, 385.0f};
const float ourRows[3] = {70.0f, 150.0f, 230.0f};
const float ourSlotColumns[ourCombinationSlots] = {80.0f, 175.0f, 260.0f};
constexpr float ourSlotRow = 355.0f;
}  // namespace

Vector2<float> Panel()
{
    return Vector2<float>(200.0f, 50.0f);
}

Vector2<float> HeldCell(int aIndex)
{
    return Panel() + Vector2<float>(ourColumns[aIndex % 5], ourRows[aIndex / 5]);
}

Vector2<float> CombinationSlot(int aIndex)
{
    return Panel() + Vector2<float>(ourSlotColumns[aIndex], ourSlotRow);
}

Vector2<float> Button()
{
    return Panel() + Vector2<float>(372.0f, 302.0f);
}

Vector2<float> ResultPicture()
{
    return Vector2<float>(322.0f, 518.0f);
}

bool Inside(const Vector2<float>& aCorner, float aWidth, float aHeight,
            const Vector2<float>& aMouse)
{
    return StrictlyInside(aCorner, aCorner + Vector2<float>(aWidth, aHeight), aMouse);
}

bool OverPickUp(const Vector2<float>& aCorner, const Vector2<float>& aMouse)
{
    return Inside(aCorner, 85.0f, 85.0f, aMouse);
}

bool OverAnyHeldCell(const Vector2<float>& aMouse)
{
    for (int i = 0; i < ourHeldCells; ++i)
    {
        if (Inside(HeldCell(i), 85.0f, 80.0f, aMouse))
        {
            return true;
        }
    }
    return false;
}

bool OverAnyCombinationSlot(const Vector2<float>& aMouse)
{
    for (int i = 0; i < ourCombinationSlots; ++i)
    {
        if (Inside(CombinationSlot(i), 95.0f, 80.0f, aMouse))
        {
            return true;
        }
    }
    return false;
}

bool OverButton(const Vector2<float>& aMouse)
{
    return Inside(Button(), 68.0f, 48.0f, aMouse);
}

bool OverCard(const Vector2<float>& aCorner, const Vector2<float>& aMouse)
{
    return Inside(aCorner, 85.0f, 100.0f, aMouse);
}
}  // namespace inventorylayout
