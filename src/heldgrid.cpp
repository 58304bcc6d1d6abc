#include "heldgrid.h"

#include <algorithm>

bool HeldGrid::IsFree(int aCell) const
{
    return std::find(myCells.begin(), myCells.end(), aCell) == myCells.end();
}

int HeldGrid::FirstFree() const
{
    for (int cell = 0; cell < myCellCount; ++cell)
    {
        if (IsFree(cell))
        {
            return cell;
        }
    }
    return ourNoCell;
}

void HeldGrid::Add(int aWanted)
{
    const bool wantedFree = 0 <= aWanted && aWanted < myCellCount && IsFree(aWanted);
    myCells.push_back(wantedFree ? aWanted : FirstFree());
}

void HeldGrid::Erase(size_t aIndex)
{
    const int freed = myCells[aIndex];
    myCells.erase(myCells.begin() + static_cast<std::ptrdiff_t>(aIndex));
    const auto waiting = std::find(myCells.begin(), myCells.end(), ourNoCell);
    if (freed != ourNoCell && waiting != myCells.end())
    {
        *waiting = freed;
    }
}

void HeldGrid::Pack(size_t aCount)
{
    myCells.clear();
    for (size_t i = 0; i < aCount; ++i)
    {
        myCells.push_back(static_cast<int>(i) < myCellCount ? static_cast<int>(i) : ourNoCell);
    }
}
