#pragma once
// Files that are replaced whole or not at all: the new bytes go to a temporary file beside the
// old one, reach the disk, and only then take the old one's name. A crash or a power cut at
// any moment leaves either the old file or the new one, never a mixture. And where the player's
// own files belong.
#include <string>

// The game's folder in an XDG base directory: $aVariable/marrowen when that is an absolute
// path (a relative one does not count), ~/aUnderHome/marrowen otherwise; "" when neither can
// be told.
std::string UserFolder(const char* aVariable, const char* aUnderHome);

// aPath's bytes into aText; false, with "it cannot be read" in aProblem, when they cannot be.
bool ReadWholeFile(const std::string& aPath, std::string& aText, std::string& aProblem);

// Replaces aPath with aText (making its folder if need be); false, with the reason in
// aProblem, when that failed, and aPath is then as it was.
bool WriteWholeFile(const std::string& aPath, const std::string& aText, std::string& aProblem);
// Deletes aPath for good (nothing there is no failure); false with the reason otherwise.
bool RemoveWholeFile(const std::string& aPath, std::string& aProblem);
