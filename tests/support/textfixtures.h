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
    const int rowSize = (aWidth * 3 + 3) / 4 * 4;
    const uint32_t dataSize = static_cast<uint32_t>(rowSize * aHeight);
    std::vector<uint8_t> bytes(54 + dataSize, 0);
    auto put32 = [&bytes](size_t aAt, uint32_t aValue)
    {
        for (int i = 0; i < 4; ++i)
        {
            bytes[aAt + i] = static_cast<uint8_t>(aValue >> (8 * i));
        }
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54 + dataSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(aWidth));
    put32(22, static_cast<uint32_t>(aHeight));
    bytes[26] = 1;
    bytes[28] = 24;
    put32(34, dataSize);
    for (int y = 0; y < aHeight; ++y)
    {
        for (int x = 0; x < aWidth; ++x)
        {
            uint8_t* pixel = &bytes[54 + static_cast<size_t>(y * rowSize + x * 3)];
            pixel[0] = static_cast<uint8_t>(aRgb);
            pixel[1] = static_cast<uint8_t>(aRgb >> 8);
            pixel[2] = static_cast<uint8_t>(aRgb >> 16);
        }
    }
    WriteText(aPath, std::string(bytes.begin(), bytes.end()));
}

// An empty folder of its own for one test, as an absolute path ending in "/".
inline std::string ScratchFolder(const std::string& aName)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "marrowen-tests" / ("text-" + aName);
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
