#include "ddsreader.h"

#include <squish.h>

#include <algorithm>
#include <cstring>

namespace platform
{
namespace
{
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
        if (myMax == 255)
        {
            return value;  // 8 bits already, as in most files: no division per pixel
        }
        return static_cast<uint32_t>((static_cast<uint64_t>(value) * 255 + myMax / 2) / myMax);
    }

private:
    uint32_t myMask;
    uint32_t myShift = 0;
    uint32_t myMax = 0;
};

// The rows' stride of an uncompressed picture, after checking that its layout can be read and
// that the file holds all its rows.
bool CheckUncompressed(const DdsHeader& aHeader, uint64_t aAvailable, uint64_t& aStride,
                       std::string& aProblem)
{
    const uint32_t bytesPerPixel = aHeader.bitCount / 8;
    if (aHeader.bitCount != 16 && aHeader.bitCount != 24 && aHeader.bitCount != 32)
    {
        aProblem = "unsupported DDS bit count " + std::to_string(aHeader.bitCount);
        return false;
    }
    const bool hasAlpha = (aHeader.formatFlags & kPixelAlpha) != 0;
    const uint32_t usable = aHeader.bitCount == 32 ? 0xFFFFFFFFu : (1u << aHeader.bitCount) - 1;
    for (size_t i = 0; i < 4; ++i)
    {
        if (!Channel(i < 3 || hasAlpha ? aHeader.masks[i] : 0).IsContiguous())
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
    aStride = rowBytes;
    if ((aHeader.flags & kHeaderPitch) != 0 && aHeader.pitch != 0)
    {
        if (aHeader.pitch < rowBytes)
        {
            aProblem = "corrupt DDS pitch " + std::to_string(aHeader.pitch) + " (a row is " +
                       std::to_string(rowBytes) + " bytes)";
            return false;
        }
        aStride = aHeader.pitch;
    }
    if (aStride * (aHeader.height - 1) + rowBytes > aAvailable)
    {
        aProblem = "truncated DDS pixel data";
        return false;
    }
    return true;
}

void DecodeUncompressed(const DdsHeader& aHeader, const uint8_t* aPixels, uint64_t aStride,
                        DecodedImage& aImage)
{
    const uint32_t bytesPerPixel = aHeader.bitCount / 8;
    const bool hasAlpha = (aHeader.formatFlags & kPixelAlpha) != 0;
    const Channel red(aHeader.masks[0]);
    const Channel green(aHeader.masks[1]);
    const Channel blue(aHeader.masks[2]);
    const Channel alpha(hasAlpha ? aHeader.masks[3] : 0);
    aImage.pixels.resize(size_t{aHeader.width} * aHeader.height);
    uint32_t* target = aImage.pixels.data();
    // The usual A8R8G8B8 layout is the picture's own, byte for byte (on little-endian
    // machines, the only ones the game runs on).
    if (aHeader.bitCount == 32 && hasAlpha && aHeader.masks[0] == 0x00FF0000u &&
        aHeader.masks[1] == 0x0000FF00u && aHeader.masks[2] == 0x000000FFu &&
        aHeader.masks[3] == 0xFF000000u)
    {
        for (uint32_t y = 0; y < aHeader.height; ++y, target += aHeader.width)
        {
            std::memcpy(target, aPixels + y * aStride, size_t{aHeader.width} * 4);
        }
        return;
    }
    for (uint32_t y = 0; y < aHeader.height; ++y)
    {
        const uint8_t* source = aPixels + y * aStride;
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
}

// The kind of blocks and their bytes, after checking that the file holds them all.
bool CheckBlocks(const DdsHeader& aHeader, uint64_t aAvailable, DdsLayout& aLayout,
                 std::string& aProblem)
{
    const char* name = "";
    switch (aHeader.fourCc)
    {
        case FourCc('D', 'X', 'T', '1'):
            aLayout.blocks = DdsBlocks::Dxt1;
            name = "DXT1";
            break;
        case FourCc('D', 'X', 'T', '3'):
            aLayout.blocks = DdsBlocks::Dxt3;
            name = "DXT3";
            break;
        case FourCc('D', 'X', 'T', '5'):
            aLayout.blocks = DdsBlocks::Dxt5;
            name = "DXT5";
            break;
        case FourCc('D', 'X', '1', '0'):
            aProblem = "unsupported DDS format (DX10 header)";
            return false;
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
    const uint64_t needed = uint64_t{(aHeader.width + 3) / 4} * ((aHeader.height + 3) / 4) *
                            DxtBlockBytes(aLayout.blocks);
    if (needed > aAvailable)
    {
        aProblem = std::string("truncated ") + name + " data";
        return false;
    }
    aLayout.bodyBytes = static_cast<size_t>(needed);
    return true;
}

// Reads and checks everything the header says, against the aFileSize bytes of the file.
bool CheckHeader(const uint8_t* aData, size_t aFileSize, DdsHeader& aHeader, DdsLayout& aLayout,
                 std::string& aProblem)
{
    if (aFileSize < kDdsHeaderSize)
    {
        aProblem = "truncated DDS header";
        return false;
    }
    aHeader = ParseHeader(aData);
    if (!LooksLikeDds(aData, aFileSize) || aHeader.headerSize != 124 || aHeader.formatSize != 32)
    {
        aProblem = "corrupt DDS header";
        return false;
    }
    if (aHeader.width == 0 || aHeader.height == 0 || aHeader.width > kMaxPictureSide ||
        aHeader.height > kMaxPictureSide)
    {
        aProblem = "corrupt DDS size " + std::to_string(aHeader.width) + " x " +
                   std::to_string(aHeader.height);
        return false;
    }
    if (uint64_t{aHeader.width} * aHeader.height > kMaxPicturePixels)
    {
        aProblem = "DDS picture too large (" + std::to_string(aHeader.width) + " x " +
                   std::to_string(aHeader.height) + ")";
        return false;
    }
    aLayout.width = static_cast<int>(aHeader.width);
    aLayout.height = static_cast<int>(aHeader.height);
    const uint64_t available = aFileSize - kDdsHeaderSize;
    if (aHeader.formatFlags & kPixelFourCc)
    {
        return CheckBlocks(aHeader, available, aLayout, aProblem);
    }
    if (aHeader.formatFlags & kPixelRgb)
    {
        uint64_t stride = 0;
        aLayout.blocks = DdsBlocks::None;
        return CheckUncompressed(aHeader, available, stride, aProblem);
    }
    aProblem = "unsupported DDS pixel format";
    return false;
}
}  // namespace

bool LooksLikeDds(const uint8_t* aData, size_t aSize)
{
    return aSize >= 4 && std::memcmp(aData, "DDS ", 4) == 0;
}

size_t DxtBlockBytes(DdsBlocks aBlocks)
{
    return aBlocks == DdsBlocks::Dxt1 ? 8 : 16;
}

bool ReadDdsLayout(const uint8_t* aHeader, size_t aFileSize, DdsLayout& aLayout,
                   std::string& aProblem)
{
    DdsHeader header{};
    return CheckHeader(aHeader, aFileSize, header, aLayout, aProblem);
}

void DecodeDxt(const DdsLayout& aLayout, const uint8_t* aBlocks, DecodedImage& aImage)
{
    const int flags = aLayout.blocks == DdsBlocks::Dxt1   ? squish::kDxt1
                      : aLayout.blocks == DdsBlocks::Dxt3 ? squish::kDxt3
                                                          : squish::kDxt5;
    const size_t blockSize = DxtBlockBytes(aLayout.blocks);
    const int width = aLayout.width;
    const int height = aLayout.height;
    aImage.width = width;
    aImage.height = height;
    aImage.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    // Block by block straight into the picture: no second picture-sized buffer to fill and
    // copy, which costs more than the decoding itself.
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
}

bool DecodeDds(const uint8_t* aData, size_t aSize, DecodedImage& aImage, std::string& aProblem)
{
    DdsHeader header{};
    DdsLayout layout;
    if (!CheckHeader(aData, aSize, header, layout, aProblem))
    {
        return false;
    }
    const uint8_t* body = aData + kDdsHeaderSize;
    if (layout.blocks != DdsBlocks::None)
    {
        DecodeDxt(layout, body, aImage);
        return true;
    }
    uint64_t stride = 0;
    CheckUncompressed(header, aSize - kDdsHeaderSize, stride, aProblem);
    aImage.width = layout.width;
    aImage.height = layout.height;
    DecodeUncompressed(header, body, stride, aImage);
    return true;
}
}  // namespace platform
