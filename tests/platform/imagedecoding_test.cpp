// Every picture format the game loads decodes to the right 0xAARRGGBB pixels.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fatal.h"
#include "testpictures.h"
#include "texturetable.h"

namespace
{
using testpictures::Picture;

class ImageDecoding : public ::testing::Test
{
protected:
    // Writes the bytes to a file and decodes it through the picture table.
    Picture Decode(const std::vector<uint8_t>& aBytes, const char* aName = "picture")
    {
        const std::string path = testpictures::WriteFile(myFolder / aName, aBytes);
        const uint32_t handle = myTable.Load(path);
        EXPECT_NE(handle, 0u) << platform::LastError();
        Picture picture;
        if (handle != 0)
        {
            picture.width = myTable.Width(handle);
            picture.height = myTable.Height(handle);
            const uint32_t* pixels = myTable.Lock(handle, true);
            picture.pixels.assign(pixels, pixels + ptrdiff_t{picture.width} * picture.height);
            myTable.Unlock(handle);
            myTable.Free(handle);
        }
        return picture;
    }

    std::filesystem::path myFolder = testpictures::TempFolder("decoding");
    platform::TextureTable myTable;
};

// Each channel of two colours within aTolerance.
::testing::AssertionResult Near(uint32_t aActual, uint32_t aExpected, int aTolerance)
{
    for (int shift = 0; shift < 32; shift += 8)
    {
        const int a = static_cast<int>((aActual >> shift) & 0xFF);
        const int e = static_cast<int>((aExpected >> shift) & 0xFF);
        if (std::abs(a - e) > aTolerance)
        {
            return ::testing::AssertionFailure()
                   << std::hex << "0x" << aActual << " is not within " << std::dec << aTolerance
                   << " of 0x" << std::hex << aExpected;
        }
    }
    return ::testing::AssertionSuccess();
}

void PutU16(std::vector<uint8_t>& aOut, uint16_t aValue)
{
    aOut.push_back(static_cast<uint8_t>(aValue));
    aOut.push_back(static_cast<uint8_t>(aValue >> 8));
}

// A DXT colour block whose four rows all use the same four indices.
void PutColourBlock(std::vector<uint8_t>& aOut, uint16_t aColour0, uint16_t aColour1,
                    uint8_t aRowIndices)
{
    PutU16(aOut, aColour0);
    PutU16(aOut, aColour1);
    aOut.insert(aOut.end(), 4, aRowIndices);
}

constexpr uint16_t kRed565 = 0xF800;
constexpr uint16_t kGreen565 = 0x07E0;
constexpr uint16_t kBlue565 = 0x001F;
constexpr uint8_t kIndices0123 = 0 | 1 << 2 | 2 << 4 | 3 << 6;

// Four flat 4 x 4 quadrants; every DXT block is one colour, so compression is near exact.
Picture Quadrants(int aWidth, int aHeight)
{
    static const uint32_t colours[4] = {0xFFFF0000, 0xFF00FF00, 0x800000FF, 0xFFFFFF00};
    Picture picture{aWidth, aHeight, {}};
    for (int y = 0; y < aHeight; ++y)
    {
        for (int x = 0; x < aWidth; ++x)
        {
            picture.pixels.push_back(colours[(y >= 4 ? 2 : 0) + (x >= 4 ? 1 : 0)]);
        }
    }
    return picture;
}
}  // namespace

TEST_F(ImageDecoding, Dxt1BlocksInBothColourModesIncludingOneBitAlpha)
{
    std::vector<uint8_t> blocks;
    // colour0 <= colour1: three colours and transparent black.
    PutColourBlock(blocks, kBlue565, kRed565, kIndices0123);
    // colour0 > colour1: four colours.
    PutColourBlock(blocks, kRed565, kGreen565, kIndices0123);
    const Picture picture = Decode(testpictures::DdsFromBlocks(8, 4, "DXT1", blocks));
    ASSERT_EQ(picture.width, 8);
    ASSERT_EQ(picture.height, 4);
    for (int y = 0; y < 4; ++y)
    {
        EXPECT_EQ(picture.At(0, y), 0xFF0000FFu);
        EXPECT_EQ(picture.At(1, y), 0xFFFF0000u);
        EXPECT_TRUE(Near(picture.At(2, y), 0xFF800080u, 1));
        EXPECT_EQ(picture.At(3, y) >> 24, 0u) << "index 3 of a three-colour block is see-through";
        EXPECT_EQ(picture.At(4, y), 0xFFFF0000u);
        EXPECT_EQ(picture.At(5, y), 0xFF00FF00u);
        EXPECT_TRUE(Near(picture.At(6, y), 0xFFAA5500u, 1));
        EXPECT_TRUE(Near(picture.At(7, y), 0xFF55AA00u, 1));
    }
}

