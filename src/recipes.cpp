#include "recipes.h"

#include <algorithm>

const std::vector<Recipe>& Recipes()
{
    static const std::vector<Recipe> recipes = {
        {{"sharpFlintstone", "wire", "stick"}, {"axe"}},
        {{"refined rubber", "engine belt"}, {"combined rubber"}},
        // The axe comes back after splitting the coconut.
        {{"axe", "coconut"}, {"coconut half 1", "coconut half 2", "axe"}},
        {{"dried leaves", "flintstone1", "flintstone2"}, {"fire"}},
        {{"fire", "log"}, {"charcoal"}},
        {{"Sulphur", "Guano", "charcoal"}, {"gunpowder"}},
        {{"logs", "Rope"}, {}, true},
        {{"banana", "banana tree leaf 1", "banana tree leaf 2"}, {"bird suit"}},
        {{"rubber", "wire"}, {"rubber string"}},
    };
    return recipes;
}

const Recipe* FindRecipe(const std::vector<Item>& aSlots)
{
    for (const Recipe& recipe : Recipes())
    {
        const bool complete =
            std::all_of(recipe.ingredients.begin(), recipe.ingredients.end(),
                        [&aSlots](const std::string& aIngredient)
                        {
                            return std::any_of(aSlots.begin(), aSlots.end(),
                                               [&aIngredient](const Item& aItem)
                                               { return aItem.GetName() == aIngredient; });
                        });
        if (complete)
        {
            return &recipe;
        }
    }
    return nullptr;
}
