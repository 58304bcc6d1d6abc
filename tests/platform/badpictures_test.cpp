// A missing, cut-off or corrupt picture gives handle 0 and one problem naming the file; it
// never crashes or hangs the loader.
#include <gtest/gtest.h>

#include "fatal.h"
#include "imagedecoder.h"
#include "testpictures.h"
#include "texturetable.h"

namespace
{
using testpictures::Picture;

class BadPictures : public ::testing::Test
{
protected:
    // Loads the bytes from a file and returns the problem reported ("" when it loaded).
    std::string ProblemWith(const std::vector<uint8_t>& aBytes, const std::string& aName)
    {
        const std::string path = testpictures::WriteFile(myFolder / aName, aBytes);
        platform::ClearLastError();
        const uint32_t handle = myTable.Load(path);
        if (handle != 0)
        {
            myTable.Free(handle);
            return "";
        }
        const std::string problem = platform::LastError();
        EXPECT_EQ(problem.rfind(path + ": ", 0), 0u) << "the problem names the file: " << problem;
        return problem.substr(std::min(problem.size(), path.size() + 2));
    }

    std::filesystem::path myFolder = testpictures::TempFolder("badpictures");
    platform::TextureTable myTable;
};

Picture Sample()
{
    Picture picture{5, 6, {}};
    for (uint32_t i = 0; i < 30; ++i)
    {
        picture.pixels.push_back(0xFF000000u | i * 0x070503u);
    }
    return picture;
}
}  // namespace

TEST_F(BadPictures, MissingFile)
{
    platform::ClearLastError();
    const std::string path = (myFolder / "img" / "nothere.dds").string();
    EXPECT_EQ(myTable.Load(path), 0u);
    EXPECT_EQ(std::string(platform::LastError()), path + ": file not found");
}

TEST_F(BadPictures, EveryCutOffFileIsRefused)
{
    const Picture sample = Sample();
    const std::pair<const char*, std::vector<uint8_t>> files[] = {
        {"a.dds", testpictures::DdsArgb32(sample)},
        {"b.dds", testpictures::DdsDxt(sample, "DXT1")},
        {"c.dds", testpictures::DdsDxt(sample, "DXT5")},
        {"d.bmp", testpictures::Bmp24(sample)},
        {"e.png", testpictures::Png(sample)},
        {"f.jpg", testpictures::Jpeg(sample)},
    };
    for (const auto& [name, bytes] : files)
    {
        ASSERT_EQ(ProblemWith(bytes, name), "") << name << " loads whole";
        for (size_t length = 0; length < bytes.size(); ++length)
        {
            const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + length);
            ASSERT_EQ(myTable.LoadFromMemory(cut.data(), cut.size()), 0u)
                << name << " cut to " << length << " bytes";
        }
    }
}

TEST_F(BadPictures, ProblemsSayWhatIsWrong)
{
    const Picture sample = Sample();
    std::vector<uint8_t> dxt5 = testpictures::DdsDxt(sample, "DXT5");
    dxt5.resize(dxt5.size() - 1);
    EXPECT_EQ(ProblemWith(dxt5, "x.dds"), "truncated DXT5 data");
    std::vector<uint8_t> argb = testpictures::DdsArgb32(sample);
    argb.resize(argb.size() - 4);
    EXPECT_EQ(ProblemWith(argb, "y.dds"), "truncated DDS pixel data");
    EXPECT_EQ(ProblemWith({'D', 'D', 'S', ' ', 1, 2, 3}, "z.dds"), "truncated DDS header");
    std::vector<uint8_t> bmp = testpictures::Bmp24(sample);
    bmp.resize(bmp.size() - 2);
    EXPECT_EQ(ProblemWith(bmp, "w.bmp"), "truncated BMP data");
    std::vector<uint8_t> png = testpictures::Png(sample);
    png.resize(png.size() - 12);  // the end chunk
    EXPECT_EQ(ProblemWith(png, "t.png"), "truncated PNG data");
    std::vector<uint8_t> jpeg = testpictures::Jpeg(sample);
    jpeg.resize(jpeg.size() - 2);  // the end marker
    EXPECT_EQ(ProblemWith(jpeg, "s.jpg"), "truncated JPEG data");
    EXPECT_EQ(ProblemWith({'h', 'e', 'l', 'l', 'o'}, "v.dds"), "unknown picture format");
    EXPECT_EQ(ProblemWith({}, "u.png"), "empty file");
}

