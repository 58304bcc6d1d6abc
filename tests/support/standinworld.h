#pragma once
// A data folder for tests that set up scenes or a whole game without decoding the real art:
// every picture the game loads, under its own name, as a small one-colour stand-in, written at
// build time by marrowen-standins from the files the content generator made. Uncompressed
// DDS, so nothing is compressed or decompressed. What the game's rules measure stays real: the
// collision maps, the heroine's 64 x 128 frames, the font, the lines and the music are the
// game's own. A test that needs a picture of its own takes a layer over this folder.
#include <filesystem>
#include <string>

#include "testpictures.h"

namespace standinworld
{
namespace fs = std::filesystem;

// Beside the test programs, where the build wrote it.
inline fs::path Folder()
{
    return fs::read_symlink("/proc/self/exe").parent_path() / "standin-world";
}

// A folder of aName's own over the stand-in world: every file is a link to the world's, and
// WritePicture replaces one. Removed with the layer object.
class Layer
{
public:
    explicit Layer(const std::string& aName) : myFolder(testpictures::TempFolder("layer_" + aName))
    {
        const fs::path world = Folder();
        for (const auto& entry : fs::recursive_directory_iterator(
                 world, fs::directory_options::follow_directory_symlink))
        {
            const fs::path target = myFolder / entry.path().lexically_relative(world);
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

private:
    fs::path myFolder;
};
}  // namespace standinworld