TEST_F(ImageDecoding, Dxt3ExplicitAlpha)
{
    std::vector<uint8_t> blocks;
    for (int row = 0; row < 4; ++row)
    {
        blocks.insert(blocks.end(), {0x50, 0xFA});  // alpha nibbles 0, 5, 10, 15
    }
    PutColourBlock(blocks, kRed565, kBlue565, 0x00);
    const Picture picture = Decode(testpictures::DdsFromBlocks(4, 4, "DXT3", blocks));
    ASSERT_EQ(picture.pixels.size(), 16u);
    for (int y = 0; y < 4; ++y)
    {
        EXPECT_EQ(picture.At(0, y), 0x00FF0000u);
        EXPECT_EQ(picture.At(1, y), 0x55FF0000u);
        EXPECT_EQ(picture.At(2, y), 0xAAFF0000u);
        EXPECT_EQ(picture.At(3, y), 0xFFFF0000u);
    }
}

TEST_F(ImageDecoding, Dxt5InterpolatedAlpha)
{
    // Six-value mode (alpha0 <= alpha1): indices 0, 1, 6, 7 give 40, 200, 0, 255.
    std::vector<uint8_t> blocks = {40, 200};
    uint64_t indices = 0;
    for (int i = 0; i < 16; ++i)
    {
        static const uint64_t perColumn[4] = {0, 1, 6, 7};
        indices |= perColumn[i % 4] << (3 * i);
    }
    for (int b = 0; b < 6; ++b)
    {
        blocks.push_back(static_cast<uint8_t>(indices >> (8 * b)));
    }
    PutColourBlock(blocks, kGreen565, 0x0000, 0x00);
    // Eight-value mode (alpha0 > alpha1): index 2 lies 1/7 of the way from alpha0 to alpha1.
    blocks.insert(blocks.end(), {255, 0});
    indices = 0;
    for (int i = 0; i < 16; ++i)
    {
        indices |= uint64_t{2} << (3 * i);
    }
    for (int b = 0; b < 6; ++b)
    {
        blocks.push_back(static_cast<uint8_t>(indices >> (8 * b)));
    }
    PutColourBlock(blocks, kGreen565, 0x0000, 0x00);

    const Picture picture = Decode(testpictures::DdsFromBlocks(8, 4, "DXT5", blocks));
    ASSERT_EQ(picture.pixels.size(), 32u);
    EXPECT_EQ(picture.At(0, 3), 0x2800FF00u);
    EXPECT_EQ(picture.At(1, 3), 0xC800FF00u);
    EXPECT_EQ(picture.At(2, 3), 0x0000FF00u);
    EXPECT_EQ(picture.At(3, 3), 0xFF00FF00u);
    EXPECT_TRUE(Near(picture.At(5, 2), 0xDA00FF00u, 1));
}

TEST_F(ImageDecoding, DxtFilesFromLibsquishKeepBlockLayoutAndOddSizes)
{
    for (const char* format : {"DXT1", "DXT3", "DXT5"})
    {
        SCOPED_TRACE(format);
        // 6 x 6: the right and bottom blocks are partly outside the picture.
        const Picture source = Quadrants(6, 6);
        const Picture picture = Decode(testpictures::DdsDxt(source, format));
        ASSERT_EQ(picture.width, 6);
        ASSERT_EQ(picture.height, 6);
        for (size_t i = 0; i < source.pixels.size(); ++i)
        {
            uint32_t expected = source.pixels[i];
            if (std::string(format) == "DXT1")
            {
                expected |= 0xFF000000u;  // no partial alpha in DXT1
            }
            ASSERT_TRUE(Near(picture.pixels[i], expected, 8)) << "pixel " << i;
        }
    }
}

