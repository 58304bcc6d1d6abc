#include "ddsreader.h"

#include <squish.h>

#include <algorithm>
#include <cstring>

namespace platform
{
namespace
{
constexpr size_t kHeaderSize = 128;  // magic + 124-byte header
constexpr uint32_t kHeaderPitch = 0x8;
constexpr uint32_t kPixelAlpha = 0x1;
constexpr uint32_t kPixelFourCc = 0x4;
constexpr uint32_t kPixelRgb = 0x40;

uint32_t ReadU32(const uint8_t* aData)
{
    return static_cast<uint32_t>(aData[0]) | static_cast<uint32_t>(aData[1]) << 8 |
           static_cast<uint32_t>(aData[2]) << 16 | static_cast<uint32_t>(aData[3]) << 24;
}

constexpr uint32_t FourCc(char a, char b, char c, char d)
{
    return static_cast<uint32_t>(a) | static_cast<uint32_t>(b) << 8 |
           static_cast<uint32_t>(c) << 16 | static_cast<uint32_t>(d) << 24;
}

struct DdsHeader
{
    uint32_t headerSize;
    uint32_t flags;
    uint32_t height;
    uint32_t width;
    uint32_t pitch;
    uint32_t formatSize;
    uint32_t formatFlags;
    uint32_t fourCc;
    uint32_t bitCount;
    uint32_t masks[4];  // red, green, blue, alpha
};

DdsHeader ParseHeader(const uint8_t* aData)
{
    DdsHeader header{};
    header.headerSize = ReadU32(aData + 4);
    header.flags = ReadU32(aData + 8);
    header.height = ReadU32(aData + 12);
    header.width = ReadU32(aData + 16);
    header.pitch = ReadU32(aData + 20);
    header.formatSize = ReadU32(aData + 76);
    header.formatFlags = ReadU32(aData + 80);
    header.fourCc = ReadU32(aData + 84);
    header.bitCount = ReadU32(aData + 88);
    for (size_t i = 0; i < 4; ++i)
    {
        header.masks[i] = ReadU32(aData + 92 + 4 * i);
    }
    return header;
}

// One channel of a packed pixel: where its bits are and how to widen them to 8 bits.
class Channel
{
public:
    explicit Channel(uint32_t aMask) : myMask(aMask)
    {
        if (myMask == 0)
        {
            return;
        }
        while (((myMask >> myShift) & 1u) == 0)
        {
            ++myShift;
        }
        myMax = myMask >> myShift;
    }

    // True when the mask is one run of bits (the only layout a DDS writer produces).
    bool IsContiguous() const { return myMask == 0 || (myMax & (myMax + 1)) == 0; }

