#pragma once
// Every item the game knows by name, with the picture it shows in a scene and its inventory
// icon. Scenes, scripts, recipes and saved games all make their items here, so a name always
// comes with the same pictures.
#include <string>
#include <vector>

#include "hge.h"
#include "item.h"

namespace itemcatalogue
{
// Whether aName is an item of the game.
bool Knows(const std::string& aName);
// The scene picture and the icon of aName; false (both untouched) when it is not known.
bool PicturesOf(const std::string& aName, std::string& aScenePicture, std::string& aIcon);
// Every item name, in the catalogue's order.
std::vector<std::string> Names();
// The item aName (which must be known) at aPosition, testing its reach only when aActive.
Item Make(HGE* aHGE, const std::string& aName, const Vector2<float>& aPosition = Vector2<float>(),
          bool aActive = true);
// The items a saved game describes, in order (their names must be known).
std::vector<Item> Rebuild(HGE* aHGE, const std::vector<Item::State>& aStates);
}  // namespace itemcatalogue
