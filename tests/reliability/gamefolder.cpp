#include "gamefolder.h"

#include <unistd.h>

namespace reliability
{
namespace
{
namespace fs = std::filesystem;

// What an undamaged headless run of the game reserves at most, measured (VmPeak) with some
// room; the limit adds 1 GB to it.
constexpr size_t kUsualAddressSpace = size_t{1} << 30;

// aFrom's tree under aTo: real folders, and a link for each file.
void Mirror(const fs::path& aFrom, const fs::path& aTo)
{
    const fs::path from = fs::canonical(aFrom);
    fs::create_directories(aTo);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from))
    {
        const fs::path target = aTo / fs::relative(entry.path(), from);
        if (entry.is_directory())
        {
            fs::create_directories(target);
        }
        else
        {
            fs::create_symlink(entry.path(), target);
        }
    }
}
}  // namespace

GameFolder::GameFolder()
    : myRoot(fs::temp_directory_path() / ("marrowen_games_" + std::to_string(getpid())))
{
    fs::remove_all(myRoot);
    fs::create_directories(myRoot);
}

GameFolder::~GameFolder()
{
    std::error_code ignored;
    fs::remove_all(myRoot, ignored);
}

fs::path GameFolder::BuildFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

fs::path GameFolder::MakeCopy(const std::string& aName) const
{
    fs::path copy = myRoot / aName;
    fs::remove_all(copy);
    fs::create_directories(copy);
    // The game finds its data beside its own file, which a symbolic link would not move.
    std::error_code error;
    fs::create_hard_link(BuildFolder() / "marrowen", copy / "marrowen", error);
    if (error)
    {
        fs::copy_file(BuildFolder() / "marrowen", copy / "marrowen");
    }
    for (const char* data : {"img", "aud", "dialogue"})
    {
        Mirror(BuildFolder() / data, copy / data);
    }
    return copy;
}

void GameFolder::Remove(const fs::path& aCopy) const
{
    std::error_code ignored;
    fs::remove_all(aCopy, ignored);
}

ChildOptions GameFolder::Limits()
{
    ChildOptions options;
#if !MARROWEN_SANITIZED
    options.myAddressSpace = kUsualAddressSpace + (size_t{1} << 30);
#endif
    return options;
}

std::chrono::milliseconds GameFolder::Scaled(std::chrono::milliseconds aLimit)
{
#if MARROWEN_SANITIZED
    return aLimit * 3;
#else
    return aLimit;
#endif
}
}  // namespace reliability