TEST_F(BadPictures, CorruptHeadersAreRefusedBeforeReading)
{
    const std::vector<uint8_t> good = testpictures::DdsDxt(Sample(), "DXT1");
    auto patched = [&](size_t aOffset, uint32_t aValue)
    {
        std::vector<uint8_t> bytes = good;
        for (int i = 0; i < 4; ++i)
        {
            bytes[aOffset + i] = static_cast<uint8_t>(aValue >> (8 * i));
        }
        return bytes;
    };
    // A huge size must not be believed (nor allocated) on the strength of the header alone.
    EXPECT_NE(ProblemWith(patched(12, 0x7FFFFFFF), "tall.dds"), "");
    EXPECT_NE(ProblemWith(patched(16, 0xFFFFFFFF), "wide.dds"), "");
    EXPECT_EQ(ProblemWith(patched(16, 40000), "wider.dds"), "corrupt DDS size 40000 x 6");
    EXPECT_EQ(ProblemWith(patched(12, 0), "flat.dds"), "corrupt DDS size 5 x 0");
    EXPECT_EQ(ProblemWith(patched(4, 99), "header.dds"), "corrupt DDS header");
    EXPECT_EQ(ProblemWith(patched(84, 0x32495441), "ati2.dds"),
              "unsupported DDS compression 'ATI2'");
    EXPECT_EQ(ProblemWith(patched(28, 0), "size.dds"), "");  // a zero pitch field is harmless

    // Uncompressed: odd bit counts and masks that do not fit the pixel.
    std::vector<uint8_t> argb = testpictures::DdsArgb32(Sample());
    std::vector<uint8_t> bits = argb;
    bits[88] = 12;
    EXPECT_EQ(ProblemWith(bits, "bits.dds"), "unsupported DDS bit count 12");
    std::vector<uint8_t> masks = argb;
    masks[88] = 16;  // 16 bits per pixel, but the masks still span 32
    EXPECT_EQ(ProblemWith(masks, "masks.dds"), "corrupt DDS channel masks");

    // A BMP that claims more rows than it holds.
    std::vector<uint8_t> bmp = testpictures::Bmp24(Sample());
    bmp[22] = 0xFF;
    bmp[23] = 0x0F;
    EXPECT_EQ(ProblemWith(bmp, "rows.bmp"), "truncated BMP data");
}

TEST_F(BadPictures, UncompressedRowsFollowTheHeadersPitch)
{
    const Picture sample = Sample();  // 5 x 6, 20 bytes a row
    const std::vector<uint8_t> packed = testpictures::DdsArgb32(sample);
    auto withPitch = [&](uint32_t aPitch)
    {
        std::vector<uint8_t> bytes(packed.begin(), packed.begin() + 128);
        bytes[8] |= 0x8;  // the header gives the pitch
        for (int i = 0; i < 4; ++i)
        {
            bytes[20 + i] = static_cast<uint8_t>(aPitch >> (8 * i));
        }
        for (int y = 0; y < sample.height; ++y)
        {
            const auto row = packed.begin() + 128 + ptrdiff_t{y} * 20;
            bytes.insert(bytes.end(), row, row + 20);
            bytes.resize(bytes.size() + (aPitch > 20 ? aPitch - 20 : 0), 0xEE);
        }
        return bytes;
    };
    // Padded rows: the padding is skipped, the picture is the same.
    const std::vector<uint8_t> padded = withPitch(32);
    platform::DecodedImage image;
    std::string problem;
    ASSERT_TRUE(platform::DecodeImage(padded.data(), padded.size(), image, problem)) << problem;
    EXPECT_EQ(std::vector<uint32_t>(image.pixels.begin(), image.pixels.end()), sample.pixels);
    // The last row needs no padding after it.
    const std::vector<uint8_t> lastUnpadded(padded.begin(), padded.end() - 12);
    ASSERT_TRUE(platform::DecodeImage(lastUnpadded.data(), lastUnpadded.size(), image, problem));
    EXPECT_EQ(ProblemWith(withPitch(20), "exact.dds"), "");
    EXPECT_EQ(ProblemWith(withPitch(19), "short.dds"), "corrupt DDS pitch 19 (a row is 20 bytes)");
    std::vector<uint8_t> beyond = padded;
    beyond[20] = 64;  // rows further apart than the data holds
    EXPECT_EQ(ProblemWith(beyond, "far.dds"), "truncated DDS pixel data");
}

TEST_F(BadPictures, APngChunkWithAWrongChecksumIsRefused)
{
    const std::vector<uint8_t> png = testpictures::Png(Sample());
    std::vector<uint8_t> header = png;
    header[16 + 3] ^= 0x01;  // the width's lowest byte, inside IHDR
    EXPECT_EQ(ProblemWith(header, "ihdr.png"), "corrupt PNG chunk IHDR (checksum mismatch)");
    std::vector<uint8_t> data = png;
    data[data.size() - 12 - 6] ^= 0x40;  // inside the last chunk before IEND: the pixels
    EXPECT_EQ(ProblemWith(data, "idat.png"), "corrupt PNG chunk IDAT (checksum mismatch)");
    std::vector<uint8_t> length = png;
    length[8] = 0x7F;  // IHDR claims 2 GB
    EXPECT_EQ(ProblemWith(length, "length.png"), "truncated PNG data");
}

TEST_F(BadPictures, PicturesLargerThanTheLimitAreRefusedBeforeDecoding)
{
    // 16384 x 16384 fits each side but is a gigabyte of pixels: a header alone may not ask
    // for that.
    std::vector<uint8_t> dds = testpictures::DdsDxt(Sample(), "DXT1");
    for (const size_t offset : {12u, 16u})
    {
        dds[offset] = 0;
        dds[offset + 1] = 0x40;
    }
    EXPECT_EQ(ProblemWith(dds, "huge.dds"), "DDS picture too large (16384 x 16384)");

    const std::vector<uint8_t> png =
        testpictures::PngResized(testpictures::Png(Sample()), 4097, 4096);
    EXPECT_EQ(ProblemWith(png, "huge.png"), "PNG picture too large (4097 x 4096)");
    // The largest picture that is accepted.
    const std::vector<uint8_t> largest = testpictures::DdsFromBlocks(
        4096, 4096, "DXT1", std::vector<uint8_t>(size_t{4096 / 4} * (4096 / 4) * 8, 0));
    EXPECT_EQ(ProblemWith(largest, "largest.dds"), "");
}
