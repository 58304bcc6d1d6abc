#pragma once
// Saved games as text: JSON that names its format and version, and under "game" the saved
// game field by field. A save is read over the state of a freshly set-up game, so that every
// save an earlier version wrote still continues:
// - A new state field needs no more than its place in a MARROWEN_SAVED_RECORD line of
//   savecodec.cpp; older saves lack it and it keeps the start value the fresh game gives it.
//   A field this version no longer has is passed over.
// - Conversations are matched by name, never by their lines: an old save's conversation that
//   the scene no longer has is passed over, a new one starts unplayed, and a reading position
//   beyond a shortened conversation shows its last line.
// - Items are checked one by one: a new item breaks no save; a save naming an item this game
//   does not have (a renamed or removed one) is refused naming it.
// - When a field changes its meaning or an item or a conversation its name, raise
//   ourSaveVersion and add a step to UpgradeSave that brings the version before up to date;
//   when a save really cannot go on, refuse it there in one line that says why.
// Every release adds a save of its own to tests/data/saves/, and the tests continue them all.
#include <string>

#include "savedgame.h"

constexpr int ourSaveVersion = 2;

std::string EncodeSave(const SavedGame& aSave);
// Reads aText over aFresh, the game as set up before any play. False, with the reason in
// aProblem, unless aText is a Marrowen save of this or an earlier version whose every value is
// of the right kind and whose items this game has; aSave may then hold part of it.
bool DecodeSave(const std::string& aText, const SavedGame& aFresh, SavedGame& aSave,
                std::string& aProblem);
