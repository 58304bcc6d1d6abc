#pragma once
// Small picture files for tests: any suite can write the fixtures it needs (uncompressed and
// DXT-compressed DDS, 24-bit BMP, PNG, JPEG) into a temporary folder. Pixels are 0xAARRGGBB,
// row after row from the top, as the engine decodes them.
#include <squish.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBIW_WINDOWS_UTF8 0
#include <stb/stb_image_write.h>

namespace testpictures
{
struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int aX, int aY) const
    {
        return pixels[static_cast<size_t>(aY) * static_cast<size_t>(width) +
                      static_cast<size_t>(aX)];
    }
};

// A picture of one colour.
inline Picture Filled(int aWidth, int aHeight, uint32_t aColor)
{
    return Picture{aWidth, aHeight,
                   std::vector<uint32_t>(static_cast<size_t>(aWidth * aHeight), aColor)};
}

// A fresh, empty folder under the system's temporary folder, unique to this process.
inline std::filesystem::path TempFolder(const std::string& aName)
{
    auto folder = std::filesystem::temp_directory_path() /
                  ("marrowen_" + aName + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// Writes bytes to a file, making its folders; returns the path as a string.
inline std::string WriteFile(const std::filesystem::path& aPath, const std::vector<uint8_t>& aBytes)
{
    std::filesystem::create_directories(aPath.parent_path());
    std::ofstream(aPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(aBytes.data()),
               static_cast<std::streamsize>(aBytes.size()));
    return aPath.string();
}

namespace detail
{
inline void PutU32(std::vector<uint8_t>& aOut, uint32_t aValue)
{
    for (int i = 0; i < 4; ++i)
    {
        aOut.push_back(static_cast<uint8_t>(aValue >> (8 * i)));
    }
}

inline std::vector<uint8_t> ToRgba(const Picture& aPicture)
{
    std::vector<uint8_t> rgba;
    rgba.reserve(aPicture.pixels.size() * 4);
    for (uint32_t argb : aPicture.pixels)
    {
        rgba.insert(rgba.end(), {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                                 static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)});
    }
    return rgba;
}

inline void AppendTo(void* aContext, void* aData, int aSize)
{
    auto* out = static_cast<std::vector<uint8_t>*>(aContext);
    const auto* bytes = static_cast<const uint8_t*>(aData);
    out->insert(out->end(), bytes, bytes + aSize);
}

inline uint32_t FourCc(const char* aCode)
{
    return static_cast<uint32_t>(aCode[0]) | static_cast<uint32_t>(aCode[1]) << 8 |
           static_cast<uint32_t>(aCode[2]) << 16 | static_cast<uint32_t>(aCode[3]) << 24;
}

// The 128-byte DDS header; aFourCc null for uncompressed pixels described by the masks.
inline std::vector<uint8_t> DdsHeader(int aWidth, int aHeight, const char* aFourCc,
                                      uint32_t aBitCount, const uint32_t aMasks[4])
{
    std::vector<uint8_t> out;
    PutU32(out, FourCc("DDS "));
    PutU32(out, 124);
    PutU32(out, 0x1 | 0x2 | 0x4 | 0x1000);  // caps, height, width, pixel format
    PutU32(out, static_cast<uint32_t>(aHeight));
    PutU32(out, static_cast<uint32_t>(aWidth));
    PutU32(out, aFourCc ? 0 : static_cast<uint32_t>(aWidth) * aBitCount / 8);
    for (int i = 0; i < 13; ++i)
    {
        PutU32(out, 0);  // depth, mip count, reserved
    }
    PutU32(out, 32);
    const uint32_t alphaFlag = !aFourCc && aMasks[3] != 0 ? 0x1 : 0;
    PutU32(out, aFourCc ? 0x4 : (0x40 | alphaFlag));
    PutU32(out, aFourCc ? FourCc(aFourCc) : 0);
    PutU32(out, aFourCc ? 0 : aBitCount);
    for (int i = 0; i < 4; ++i)
    {
        PutU32(out, aFourCc ? 0 : aMasks[i]);
    }
    PutU32(out, 0x1000);  // texture
    for (int i = 0; i < 4; ++i)
    {
        PutU32(out, 0);
    }
    return out;
}

// One 8-bit channel narrowed to the bits of aMask, in place.
inline uint32_t Pack(uint32_t aValue, uint32_t aMask)
{
    if (aMask == 0)
    {
        return 0;
    }
    int shift = 0;
    while (((aMask >> shift) & 1u) == 0)
    {
        ++shift;
    }
    const uint32_t max = aMask >> shift;
    return ((aValue * max + 127) / 255) << shift;
}
}  // namespace detail

// Uncompressed DDS of 16, 24 or 32 bits per pixel with the given red, green, blue and alpha
// masks (alpha mask 0: no alpha). Channels are narrowed to their masks by rounding.
inline std::vector<uint8_t> DdsUncompressed(const Picture& aPicture, uint32_t aBitCount,
                                            const uint32_t aMasks[4])
{
    std::vector<uint8_t> out =
        detail::DdsHeader(aPicture.width, aPicture.height, nullptr, aBitCount, aMasks);
    for (uint32_t argb : aPicture.pixels)
    {
        const uint32_t packed = detail::Pack((argb >> 16) & 0xFF, aMasks[0]) |
                                detail::Pack((argb >> 8) & 0xFF, aMasks[1]) |
                                detail::Pack(argb & 0xFF, aMasks[2]) |
                                detail::Pack(argb >> 24, aMasks[3]);
        for (uint32_t b = 0; b < aBitCount / 8; ++b)
        {
            out.push_back(static_cast<uint8_t>(packed >> (8 * b)));
        }
    }
    return out;
}

// 32-bit A8R8G8B8 DDS, the usual uncompressed layout.
inline std::vector<uint8_t> DdsArgb32(const Picture& aPicture)
{
    static const uint32_t masks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    return DdsUncompressed(aPicture, 32, masks);
}

// DXT-compressed DDS through libsquish; aFourCc "DXT1", "DXT3" or "DXT5".
inline std::vector<uint8_t> DdsDxt(const Picture& aPicture, const char* aFourCc)
{
    const std::string code(aFourCc);
    const int flags = (code == "DXT1"   ? squish::kDxt1
                       : code == "DXT3" ? squish::kDxt3
                                        : squish::kDxt5) |
                      squish::kColourClusterFit;
    std::vector<uint8_t> blocks(static_cast<size_t>(
        squish::GetStorageRequirements(aPicture.width, aPicture.height, flags)));
    const std::vector<uint8_t> rgba = detail::ToRgba(aPicture);
    squish::CompressImage(rgba.data(), aPicture.width, aPicture.height, blocks.data(), flags);
    static const uint32_t noMasks[4] = {};
    std::vector<uint8_t> out =
        detail::DdsHeader(aPicture.width, aPicture.height, aFourCc, 0, noMasks);
    out.insert(out.end(), blocks.begin(), blocks.end());
    return out;
}

// A DDS file around hand-made compressed blocks.
inline std::vector<uint8_t> DdsFromBlocks(int aWidth, int aHeight, const char* aFourCc,
                                          const std::vector<uint8_t>& aBlocks)
{
    static const uint32_t noMasks[4] = {};
    std::vector<uint8_t> out = detail::DdsHeader(aWidth, aHeight, aFourCc, 0, noMasks);
    out.insert(out.end(), aBlocks.begin(), aBlocks.end());
    return out;
}

// 24-bit bottom-up BMP, rows padded to four bytes (alpha dropped).
inline std::vector<uint8_t> Bmp24(const Picture& aPicture)
{
    const uint32_t rowSize = (static_cast<uint32_t>(aPicture.width) * 3 + 3) & ~3u;
    const uint32_t dataSize = rowSize * static_cast<uint32_t>(aPicture.height);
    std::vector<uint8_t> out = {'B', 'M'};
    for (uint32_t value : {54 + dataSize, 0u, 54u, 40u, static_cast<uint32_t>(aPicture.width),
                           static_cast<uint32_t>(aPicture.height)})
    {
        detail::PutU32(out, value);
    }
    out.insert(out.end(), {1, 0, 24, 0});  // planes, bits per pixel
    for (uint32_t value : {0u, dataSize, 2835u, 2835u, 0u, 0u})
    {
        detail::PutU32(out, value);
    }
    for (int y = aPicture.height - 1; y >= 0; --y)
    {
        for (int x = 0; x < aPicture.width; ++x)
        {
            const uint32_t argb = aPicture.At(x, y);
            out.insert(out.end(), {static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 8),
                                   static_cast<uint8_t>(argb >> 16)});
        }
        out.resize(out.size() + (rowSize - static_cast<uint32_t>(aPicture.width) * 3), 0);
    }
    return out;
}

