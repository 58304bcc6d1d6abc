#include "itemcatalogue.h"

#include "assertion.h"

namespace
{
struct Entry
{
    const char* name;
    const char* scenePicture;
    const char* icon;
};

// The paths are exact: the content mixes "img/Items/" and "img/items/", and invisible things
// use either "img/empty.dds" or "img/items/empty.dds".
const char* const ourEmpty = "img/empty.dds";
const char* const ourItemsEmpty = "img/items/empty.dds";

const Entry ourEntries[] = {
    // Carried from the start.
    {"wire", "img/Items/icon_wire.dds", "img/Items/icon_wire.dds"},
    // The crash site.
    {"stick", "img/items/sprite_stick.dds", "img/items/icon_twig01.dds"},
    {"flintstone1", "img/items/sprite_flint02.dds", "img/items/sprite_flint02.dds"},
    {"flintstone2", "img/items/sprite_flint02.dds", "img/items/sprite_flint02.dds"},
    {"sharpFlintstone", "img/items/sprite_flint01.dds", "img/items/icon_flintstone1.dds"},
    {"logs", "img/items/sprite_logs.dds", "img/items/icon_logs.dds"},
    // The deep jungle: the scene picture shows the rubber tree.
    {"coconut", "img/Items/sprite_coconut.dds", "img/Items/icon_coconut.dds"},
    {"rubber tree", ourEmpty, ourEmpty},
    {"log", "img/Items/sprite_log.dds", "img/Items/icon_log.dds"},
    {"dried leaves", "img/Items/sprite_dried_leaves.dds", "img/Items/icon_dried_leaves.dds"},
    {"rubber", ourEmpty, "img/Items/icon_coconutLatex.dds"},
    // The cave.
    {"Sulphur", "img/items/sprite_sulfur.dds", "img/items/icon_sulfur.dds"},
    {"Guano", "img/Items/sprite_guano.dds", "img/Items/icon_coconutGuano.dds"},
    {"MagneticRock", "img/items/sprite_magnetic_stone.dds", "img/items/icon_magneticStone.dds"},
    // The time machine.
    {"fainted ester", "img/h_fainted.dds", "img/h_fainted.dds"},
    {"engine belt", "img/Items/sprite_belt.dds", "img/Items/icon_belt.dds"},
    // The village; the sheep is only drawn.
    {"Rope", "img/items/sprite_rope.dds", "img/items/icon_rope.dds"},
    {"Sheep", "img/NPCs/sprite_sheep.dds", ourEmpty},
    {"gold necklace", ourEmpty, "img/items/icon_gold.dds"},
    // The volcano and its invisible interaction points.
    {"Diamond", "img/items/sprite_diamond.dds", "img/items/icon_diamond.dds"},
    {"banana tree sprite", "img/items/sprite_banana_tree.dds", ourItemsEmpty},
    {"banana tree", ourItemsEmpty, ourItemsEmpty},
    {"vulcanization", ourItemsEmpty, ourItemsEmpty},
    {"stair kit", ourItemsEmpty, ourItemsEmpty},
    {"stair up", ourItemsEmpty, ourItemsEmpty},
    {"children", ourItemsEmpty, ourItemsEmpty},
    {"stale boy", "img/NPCs/sprite_boy.dds", "img/NPCs/sprite_boy.dds"},
    {"stale girl", "img/NPCs/sprite_girl.dds", "img/NPCs/sprite_girl.dds"},
    {"palm overlay", "img/Items/palm_overlay.dds", "img/Items/palm_overlay.dds"},
    {"banana", "img/items/icon_banana.dds", "img/items/icon_banana.dds"},
    {"banana tree leaf 1", "img/items/icon_big_leaves.dds", "img/items/icon_big_leaves.dds"},
    {"banana tree leaf 2", "img/items/icon_big_leaves.dds", "img/items/icon_big_leaves.dds"},
    {"refined rubber", ourEmpty, "img/Items/icon_coconutLatexRefined.dds"},
    // What recipes make.
    {"axe", "img/Items/icon_axe.dds", "img/Items/icon_axe.dds"},
    {"coconut half 1", ourEmpty, "img/Items/icon_coconutHalf1.dds"},
    {"coconut half 2", ourEmpty, "img/Items/icon_coconutHalf2.dds"},
    {"fire", ourEmpty, "img/Items/icon_fire.dds"},
    {"charcoal", ourEmpty, "img/Items/icon_woodcoal.dds"},
    {"gunpowder", ourEmpty, "img/Items/icon_coconutGunpowder.dds"},
    {"raft", ourEmpty, ourEmpty},
    {"bird suit", ourEmpty, ourEmpty},
    {"rubber string", ourEmpty, "img/items/icon_coconutLatexWire.dds"},
    {"combined rubber", ourEmpty, "img/items/icon_belt_whole.dds"},
};

const Entry* Find(const std::string& aName)
{
    for (const Entry& entry : ourEntries)
    {
        if (aName == entry.name)
        {
            return &entry;
        }
    }
    return nullptr;
}
}  // namespace

namespace itemcatalogue
{
bool Knows(const std::string& aName)
{
    return Find(aName) != nullptr;
}

bool PicturesOf(const std::string& aName, std::string& aScenePicture, std::string& aIcon)
{
    const Entry* entry = Find(aName);
    if (entry == nullptr)
    {
        return false;
    }
    aScenePicture = entry->scenePicture;
    aIcon = entry->icon;
    return true;
}

std::vector<std::string> Names()
{
    std::vector<std::string> names;
    for (const Entry& entry : ourEntries)
    {
        names.push_back(entry.name);
    }
    return names;
}

Item Make(HGE* aHGE, const std::string& aName, const Vector2<float>& aPosition, bool aActive)
{
    const Entry* entry = Find(aName);
    MARROWEN_ASSERT(entry != nullptr && "No item of that name.", "itemcatalogue");
    return Item(aHGE, entry->scenePicture, entry->icon, aPosition, aName, aActive);
}

std::vector<Item> Rebuild(HGE* aHGE, const std::vector<Item::State>& aStates)
{
    std::vector<Item> items;
    items.reserve(aStates.size());
    for (const Item::State& state : aStates)
    {
        items.push_back(Make(aHGE, state.name, state.position, state.active));
        items.back().SetFlags(state);
    }
    return items;
}
}  // namespace itemcatalogue
