#pragma once
// A data folder for tests that set up scenes or a whole game without decoding the real art:
// every picture the game loads, as a small one-colour stand-in, written once per test program
// from the list of files the content generator made. Uncompressed DDS, so nothing is
// compressed or decompressed. What the game's rules measure stays real: the collision maps,
// the heroine's 64 x 128 frames, the font, the lines and the music are the game's own. A test
// that needs a picture of its own takes a layer over this folder and writes it there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "testpictures.h"

namespace standinworld
{
namespace fs = std::filesystem;

// The folder of the running test program, where the build put the game's content.
inline fs::path BuildFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

namespace detail
{
// Files the rules measure are the real ones; every other picture is a 16 x 16 stand-in.
inline bool KeptReal(const fs::path& aRelative)
{
    const std::string name = aRelative.filename().string();
    const std::string folder = aRelative.parent_path().string();
    return folder == "img/Font" || name.rfind("collision", 0) == 0 ||
           name.rfind("collission", 0) == 0;
}

// The heroine's sheets: stand frames 64 x 128, walk sheets of sixteen such frames.
inline bool HeroineSheet(const fs::path& aRelative, int& aWidth)
{
    if (aRelative.parent_path() != "img/animation/HeroineAni")
    {
        return false;
    }
    aWidth = aRelative.filename().string().rfind("h_walk", 0) == 0 ? 64 * 16 : 64;
    return true;
}

// Links aFrom's files into aTo, folder by folder, so each one can be replaced on its own.
inline void LinkTree(const fs::path& aFrom, const fs::path& aTo)
{
    for (const auto& entry :
         fs::recursive_directory_iterator(aFrom, fs::directory_options::follow_directory_symlink))
    {
        const fs::path target = aTo / entry.path().lexically_relative(aFrom);
        if (entry.is_directory())
        {
            fs::create_directories(target);
        }
        else
        {
            fs::create_symlink(fs::canonical(entry.path()), target);
        }
    }
}

class World
{
public:
    World() : myFolder(testpictures::TempFolder("standin_world"))
    {
        const fs::path build = BuildFolder();
        const std::vector<uint8_t> standIn =
            testpictures::DdsArgb32(testpictures::Filled(16, 16, 0xFF808080u));
        for (const auto& entry : fs::recursive_directory_iterator(build / "img"))
        {
            if (!entry.is_regular_file())
            {
                continue;
            }
            const fs::path relative = entry.path().lexically_relative(build);
            int width = 0;
            if (KeptReal(relative))
            {
                fs::create_directories((myFolder / relative).parent_path());
                fs::copy_file(entry.path(), myFolder / relative);
            }
            else if (HeroineSheet(relative, width))
            {
                testpictures::WriteFile(
                    myFolder / relative,
                    testpictures::DdsArgb32(testpictures::Filled(width, 128, 0xFFC04020u)));
            }
            else
            {
                testpictures::WriteFile(myFolder / relative, standIn);
            }
        }
        fs::create_symlink(build / "aud", myFolder / "aud");
        fs::create_symlink(build / "dialogue", myFolder / "dialogue");
    }
    ~World() { fs::remove_all(myFolder); }
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    const fs::path& Folder() const { return myFolder; }

private:
    fs::path myFolder;
};
}  // namespace detail

// The stand-in world, written on first use and removed when the test program ends.
inline const fs::path& Folder()
{
    static const detail::World world;
    return world.Folder();
}

// A folder of aName's own over the stand-in world: every file is a link to the world's, and
// WritePicture replaces one. Removed with the layer object.
class Layer
{
public:
    explicit Layer(const std::string& aName) : myFolder(testpictures::TempFolder("layer_" + aName))
    {
        detail::LinkTree(Folder(), myFolder);
    }
    ~Layer() { fs::remove_all(myFolder); }
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    const fs::path& GetFolder() const { return myFolder; }

    // Replaces the file the game loads as aGamePath (whatever its extension says: the engine
    // tells formats apart by their first bytes).
    void WritePicture(const std::string& aGamePath, const testpictures::Picture& aPicture) const
    {
        fs::remove(myFolder / aGamePath);
        testpictures::WriteFile(myFolder / aGamePath, testpictures::DdsArgb32(aPicture));
    }
    void WritePicture(const std::string& aGamePath, int aWidth, int aHeight,
                      uint32_t aColor = 0xFFFFFFFF) const
    {
        WritePicture(aGamePath, testpictures::Filled(aWidth, aHeight, aColor));
    }

private:
    fs::path myFolder;
};
}  // namespace standinworld
