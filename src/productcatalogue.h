#pragma once
// The items recipes make: never placed in a scene, copied out of the catalogue by name.
#include <vector>

#include "hge.h"
#include "item.h"

// The ten products, in catalogue order.
std::vector<Item> ProductCatalogue(HGE* aHGE);
