#pragma once
// Where every generated file goes. Each part of the generator hands its pictures, font and
// music to one ContentWriter, which writes them under the output folder and keeps the list of
// every file written (the tests walk that list).
#include <cstdint>
#include <string>
#include <vector>

namespace content
{
// A picture as 32-bit ARGB pixels (0xAARRGGBB), row after row, not premultiplied.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

enum class PictureFormat
{
    DdsArgb8888,  // uncompressed 32-bit DDS
    DdsDxt1,
    DdsDxt3,
    DdsDxt5,
    Bmp24,
    Png,
    Jpeg,
};

class ContentWriter
{
public:
    explicit ContentWriter(std::string aOutputFolder);

    // aPath is relative to the output folder ("img/Levels/scene_cave.dds"); folders are made
    // as needed. Ends the generator with a message naming the file if it cannot be written.
    void WritePicture(const std::string& aPath, const Image& aImage, PictureFormat aFormat);
    void WriteBytes(const std::string& aPath, const std::vector<uint8_t>& aBytes);

    // Every path written so far, relative to the output folder, in the order written.
    const std::vector<std::string>& Written() const { return myWritten; }

private:
    std::string myOutputFolder;
    std::vector<std::string> myWritten;
};

// Encodes a picture in one of the formats above (deterministic bytes).
std::vector<uint8_t> EncodePicture(const Image& aImage, PictureFormat aFormat);
// Reads back a picture file in any of the formats above; false with the reason in aProblem.
bool ReadPicture(const std::string& aPath, Image& aImage, std::string& aProblem);
}  // namespace content
