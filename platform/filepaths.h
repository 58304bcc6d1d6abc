#pragma once
// Finding the game's files: relative paths start at the data folder, and a name that
// differs only in letter case from the one on disk still finds the file ("img/Items/x.DDS"
// finds "img/items/x.dds"). And where the log goes, as on any Linux desktop.
#include <cstdint>
#include <string>
#include <vector>

namespace platform
{
// The folder holding the running executable, without a trailing slash.
const std::string& ExecutableFolder();

// The folder with the game's data for an executable in aExecutableFolder: beside it (a build
// folder), or the installed share/marrowen/ beside its bin/; the executable's own folder when
// neither holds the pictures (the errors then name the missing files).
std::string FindDataFolder(const std::string& aExecutableFolder);

// Where relative paths start: FindDataFolder for this executable until SetDataFolder names
// another.
std::string DataFolder();
void SetDataFolder(const std::string& aFolder);

// The path of an existing regular file for aPath (relative to the data folder unless
// absolute): the exact name first, then a case-insensitive match of each component. The
// result is normalised ("a/./b/../c" is "a/c"), so one file has one name. "" when there is
// none.
std::string ResolvePath(const std::string& aPath);

// The log: $XDG_STATE_HOME/marrowen/marrowen.log, or under ~/.local/state when that is unset
// or not absolute; "" when neither names a place. Never beside the executable, where an
// installed game cannot write.
std::string LogFilePath();
// Appends aLine to the log, with a line break unless it has one, making the folder as
// needed. Any thread; nothing happens when the log cannot be written.
void AppendLogLine(const char* aLine);

// Reads the first aMost bytes of a file (all of it when shorter) and tells its size; false
// when it cannot be opened or read.
bool ReadFileStart(const std::string& aResolvedPath, size_t aMost, std::vector<uint8_t>& aBytes,
                   size_t& aFileSize);
// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& aResolvedPath, std::vector<uint8_t>& aBytes);
}  // namespace platform
