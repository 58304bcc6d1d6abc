#include "productcatalogue.h"

#include "itemcatalogue.h"

namespace
{
const char* const ourProducts[] = {
    "axe",       "coconut half 1", "coconut half 2", "fire",          "charcoal",
    "gunpowder", "raft",           "bird suit",      "rubber string", "combined rubber",
};
}  // namespace

std::vector<Item> ProductCatalogue(HGE* aHGE)
{
    std::vector<Item> products;
    for (const char* name : ourProducts)
    {
        products.push_back(itemcatalogue::Make(aHGE, name));
    }
    return products;
}
