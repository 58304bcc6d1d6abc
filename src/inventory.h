#pragma once
// What the heroine carries. For now only the held items: scenes add what she picks up.
#include <vector>

#include "item.h"

class Inventory
{
public:
    // Appends a copy of aItem to the held items.
    void AddItem(const Item& aItem) { myItems.push_back(aItem); }
    // The held items, in the order taken.
    const std::vector<Item>& GetItems() const { return myItems; }

private:
    std::vector<Item> myItems;
};
