#pragma once
// Saved games as text: JSON that names its format and version and carries a mark of the game's
// item names. Reading takes a save whole or not at all.
#include <string>

#include "savedgame.h"

constexpr int ourSaveVersion = 1;

std::string EncodeSave(const SavedGame& aSave);
// False, with the reason in aProblem, unless aText is a whole save of this version made by a
// game with these items; aSave may then hold part of it and is not to be used.
bool DecodeSave(const std::string& aText, SavedGame& aSave, std::string& aProblem);
