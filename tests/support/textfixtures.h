#pragma once
// Small files for tests of fonts and conversation boxes: pictures (24-bit BMP, whatever the
// extension says; the engine tells formats apart by their first bytes), font descriptions and
// the full set of files a conversation box loads.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "testpictures.h"

namespace textfixtures
{
inline void WriteText(const std::string& aPath, const std::string& aText)
{
    std::filesystem::create_directories(std::filesystem::path(aPath).parent_path());
    std::ofstream file(aPath, std::ios::binary);
    file << aText;
    ASSERT_TRUE(file.good()) << aPath;
}

// A picture of aWidth x aHeight pixels, all of the colour aRgb (0xRRGGBB).
inline void WritePicture(const std::string& aPath, int aWidth, int aHeight,
                         uint32_t aRgb = 0xFFFFFF)
{
    testpictures::WriteFile(
        aPath, testpictures::Bmp24(testpictures::Filled(aWidth, aHeight, 0xFF000000u | aRgb)));
}

// An empty folder of its own for one test, as an absolute path ending in "/".
inline std::string ScratchFolder(const std::string& aName)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("marrowen-tests-" + std::to_string(getpid())) /
                                         ("text-" + aName);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

// Everything a conversation box loads, below aFolder: portraits (the empty one, the heroine's
// and the robot's) aPortraitWidth x 130, name plates 120 x 30, and a font whose printable
// characters are all aGlyphWidth pixels wide and 16 high, with no space before or after them.
inline void WriteConversationFiles(const std::string& aFolder, int aPortraitWidth,
                                   int aGlyphWidth = 10)
{
    const std::string pictures = aFolder + "img/Conversation/";
    WritePicture(pictures + "ConversationBox.dds", 64, 40);
    WritePicture(pictures + "EmptyPortrait.dds", aPortraitWidth, 130);
    WritePicture(pictures + "NameBox.dds", 120, 30);
    WritePicture(pictures + "heroinePortrait.dds", aPortraitWidth, 130, 0xC04020);
    WritePicture(pictures + "RobotPortrait.dds", aPortraitWidth, 130, 0x8090A0);
    std::string font = "[HGEFONT]\nBitmap=glyphs.png\n";
    for (int code = 0x20; code < 0x7F; ++code)
    {
        font += "Char=" + std::to_string(code / 16) + "0123456789ABCDEF"[code % 16] + ",0,0," +
                std::to_string(aGlyphWidth) + ",16,0,0\n";
    }
    WriteText(aFolder + "img/Font/HGE_font1.fnt", font);
    WritePicture(aFolder + "img/Font/glyphs.png", 32, 16);
}
}  // namespace textfixtures