    uint32_t Extract(uint32_t aPixel, uint32_t aMissing) const
    {
        if (myMask == 0)
        {
            return aMissing;
        }
        const uint32_t value = (aPixel & myMask) >> myShift;
        return static_cast<uint32_t>((static_cast<uint64_t>(value) * 255 + myMax / 2) / myMax);
    }

private:
    uint32_t myMask;
    uint32_t myShift = 0;
    uint32_t myMax = 0;
};

bool DecodeUncompressed(const DdsHeader& aHeader, const uint8_t* aPixels, size_t aAvailable,
                        DecodedImage& aImage, std::string& aProblem)
{
    const uint32_t bytesPerPixel = aHeader.bitCount / 8;
    if (aHeader.bitCount != 16 && aHeader.bitCount != 24 && aHeader.bitCount != 32)
    {
        aProblem = "unsupported DDS bit count " + std::to_string(aHeader.bitCount);
        return false;
    }
    const bool hasAlpha = (aHeader.formatFlags & kPixelAlpha) != 0;
    const Channel red(aHeader.masks[0]);
    const Channel green(aHeader.masks[1]);
    const Channel blue(aHeader.masks[2]);
    const Channel alpha(hasAlpha ? aHeader.masks[3] : 0);
    const uint32_t usable = aHeader.bitCount == 32 ? 0xFFFFFFFFu : (1u << aHeader.bitCount) - 1;
    for (const Channel* channel : {&red, &green, &blue, &alpha})
    {
        if (!channel->IsContiguous())
        {
            aProblem = "corrupt DDS channel masks";
            return false;
        }
    }
    if (((aHeader.masks[0] | aHeader.masks[1] | aHeader.masks[2] |
          (hasAlpha ? aHeader.masks[3] : 0)) &
         ~usable) != 0)
    {
        aProblem = "corrupt DDS channel masks";
        return false;
    }
    // Rows may be padded when the header gives their pitch; never shorter than the pixels.
    const uint64_t rowBytes = uint64_t{aHeader.width} * bytesPerPixel;
    uint64_t stride = rowBytes;
    if ((aHeader.flags & kHeaderPitch) != 0 && aHeader.pitch != 0)
    {
        if (aHeader.pitch < rowBytes)
        {
            aProblem = "corrupt DDS pitch " + std::to_string(aHeader.pitch) + " (a row is " +
                       std::to_string(rowBytes) + " bytes)";
            return false;
        }
        stride = aHeader.pitch;
    }
    const uint64_t needed = stride * (aHeader.height - 1) + rowBytes;
    if (needed > aAvailable)
    {
        aProblem = "truncated DDS pixel data";
        return false;
    }
    aImage.pixels.resize(size_t{aHeader.width} * aHeader.height);
    uint32_t* target = aImage.pixels.data();
    for (uint32_t y = 0; y < aHeader.height; ++y)
    {
        const uint8_t* source = aPixels + y * stride;
        for (uint32_t x = 0; x < aHeader.width; ++x, source += bytesPerPixel)
        {
            uint32_t packed = 0;
            for (uint32_t b = 0; b < bytesPerPixel; ++b)
            {
                packed |= static_cast<uint32_t>(source[b]) << (8 * b);
            }
            *target++ = alpha.Extract(packed, 255) << 24 | red.Extract(packed, 0) << 16 |
                        green.Extract(packed, 0) << 8 | blue.Extract(packed, 0);
        }
    }
    return true;
}

bool DecodeBlocks(const DdsHeader& aHeader, const uint8_t* aBlocks, size_t aAvailable,
                  DecodedImage& aImage, std::string& aProblem)
{
    int flags = 0;
    uint64_t blockSize = 16;
    const char* name = "";
    switch (aHeader.fourCc)
    {
        case FourCc('D', 'X', 'T', '1'):
            flags = squish::kDxt1;
            blockSize = 8;
            name = "DXT1";
            break;
        case FourCc('D', 'X', 'T', '3'):
            flags = squish::kDxt3;
            name = "DXT3";
            break;
        case FourCc('D', 'X', 'T', '5'):
            flags = squish::kDxt5;
            name = "DXT5";
            break;
        default:
        {
            char code[5] = {};
            std::memcpy(code, &aHeader.fourCc, 4);
            for (char& c : code)
            {
                c = (c >= 32 && c < 127) || c == '\0' ? c : '?';
            }
            aProblem = std::string("unsupported DDS compression '") + code + "'";
            return false;
        }
    }
    const uint64_t needed =
        uint64_t{(aHeader.width + 3) / 4} * ((aHeader.height + 3) / 4) * blockSize;
    if (needed > aAvailable)
    {
        aProblem = std::string("truncated ") + name + " data";
        return false;
    }
    aImage.pixels.resize(size_t{aHeader.width} * aHeader.height);
    // Block by block straight into the picture: no second picture-sized buffer to fill and
    // copy, which at start-up costs more than the decoding itself.
    const int width = aImage.width;
    const int height = aImage.height;
    const uint8_t* block = aBlocks;
    uint8_t rgba[16 * 4];
    for (int top = 0; top < height; top += 4)
    {
        for (int left = 0; left < width; left += 4, block += blockSize)
        {
            squish::Decompress(rgba, block, flags);
            for (int y = top; y < std::min(top + 4, height); ++y)
            {
                uint32_t* row = &aImage.pixels[static_cast<size_t>(y) * static_cast<size_t>(width)];
                for (int x = left; x < std::min(left + 4, width); ++x)
                {
                    const uint8_t* p = &rgba[static_cast<size_t>(((y - top) * 4 + (x - left)) * 4)];
                    row[x] = static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 |
                             static_cast<uint32_t>(p[1]) << 8 | p[2];
                }
            }
        }
    }
    return true;
}
}  // namespace

bool LooksLikeDds(const uint8_t* aData, size_t aSize)
{
    return aSize >= 4 && std::memcmp(aData, "DDS ", 4) == 0;
}

bool DecodeDds(const uint8_t* aData, size_t aSize, DecodedImage& aImage, std::string& aProblem)
{
    if (aSize < kHeaderSize)
    {
        aProblem = "truncated DDS header";
        return false;
    }
    const DdsHeader header = ParseHeader(aData);
    if (!LooksLikeDds(aData, aSize) || header.headerSize != 124 || header.formatSize != 32)
    {
        aProblem = "corrupt DDS header";
        return false;
    }
    if (header.width == 0 || header.height == 0 || header.width > kMaxPictureSide ||
        header.height > kMaxPictureSide)
    {
        aProblem = "corrupt DDS size " + std::to_string(header.width) + " x " +
                   std::to_string(header.height);
        return false;
    }
    if (uint64_t{header.width} * header.height > kMaxPicturePixels)
    {
        aProblem = "DDS picture too large (" + std::to_string(header.width) + " x " +
                   std::to_string(header.height) + ")";
        return false;
    }
    aImage.width = static_cast<int>(header.width);
    aImage.height = static_cast<int>(header.height);
    const uint8_t* body = aData + kHeaderSize;
    const size_t available = aSize - kHeaderSize;
    if (header.formatFlags & kPixelFourCc)
    {
        if (header.fourCc == FourCc('D', 'X', '1', '0'))
        {
            aProblem = "unsupported DDS format (DX10 header)";
            return false;
        }
        return DecodeBlocks(header, body, available, aImage, aProblem);
    }
    if (header.formatFlags & kPixelRgb)
    {
        return DecodeUncompressed(header, body, available, aImage, aProblem);
    }
    aProblem = "unsupported DDS pixel format";
    return false;
}
}  // namespace platform
