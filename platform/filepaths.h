#pragma once
// Finding the game's files: relative paths start at the data folder, and a name that
// differs only in letter case from the one on disk still finds the file ("img/Items/x.DDS"
// finds "img/items/x.dds").
#include <cstdint>
#include <string>
#include <vector>

namespace platform
{
// The folder holding the running executable, without a trailing slash.
const std::string& ExecutableFolder();

// Where relative paths start: the executable's folder until SetDataFolder names another.
std::string DataFolder();
void SetDataFolder(const std::string& aFolder);

// The path of an existing regular file for aPath (relative to the data folder unless
// absolute): the exact name first, then a case-insensitive match of each component. The
// result is normalised ("a/./b/../c" is "a/c"), so one file has one name. "" when there is
// none.
std::string ResolvePath(const std::string& aPath);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& aResolvedPath, std::vector<uint8_t>& aBytes);
}  // namespace platform