// PNG with alpha.
inline std::vector<uint8_t> Png(const Picture& aPicture)
{
    std::vector<uint8_t> out;
    const std::vector<uint8_t> rgba = detail::ToRgba(aPicture);
    stbi_write_png_to_func(detail::AppendTo, &out, aPicture.width, aPicture.height, 4, rgba.data(),
                           aPicture.width * 4);
    return out;
}

// aPng with the size in its header changed to aWidth x aHeight, the header's checksum made
// right again: only the size is wrong.
inline std::vector<uint8_t> PngResized(std::vector<uint8_t> aPng, uint32_t aWidth, uint32_t aHeight)
{
    for (int i = 0; i < 4; ++i)
    {
        aPng.at(16 + static_cast<size_t>(i)) = static_cast<uint8_t>(aWidth >> (24 - 8 * i));
        aPng.at(20 + static_cast<size_t>(i)) = static_cast<uint8_t>(aHeight >> (24 - 8 * i));
    }
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 12; i < 12 + 4 + 13; ++i)  // the chunk's type and its 13 bytes
    {
        crc ^= aPng[i];
        for (int bit = 0; bit < 8; ++bit)
        {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i)
    {
        aPng.at(29 + static_cast<size_t>(i)) = static_cast<uint8_t>(crc >> (24 - 8 * i));
    }
    return aPng;
}

// JPEG (alpha dropped); lossy, so compare decoded pixels with a tolerance.
inline std::vector<uint8_t> Jpeg(const Picture& aPicture, int aQuality = 95)
{
    std::vector<uint8_t> out;
    const std::vector<uint8_t> rgba = detail::ToRgba(aPicture);
    stbi_write_jpg_to_func(detail::AppendTo, &out, aPicture.width, aPicture.height, 4, rgba.data(),
                           aQuality);
    return out;
}
}  // namespace testpictures
