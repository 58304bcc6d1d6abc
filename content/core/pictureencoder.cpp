// Encodes generated pictures into the file formats the game loads.
#include <squish.h>

#include <cstring>

#include "core/contentwriter.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBIW_WINDOWS_UTF8 0
#include <stb_image_write.h>

namespace content
{
namespace
{
void PutU16(std::vector<uint8_t>& aOut, uint32_t aValue)
{
    aOut.push_back(static_cast<uint8_t>(aValue));
    aOut.push_back(static_cast<uint8_t>(aValue >> 8));
}

void PutU32(std::vector<uint8_t>& aOut, uint32_t aValue)
{
    PutU16(aOut, aValue & 0xFFFF);
    PutU16(aOut, aValue >> 16);
}

// Pixels as R, G, B, A bytes, the order libsquish and stb expect.
std::vector<uint8_t> ToRgba(const Image& aImage)
{
    std::vector<uint8_t> rgba(aImage.pixels.size() * 4);
    for (size_t i = 0; i < aImage.pixels.size(); ++i)
    {
        const uint32_t argb = aImage.pixels[i];
        rgba[i * 4 + 0] = static_cast<uint8_t>(argb >> 16);
        rgba[i * 4 + 1] = static_cast<uint8_t>(argb >> 8);
        rgba[i * 4 + 2] = static_cast<uint8_t>(argb);
        rgba[i * 4 + 3] = static_cast<uint8_t>(argb >> 24);
    }
    return rgba;
}

constexpr uint32_t kDdsCaps = 0x1;
constexpr uint32_t kDdsHeight = 0x2;
constexpr uint32_t kDdsWidth = 0x4;
constexpr uint32_t kDdsPitch = 0x8;
constexpr uint32_t kDdsPixelFormat = 0x1000;
constexpr uint32_t kDdsLinearSize = 0x80000;
constexpr uint32_t kPixelAlpha = 0x1;
constexpr uint32_t kPixelFourCc = 0x4;
constexpr uint32_t kPixelRgb = 0x40;
constexpr uint32_t kCapsTexture = 0x1000;

uint32_t FourCc(const char* aCode)
{
    return static_cast<uint32_t>(aCode[0]) | static_cast<uint32_t>(aCode[1]) << 8 |
           static_cast<uint32_t>(aCode[2]) << 16 | static_cast<uint32_t>(aCode[3]) << 24;
}

std::vector<uint8_t> EncodeDds(const Image& aImage, PictureFormat aFormat)
{
    const bool compressed = aFormat != PictureFormat::DdsArgb8888;
    int squishFlags = 0;
    const char* fourCc = "";
    switch (aFormat)
    {
        case PictureFormat::DdsDxt1:
            squishFlags = squish::kDxt1;
            fourCc = "DXT1";
            break;
        case PictureFormat::DdsDxt3:
            squishFlags = squish::kDxt3;
            fourCc = "DXT3";
            break;
        default:
            squishFlags = squish::kDxt5;
            fourCc = "DXT5";
            break;
    }
    squishFlags |= squish::kColourIterativeClusterFit;

    std::vector<uint8_t> payload;
    if (compressed)
    {
        payload.resize(static_cast<size_t>(
            squish::GetStorageRequirements(aImage.width, aImage.height, squishFlags)));
        const std::vector<uint8_t> rgba = ToRgba(aImage);
        squish::CompressImage(rgba.data(), aImage.width, aImage.height, payload.data(),
                              squishFlags);
    }
    else
    {
        for (uint32_t pixel : aImage.pixels)
        {
            PutU32(payload, pixel);
        }
    }

    std::vector<uint8_t> out;
    PutU32(out, FourCc("DDS "));
    PutU32(out, 124);
    PutU32(out, kDdsCaps | kDdsHeight | kDdsWidth | kDdsPixelFormat |
                    (compressed ? kDdsLinearSize : kDdsPitch));
    PutU32(out, static_cast<uint32_t>(aImage.height));
    PutU32(out, static_cast<uint32_t>(aImage.width));
    PutU32(out, compressed ? static_cast<uint32_t>(payload.size())
                           : static_cast<uint32_t>(aImage.width * 4));
    PutU32(out, 0);  // depth
    PutU32(out, 0);  // mip levels
    for (int i = 0; i < 11; ++i)
    {
        PutU32(out, 0);
    }
    PutU32(out, 32);  // pixel format size
    PutU32(out, compressed ? kPixelFourCc : (kPixelRgb | kPixelAlpha));
    PutU32(out, compressed ? FourCc(fourCc) : 0);
    PutU32(out, compressed ? 0 : 32);
    PutU32(out, compressed ? 0 : 0x00FF0000);
    PutU32(out, compressed ? 0 : 0x0000FF00);
    PutU32(out, compressed ? 0 : 0x000000FF);
    PutU32(out, compressed ? 0 : 0xFF000000);
    PutU32(out, kCapsTexture);
    for (int i = 0; i < 4; ++i)
    {
        PutU32(out, 0);
    }
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

// 24-bit bottom-up BMP, rows padded to four bytes.
std::vector<uint8_t> EncodeBmp24(const Image& aImage)
{
    const uint32_t rowSize = (static_cast<uint32_t>(aImage.width) * 3 + 3) & ~3u;
    const uint32_t dataSize = rowSize * static_cast<uint32_t>(aImage.height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutU32(out, 54 + dataSize);
    PutU32(out, 0);
    PutU32(out, 54);
    PutU32(out, 40);
    PutU32(out, static_cast<uint32_t>(aImage.width));
    PutU32(out, static_cast<uint32_t>(aImage.height));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, 0);
    PutU32(out, dataSize);
    PutU32(out, 2835);
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = aImage.height - 1; y >= 0; --y)
    {
        const size_t rowStart = out.size();
        for (int x = 0; x < aImage.width; ++x)
        {
            const uint32_t argb =
                aImage.pixels[static_cast<size_t>(y) * static_cast<size_t>(aImage.width) +
                              static_cast<size_t>(x)];
            out.push_back(static_cast<uint8_t>(argb));
            out.push_back(static_cast<uint8_t>(argb >> 8));
            out.push_back(static_cast<uint8_t>(argb >> 16));
        }
        out.resize(rowStart + rowSize, 0);
    }
    return out;
}

void AppendBytes(void* aContext, void* aData, int aSize)
{
    auto* out = static_cast<std::vector<uint8_t>*>(aContext);
    const auto* bytes = static_cast<const uint8_t*>(aData);
    out->insert(out->end(), bytes, bytes + aSize);
}

std::vector<uint8_t> EncodeWithStb(const Image& aImage, PictureFormat aFormat)
{
    const std::vector<uint8_t> rgba = ToRgba(aImage);
    std::vector<uint8_t> out;
    if (aFormat == PictureFormat::Png)
    {
        stbi_write_png_to_func(AppendBytes, &out, aImage.width, aImage.height, 4, rgba.data(),
                               aImage.width * 4);
    }
    else
    {
        stbi_write_jpg_to_func(AppendBytes, &out, aImage.width, aImage.height, 4, rgba.data(), 92);
    }
    return out;
}
}  // namespace

std::vector<uint8_t> EncodePicture(const Image& aImage, PictureFormat aFormat)
{
    switch (aFormat)
    {
        case PictureFormat::Bmp24:
            return EncodeBmp24(aImage);
        case PictureFormat::Png:
        case PictureFormat::Jpeg:
            return EncodeWithStb(aImage, aFormat);
        default:
            return EncodeDds(aImage, aFormat);
    }
}
}  // namespace content
