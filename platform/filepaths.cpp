#include "filepaths.h"

#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>

namespace platform
{
namespace
{
namespace fs = std::filesystem;

bool IsRegularFile(const fs::path& aPath)
{
    std::error_code error;
    return fs::is_regular_file(aPath, error);
}

// The entry of aFolder whose name equals aName ignoring case; the alphabetically first one
// when several do, so the choice never depends on the directory order.
fs::path MatchIgnoringCase(const fs::path& aFolder, const std::string& aName)
{
    std::error_code error;
    fs::path best;
    for (fs::directory_iterator it(aFolder, error), end; !error && it != end; it.increment(error))
    {
        const std::string candidate = it->path().filename().string();
        if (strcasecmp(candidate.c_str(), aName.c_str()) == 0 &&
            (best.empty() || candidate < best.filename().string()))
        {
            best = it->path();
        }
    }
    return best;
}
}  // namespace

const std::string& ExecutableFolder()
{
    static const std::string folder = []
    {
        std::error_code error;
        const fs::path executable = fs::read_symlink("/proc/self/exe", error);
        return error ? fs::current_path(error).string() : executable.parent_path().string();
    }();
    return folder;
}

std::string FindDataFolder(const std::string& aExecutableFolder)
{
    const fs::path executable(aExecutableFolder);
    for (const fs::path& candidate :
         {executable, (executable / MARROWEN_INSTALLED_DATA).lexically_normal()})
    {
        std::error_code error;
        if (fs::is_directory(candidate / "img", error))
        {
            return candidate.string();
        }
    }
    return aExecutableFolder;
}

namespace
{
std::mutex ourDataMutex;
std::string ourDataFolder;
std::mutex ourLogMutex;
}  // namespace

std::string DataFolder()
{
    static const std::string found = FindDataFolder(ExecutableFolder());
    std::lock_guard<std::mutex> lock(ourDataMutex);
    return ourDataFolder.empty() ? found : ourDataFolder;
}

void SetDataFolder(const std::string& aFolder)
{
    std::lock_guard<std::mutex> lock(ourDataMutex);
    ourDataFolder = aFolder;
}

std::string ResolvePath(const std::string& aPath)
{
    if (aPath.empty())
    {
        return "";
    }
    const fs::path requested(aPath);
    const fs::path base = requested.is_absolute() ? fs::path("/") : fs::path(DataFolder());
    const fs::path full =
        (requested.is_absolute() ? requested : base / requested).lexically_normal();
    if (IsRegularFile(full))
    {
        return full.string();
    }
    fs::path found = base;
    for (const fs::path& component : requested.relative_path())
    {
        const std::string name = component.string();
        if (name.empty() || name == ".")
        {
            continue;
        }
        std::error_code error;
        if (name == ".." || fs::exists(found / component, error))
        {
            found /= component;
            continue;
        }
        found = MatchIgnoringCase(found, name);
        if (found.empty())
        {
            return "";
        }
    }
    return IsRegularFile(found) ? found.lexically_normal().string() : "";
}

std::string LogFilePath()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    fs::path folder;
    // Relative values are to be ignored, as the XDG rules say.
    if (state != nullptr && fs::path(state).is_absolute())
    {
        folder = state;
    }
    else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
    {
        folder = fs::path(home) / ".local" / "state";
    }
    else
    {
        return "";
    }
    return (folder / "marrowen" / "marrowen.log").string();
}

void AppendLogLine(const char* aLine)
{
    const std::string path = LogFilePath();
    if (path.empty())
    {
        return;
    }
    const size_t length = std::strlen(aLine);
    std::lock_guard<std::mutex> lock(ourLogMutex);
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    if (FILE* file = std::fopen(path.c_str(), "a"))
    {
        std::fprintf(file, length > 0 && aLine[length - 1] == '\n' ? "%s" : "%s\n", aLine);
        std::fclose(file);
    }
}

bool ReadFileStart(const std::string& aResolvedPath, size_t aMost, std::vector<uint8_t>& aBytes,
                   size_t& aFileSize)
{
    std::ifstream file(aResolvedPath, std::ios::binary);
    if (!file)
    {
        return false;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0)
    {
        return false;
    }
    file.seekg(0, std::ios::beg);
    aFileSize = static_cast<size_t>(size);
    const size_t wanted = std::min(aFileSize, aMost);
    aBytes.resize(wanted);
    file.read(reinterpret_cast<char*>(aBytes.data()), static_cast<std::streamsize>(wanted));
    return file.gcount() == static_cast<std::streamsize>(wanted);
}

bool ReadWholeFile(const std::string& aResolvedPath, std::vector<uint8_t>& aBytes)
{
    size_t size = 0;
    return ReadFileStart(aResolvedPath, SIZE_MAX, aBytes, size);
}
}  // namespace platform