TEST_F(ImageDecoding, UncompressedDdsFollowsTheHeaderMasks)
{
    const Picture source{3, 1, {0x80FF0000, 0x0000FF00, 0xFF123456}};
    // 32-bit, alpha.
    EXPECT_EQ(Decode(testpictures::DdsArgb32(source)).pixels, source.pixels);
    // 32-bit, red in the low byte (A8B8G8R8).
    const uint32_t abgr[4] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
    EXPECT_EQ(Decode(testpictures::DdsUncompressed(source, 32, abgr)).pixels, source.pixels);
    // 32-bit without an alpha mask: opaque.
    const uint32_t xrgb[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    const std::vector<uint32_t> opaque = {0xFFFF0000, 0xFF00FF00, 0xFF123456};
    EXPECT_EQ(Decode(testpictures::DdsUncompressed(source, 32, xrgb)).pixels, opaque);
    // 24-bit.
    EXPECT_EQ(Decode(testpictures::DdsUncompressed(source, 24, xrgb)).pixels, opaque);
}

TEST_F(ImageDecoding, SixteenBitDdsLayouts)
{
    const Picture source{4, 1, {0xFFFF0000, 0x0000FF00, 0xFF0000FF, 0xFFFFFFFF}};
    const uint32_t r5g6b5[4] = {0xF800, 0x07E0, 0x001F, 0};
    EXPECT_EQ(Decode(testpictures::DdsUncompressed(source, 16, r5g6b5)).pixels,
              (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}));
    const uint32_t a1r5g5b5[4] = {0x7C00, 0x03E0, 0x001F, 0x8000};
    EXPECT_EQ(Decode(testpictures::DdsUncompressed(source, 16, a1r5g5b5)).pixels, source.pixels);

    // Four bits per channel: multiples of 17 survive exactly.
    const Picture steps{2, 1, {0x88112233, 0xFFCCDDEE}};
    const uint32_t a4r4g4b4[4] = {0x0F00, 0x00F0, 0x000F, 0xF000};
    EXPECT_EQ(Decode(testpictures::DdsUncompressed(steps, 16, a4r4g4b4)).pixels, steps.pixels);
    // A mid value of a 5-bit channel widens to the nearest 8-bit value.
    const Picture mid{1, 1, {0xFF840000}};
    EXPECT_TRUE(
        Near(Decode(testpictures::DdsUncompressed(mid, 16, r5g6b5)).At(0, 0), 0xFF840000u, 4));
}

TEST_F(ImageDecoding, Bmp24WithRowPadding)
{
    // Width 3: each row holds 9 bytes of pixels and 3 of padding; rows are stored bottom-up.
    const Picture source{
        3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF102030, 0xFFFFFFFF, 0xFF000000}};
    const Picture picture = Decode(testpictures::Bmp24(source));
    EXPECT_EQ(picture.width, 3);
    EXPECT_EQ(picture.height, 2);
    EXPECT_EQ(picture.pixels, source.pixels);
}

TEST_F(ImageDecoding, PngKeepsAlpha)
{
    const Picture source{2, 2, {0x00000000, 0x80FF8000, 0xFF0000FF, 0x40FFFFFF}};
    EXPECT_EQ(Decode(testpictures::Png(source)).pixels, source.pixels);
}

TEST_F(ImageDecoding, JpegWithinTolerance)
{
    Picture source{16, 16, {}};
    for (int y = 0; y < 16; ++y)
    {
        for (int x = 0; x < 16; ++x)
        {
            source.pixels.push_back(y < 8 ? (x < 8 ? 0xFFC02020 : 0xFF20C020)
                                          : (x < 8 ? 0xFF2020C0 : 0xFFE0E0E0));
        }
    }
    const Picture picture = Decode(testpictures::Jpeg(source));
    ASSERT_EQ(picture.width, 16);
    for (const auto& [x, y] : {std::pair{3, 3}, {12, 3}, {3, 12}, {12, 12}})
    {
        EXPECT_TRUE(Near(picture.At(x, y), source.At(x, y), 12)) << x << "," << y;
    }
}
