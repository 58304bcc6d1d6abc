#include "wholefile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
namespace fs = std::filesystem;

bool Fail(std::string& aProblem, const std::string& aWhat)
{
    aProblem = aWhat + ": " + std::strerror(errno);
    return false;
}

// A rename or a removal lasts only once the folder holding the name has reached the disk.
bool SyncFolder(const std::string& aFolder, std::string& aProblem)
{
    const int folder = open(aFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
    {
        return Fail(aProblem, aFolder);
    }
    const bool synced = fsync(folder) == 0;
    close(folder);
    return synced || Fail(aProblem, aFolder);
}

bool WriteAll(int aFile, const std::string& aText)
{
    size_t written = 0;
    while (written < aText.size())
    {
        const ssize_t step = write(aFile, aText.data() + written, aText.size() - written);
        if (step < 0 && errno == EINTR)
        {
            continue;
        }
        if (step <= 0)
        {
            return false;
        }
        written += static_cast<size_t>(step);
    }
    return true;
}

std::string FolderOf(const std::string& aPath)
{
    const std::string folder = fs::path(aPath).parent_path().string();
    return folder.empty() ? "." : folder;
}
}  // namespace

std::string UserFolder(const char* aVariable, const char* aUnderHome)
{
    const char* base = std::getenv(aVariable);
    if (base != nullptr && fs::path(base).is_absolute())
    {
        return (fs::path(base) / "marrowen").string();
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && fs::path(home).is_absolute())
    {
        return (fs::path(home) / aUnderHome / "marrowen").string();
    }
    return "";
}

bool ReadWholeFile(const std::string& aPath, std::string& aText, std::string& aProblem)
{
    std::ifstream file(aPath, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    if (!file)
    {
        aProblem = "it cannot be read";
        return false;
    }
    aText = text.str();
    return true;
}

bool WriteWholeFile(const std::string& aPath, const std::string& aText, std::string& aProblem)
{
    const std::string folder = FolderOf(aPath);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
    {
        aProblem = folder + ": " + error.message();
        return false;
    }
    std::string temporary = aPath + ".XXXXXX";
    const int file = mkostemp(temporary.data(), O_CLOEXEC);
    if (file < 0)
    {
        return Fail(aProblem, temporary);
    }
    bool done = (WriteAll(file, aText) && fsync(file) == 0) || Fail(aProblem, temporary);
    done = (close(file) == 0 || Fail(aProblem, temporary)) && done;
    done = done && (rename(temporary.c_str(), aPath.c_str()) == 0 || Fail(aProblem, aPath));
    if (!done)
    {
        unlink(temporary.c_str());
        return false;
    }
    return SyncFolder(folder, aProblem);
}

bool RemoveWholeFile(const std::string& aPath, std::string& aProblem)
{
    if (unlink(aPath.c_str()) != 0 && errno != ENOENT)
    {
        return Fail(aProblem, aPath);
    }
    return SyncFolder(FolderOf(aPath), aProblem);
}
