#pragma once
// The information cards shown beside the mouse when it hovers over an item in the inventory:
// one picture per card key, and the table from item names to keys.
#include <string>
#include <vector>

#include "hge.h"
#include "item.h"

class InfoCards
{
public:
    // Loads every card picture ("img/Icon/" + key + ".dds"), in the game's order.
    void Init(HGE* aHGE);
    // The card of the item named aItemName; null when the name has no key, or its key no card
    // (the raft, the bird suit and the fainted heroine have none).
    const Item* Find(const std::string& aItemName) const;
    // The key of an item name; "" when it has none.
    static std::string KeyOf(const std::string& aItemName);

private:
    std::vector<Item> myCards;
};
