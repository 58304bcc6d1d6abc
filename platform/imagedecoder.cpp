#include "imagedecoder.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "ddsreader.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#include <stb_image.h>

namespace platform
{
namespace
{
enum class Kind
{
    Unknown,
    Dds,
    Png,
    Jpeg,
    Bmp,
};

Kind KindOf(const uint8_t* aData, size_t aSize)
{
    static const uint8_t png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (LooksLikeDds(aData, aSize))
    {
        return Kind::Dds;
    }
    if (aSize >= 8 && std::memcmp(aData, png, 8) == 0)
    {
        return Kind::Png;
    }
    if (aSize >= 3 && aData[0] == 0xFF && aData[1] == 0xD8 && aData[2] == 0xFF)
    {
        return Kind::Jpeg;
    }
    if (aSize >= 2 && aData[0] == 'B' && aData[1] == 'M')
    {
        return Kind::Bmp;
    }
    return Kind::Unknown;
}

int32_t ReadI32(const uint8_t* aData)
{
    return static_cast<int32_t>(
        static_cast<uint32_t>(aData[0]) | static_cast<uint32_t>(aData[1]) << 8 |
        static_cast<uint32_t>(aData[2]) << 16 | static_cast<uint32_t>(aData[3]) << 24);
}

uint16_t ReadU16(const uint8_t* aData)
{
    return static_cast<uint16_t>(aData[0] | aData[1] << 8);
}

// stb_image reads missing BMP bytes as zeros, so the pixel rows are checked against the file
// length first.
bool BmpIsComplete(const uint8_t* aData, size_t aSize, std::string& aProblem)
{
    if (aSize < 26)
    {
        aProblem = "truncated BMP header";
        return false;
    }
    const uint32_t dibSize = static_cast<uint32_t>(ReadI32(aData + 14));
    const bool core = dibSize == 12;
    if (aSize < 14 + size_t{core ? 12u : 40u})
    {
        aProblem = "truncated BMP header";
        return false;
    }
    const int64_t offset = static_cast<uint32_t>(ReadI32(aData + 10));
    const int64_t width = core ? ReadU16(aData + 18) : ReadI32(aData + 18);
    const int64_t height = core ? ReadU16(aData + 20) : ReadI32(aData + 22);
    const int64_t bits = ReadU16(aData + (core ? 24 : 28));
    const int64_t compression = core ? 0 : ReadI32(aData + 30);
    if (width <= 0 || width > kMaxPictureSide || height == 0 || height < -kMaxPictureSide ||
        height > kMaxPictureSide)
    {
        aProblem = "corrupt BMP size";
        return false;
    }
    if (compression != 0 && compression != 3)
    {
        return true;  // compressed rows: their length is not known up front; stb checks them
    }
    const int64_t rowSize = (bits * width + 31) / 32 * 4;
    if (offset + rowSize * (height < 0 ? -height : height) > static_cast<int64_t>(aSize))
    {
        aProblem = "truncated BMP data";
        return false;
    }
    return true;
}

// stb_image accepts a PNG whose last chunks are missing, so the chunks are walked up to IEND.
bool PngIsComplete(const uint8_t* aData, size_t aSize, std::string& aProblem)
{
    size_t offset = 8;
    while (offset + 12 <= aSize)
    {
        const uint32_t length = static_cast<uint32_t>(aData[offset]) << 24 |
                                static_cast<uint32_t>(aData[offset + 1]) << 16 |
                                static_cast<uint32_t>(aData[offset + 2]) << 8 | aData[offset + 3];
        if (std::memcmp(aData + offset + 4, "IEND", 4) == 0)
        {
            return true;
        }
        offset += size_t{length} + 12;
    }
    aProblem = "truncated PNG data";
    return false;
}

// stb_image pads a cut-off JPEG with grey, so the end-of-image marker must follow the last
// scan.
bool JpegIsComplete(const uint8_t* aData, size_t aSize, std::string& aProblem)
{
    size_t lastScan = 0;
    for (size_t i = 0; i + 1 < aSize; ++i)
    {
        if (aData[i] == 0xFF && aData[i + 1] == 0xDA)
        {
            lastScan = i;
        }
    }
    for (size_t i = lastScan; lastScan != 0 && i + 1 < aSize; ++i)
    {
        if (aData[i] == 0xFF && aData[i + 1] == 0xD9)
        {
            return true;
        }
    }
    aProblem = "truncated JPEG data";
    return false;
}

bool DecodeWithStb(const uint8_t* aData, size_t aSize, const char* aFormat, DecodedImage& aImage,
                   std::string& aProblem)
{
    if (aSize > static_cast<size_t>(INT32_MAX))
    {
        aProblem = std::string(aFormat) + " file too large";
        return false;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> rgba(
        stbi_load_from_memory(aData, static_cast<int>(aSize), &width, &height, &channels, 4),
        &stbi_image_free);
    if (!rgba)
    {
        aProblem = std::string("corrupt ") + aFormat + " data (" + stbi_failure_reason() + ")";
        return false;
    }
    aImage.width = width;
    aImage.height = height;
    aImage.pixels.resize(size_t{static_cast<size_t>(width)} * static_cast<size_t>(height));
    for (size_t i = 0; i < aImage.pixels.size(); ++i)
    {
        const stbi_uc* p = rgba.get() + i * 4;
        aImage.pixels[i] = static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 |
                           static_cast<uint32_t>(p[1]) << 8 | p[2];
    }
    return true;
}
}  // namespace

namespace
{
std::atomic<int> ourDecoded{0};
}  // namespace

int DecodedPictureCount()
{
    return ourDecoded.load();
}

bool DecodeImage(const uint8_t* aData, size_t aSize, DecodedImage& aImage, std::string& aProblem)
{
    ++ourDecoded;
    switch (KindOf(aData, aSize))
    {
        case Kind::Dds:
            return DecodeDds(aData, aSize, aImage, aProblem);
        case Kind::Png:
            return PngIsComplete(aData, aSize, aProblem) &&
                   DecodeWithStb(aData, aSize, "PNG", aImage, aProblem);
        case Kind::Jpeg:
            return JpegIsComplete(aData, aSize, aProblem) &&
                   DecodeWithStb(aData, aSize, "JPEG", aImage, aProblem);
        case Kind::Bmp:
            return BmpIsComplete(aData, aSize, aProblem) &&
                   DecodeWithStb(aData, aSize, "BMP", aImage, aProblem);
        case Kind::Unknown:
            break;
    }
    aProblem = aSize == 0 ? "empty file" : "unknown picture format";
    return false;
}
}  // namespace platform
