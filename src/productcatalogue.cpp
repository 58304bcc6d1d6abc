#include "productcatalogue.h"

namespace
{
struct Product
{
    const char* name;
    const char* icon;
    const char* scenePicture;
};

const Product ourProducts[] = {
    {"axe", "img/Items/icon_axe.dds", "img/Items/icon_axe.dds"},
    {"coconut half 1", "img/Items/icon_coconutHalf1.dds", "img/empty.dds"},
    {"coconut half 2", "img/Items/icon_coconutHalf2.dds", "img/empty.dds"},
    {"fire", "img/Items/icon_fire.dds", "img/empty.dds"},
    {"charcoal", "img/Items/icon_woodcoal.dds", "img/empty.dds"},
    {"gunpowder", "img/Items/icon_coconutGunpowder.dds", "img/empty.dds"},
    {"raft", "img/empty.dds", "img/empty.dds"},
    {"bird suit", "img/empty.dds", "img/empty.dds"},
    {"rubber string", "img/items/icon_coconutLatexWire.dds", "img/empty.dds"},
    {"combined rubber", "img/items/icon_belt_whole.dds", "img/empty.dds"},
};
}  // namespace

std::vector<Item> ProductCatalogue(HGE* aHGE)
{
    std::vector<Item> products;
    for (const Product& product : ourProducts)
    {
        products.emplace_back(aHGE, product.scenePicture, product.icon, product.name, true);
    }
    return products;
}
