#pragma once
// The nine ways items combine in the inventory, tried in this order. A recipe matches when
// every one of its ingredients lies in some combination slot; items in the slots that are not
// its ingredients stay there.
#include <string>
#include <vector>

#include "item.h"

struct Recipe
{
    std::vector<std::string> ingredients;
    // Copied from the product catalogue by name, in this order.
    std::vector<std::string> products;
    // Logs and rope make no item: the raft is built on the spot (the crash site shows it).
    bool buildsRaft = false;
};

// All recipes in the order they are tried.
const std::vector<Recipe>& Recipes();

// The first recipe whose ingredients all lie in aSlots; null when none does.
const Recipe* FindRecipe(const std::vector<Item>& aSlots);
