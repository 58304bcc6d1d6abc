// marrowen-standins BUILD_FOLDER OUT_FOLDER
// Writes the stand-in world the tests load instead of the real art (standinworld.h): the same
// file names as BUILD_FOLDER/img, every picture a small uncompressed stand-in except those whose
// sizes the game's rules measure; the lines and the music are linked, not copied.
#include <cstdio>
#include <filesystem>
#include <string>

#include "testpictures.h"

namespace
{
namespace fs = std::filesystem;

// The collision maps, the font and the lists of the overlays' parts are kept as they are.
bool KeptReal(const fs::path& aRelative)
{
    const std::string name = aRelative.filename().string();
    return aRelative.parent_path() == "img/Font" || name.rfind("collision", 0) == 0 ||
           name.rfind("collission", 0) == 0 || aRelative.extension() == ".parts";
}

// The heroine's frames are 64 x 128: a walk sheet holds sixteen of them.
int HeroineSheetWidth(const fs::path& aRelative)
{
    if (aRelative.parent_path() != "img/animation/HeroineAni")
    {
        return 0;
    }
    return aRelative.filename().string().rfind("h_walk", 0) == 0 ? 64 * 16 : 64;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        fprintf(stderr, "usage: marrowen-standins BUILD_FOLDER OUT_FOLDER\n");
        return 2;
    }
    const fs::path build = argv[1];
    const fs::path out = argv[2];
    fs::remove_all(out);
    const std::vector<uint8_t> standIn =
        testpictures::DdsArgb32(testpictures::Filled(16, 16, 0xFF808080u));
    for (const auto& entry : fs::recursive_directory_iterator(build / "img"))
    {
        if (!entry.is_regular_file())
        {
            continue;
        }
        const fs::path relative = entry.path().lexically_relative(build);
        const fs::path target = out / relative;
        fs::create_directories(target.parent_path());
        if (KeptReal(relative))
        {
            fs::copy_file(entry.path(), target);
        }
        else if (const int width = HeroineSheetWidth(relative))
        {
            testpictures::WriteFile(
                target, testpictures::DdsArgb32(testpictures::Filled(width, 128, 0xFFC04020u)));
        }
        else
        {
            testpictures::WriteFile(target, standIn);
        }
    }
    fs::create_directory_symlink(fs::absolute(build / "aud"), out / "aud");
    fs::create_directory_symlink(fs::absolute(build / "dialogue"), out / "dialogue");
    return 0;
}
