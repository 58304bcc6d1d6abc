#pragma once
// Which grid cell of the inventory each carried item stands in. An item keeps its cell while
// the panel is open, whatever comes and goes around it, so a click lands on the item the player
// aimed at; a new item takes the first free cell (or the one it asks for, when free), and the
// grid closes its gaps only when asked (the panel opening). Items beyond the cells wait for one.
#include <cstddef>
#include <vector>

class HeldGrid
{
public:
    static constexpr int ourNoCell = -1;

    explicit HeldGrid(int aCells) : myCellCount(aCells) {}

    // A new last item: the cell aWanted when it is free, else the first free one.
    void Add(int aWanted = ourNoCell);
    // Item aIndex is gone; the first item without a cell takes the cell it leaves.
    void Erase(size_t aIndex);
    // aCount items, in their order, in the first cells.
    void Pack(size_t aCount);
    // The cell of item aIndex, or ourNoCell.
    int CellOf(size_t aIndex) const { return myCells[aIndex]; }

private:
    int FirstFree() const;
    bool IsFree(int aCell) const;

    int myCellCount;
    std::vector<int> myCells;  // one per item, in the items' order
};
