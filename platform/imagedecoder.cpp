#include "imagedecoder.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "ddsreader.h"

namespace platform
{
namespace
{
// No single block stb_image asks for may exceed this: a small file must not make it reserve
// gigabytes (a zlib stream that inflates without end, a header that lies about the size).
constexpr size_t kMaxDecoderBlock = size_t{256} << 20;

void* DecoderMalloc(size_t aSize)
{
    return aSize > kMaxDecoderBlock ? nullptr : std::malloc(aSize);
}

void* DecoderRealloc(void* aBlock, size_t aSize)
{
    return aSize > kMaxDecoderBlock ? nullptr : std::realloc(aBlock, aSize);
}
}  // namespace
}  // namespace platform

#define STBI_MALLOC(aSize) platform::DecoderMalloc(aSize)
#define STBI_REALLOC(aBlock, aSize) platform::DecoderRealloc(aBlock, aSize)
#define STBI_FREE(aBlock) std::free(aBlock)
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

uint32_t ReadBigU32(const uint8_t* aData)
{
    return static_cast<uint32_t>(aData[0]) << 24 | static_cast<uint32_t>(aData[1]) << 16 |
           static_cast<uint32_t>(aData[2]) << 8 | aData[3];
}

// The CRC-32 of PNG chunks (and zlib), bit by bit: pictures are few and small.
uint32_t Crc32(const uint8_t* aData, size_t aSize)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < aSize; ++i)
    {
        crc ^= aData[i];
        for (int bit = 0; bit < 8; ++bit)
        {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// stb_image accepts a PNG whose last chunks are missing and never checks a chunk's CRC, so
// the chunks are walked up to IEND first, each checked whole.
bool PngIsComplete(const uint8_t* aData, size_t aSize, std::string& aProblem)
{
    size_t offset = 8;
    while (offset + 12 <= aSize)
    {
        const uint32_t length = ReadBigU32(aData + offset);
        if (length > aSize - offset - 12)
        {
            break;
        }
        const uint8_t* type = aData + offset + 4;
        if (Crc32(type, size_t{length} + 4) != ReadBigU32(type + 4 + length))
        {
            const bool printable = std::all_of(
                type, type + 4,
                [](uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
            aProblem = "corrupt PNG chunk " +
                       (printable ? std::string(reinterpret_cast<const char*>(type), 4)
                                  : std::string("at byte ") + std::to_string(offset)) +
                       " (checksum mismatch)";
            return false;
        }
        if (std::memcmp(type, "IEND", 4) == 0)
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

// Every Huffman table's codes, counted by length: stb_image 2.27 writes past its table when
// they add up to more than 256, so the JPEG's segments are walked first (the scans' coded
// data skipped) and such a table refused.
bool JpegTablesFit(const uint8_t* aData, size_t aSize, std::string& aProblem)
{
    size_t at = 2;  // after the start-of-image marker
    while (at + 4 <= aSize)
    {
        const uint8_t marker = aData[at + 1];
        if (aData[at] != 0xFF || marker == 0xFF || marker == 0x01 ||
            (marker >= 0xD0 && marker <= 0xD7))
        {
            ++at;  // fill bytes, and markers without a length
            continue;
        }
        if (marker == 0xD9)
        {
            break;
        }
        const size_t end = at + 2 + (size_t{aData[at + 2]} << 8 | aData[at + 3]);
        // stb_image reads a table's sixteen counts even where the file has ended (as zeros).
        for (size_t table = at + 4; marker == 0xC4 && table < end;)
        {
            size_t codes = 0;
            for (size_t count = table + 1; count < table + 17 && count < aSize; ++count)
            {
                codes += aData[count];
            }
            if (codes > 256)
            {
                aProblem =
                    "corrupt JPEG data (a Huffman table of " + std::to_string(codes) + " codes)";
                return false;
            }
            table += 17 + codes;
        }
        at = end;
        // After a scan's header its coded data runs to the next marker (0xFF 0x00 is data).
        while (marker == 0xDA && at + 1 < aSize &&
               !(aData[at] == 0xFF && aData[at + 1] != 0 &&
                 (aData[at + 1] < 0xD0 || aData[at + 1] > 0xD7)))
        {
            ++at;
        }
    }
    return true;
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
    // The size from the header alone, before stb_image reserves anything for it.
    if (stbi_info_from_memory(aData, static_cast<int>(aSize), &width, &height, &channels) == 1 &&
        int64_t{width} * height > kMaxPicturePixels)
    {
        aProblem = std::string(aFormat) + " picture too large (" + std::to_string(width) + " x " +
                   std::to_string(height) + ")";
        return false;
    }
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

void NoteDecodedPicture()
{
    ++ourDecoded;
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
                   JpegTablesFit(aData, aSize, aProblem) &&
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
