// A damaged install or a hostile file handed to the real game: each one ends it with exit
// status 1 and one line on standard error that names the file (as the game names it, relative
// to its data folder) and the problem, within five seconds; never a crash, a hang or an
// allocation beyond 1 GB. Each case runs the game from a copy of the build's data in which one
// file is replaced (or removed).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include "childprocess.h"
#include "gamefolder.h"
#include "testpictures.h"

namespace
{
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
// The damage done to a file's bytes; nullopt removes the file.
using Damage = std::function<std::optional<Bytes>(const Bytes&)>;

struct Case
{
    const char* myName;     // the test's name
    const char* myFile;     // the file replaced, relative to the data folder; "" for a recording
    const char* myDamage;   // what is wrong with it, for the report
    Damage myMake;          // makes the damaged bytes from the good ones
    const char* myProblem;  // what the message must say about it
};

void PutU32(Bytes& aBytes, size_t aOffset, uint32_t aValue)
{
    for (int i = 0; i < 4; ++i)
    {
        aBytes.at(aOffset + static_cast<size_t>(i)) = static_cast<uint8_t>(aValue >> (8 * i));
    }
}

// The good bytes with a little-endian 32-bit word written at aOffset.
Damage Patched(size_t aOffset, uint32_t aValue)
{
    return [=](const Bytes& aGood)
    {
        Bytes bytes = aGood;
        PutU32(bytes, aOffset, aValue);
        return std::optional<Bytes>(bytes);
    };
}

// The same with a 16-bit one.
Damage PatchedU16(size_t aOffset, uint16_t aValue)
{
    return [=](const Bytes& aGood)
    {
        Bytes bytes = aGood;
        bytes.at(aOffset) = static_cast<uint8_t>(aValue);
        bytes.at(aOffset + 1) = static_cast<uint8_t>(aValue >> 8);
        return std::optional<Bytes>(bytes);
    };
}

// The first aKeep bytes (or all but the last -aKeep, when negative).
Damage Cut(long aKeep)
{
    return [=](const Bytes& aGood)
    {
        const size_t keep =
            aKeep >= 0 ? static_cast<size_t>(aKeep) : aGood.size() - static_cast<size_t>(-aKeep);
        return std::optional<Bytes>(Bytes(aGood.begin(), aGood.begin() + static_cast<long>(keep)));
    };
}

// The first aPercent per cent of the file, plus aExtra bytes (so the cut lies inside a frame).
Damage CutAt(int aPercent, size_t aExtra)
{
    return [=](const Bytes& aGood)
    {
        const size_t keep = aGood.size() * static_cast<size_t>(aPercent) / 100 + aExtra;
        return std::optional<Bytes>(Bytes(aGood.begin(), aGood.begin() + static_cast<long>(keep)));
    };
}

Damage Replaced(const Bytes& aBytes)
{
    return [=](const Bytes&) { return std::optional<Bytes>(aBytes); };
}

Damage Removed()
{
    return [](const Bytes&) { return std::optional<Bytes>(); };
}

// Every byte flipped at aOffset (from the end when negative).
Damage Flipped(long aOffset)
{
    return [=](const Bytes& aGood)
    {
        Bytes bytes = aGood;
        const size_t at = aOffset >= 0 ? static_cast<size_t>(aOffset)
                                       : bytes.size() - static_cast<size_t>(-aOffset);
        bytes.at(at) ^= 0xFF;
        return std::optional<Bytes>(bytes);
    };
}

// Text with aFind's first occurrence replaced by aReplace.
Damage Edited(const std::string& aFind, const std::string& aReplace)
{
    return [=](const Bytes& aGood)
    {
        std::string text(aGood.begin(), aGood.end());
        const size_t at = text.find(aFind);
        if (at == std::string::npos)
        {
            return std::optional<Bytes>();
        }
        text.replace(at, aFind.size(), aReplace);
        return std::optional<Bytes>(Bytes(text.begin(), text.end()));
    };
}

Bytes Text(const std::string& aText)
{
    return Bytes(aText.begin(), aText.end());
}

// Seeded noise, the same in every run.
Bytes Noise(size_t aSize)
{
    Bytes bytes(aSize);
    uint32_t state = 12345;
    for (uint8_t& byte : bytes)
    {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

testpictures::Picture Sample()
{
    testpictures::Picture picture = testpictures::Filled(32, 32, 0xFF336699u);
    for (size_t i = 0; i < picture.pixels.size(); i += 3)
    {
        picture.pixels[i] = 0x80FFCC00u;
    }
    return picture;
}

// A PNG's header with a new size (and its checksum made right): only the size is wrong.
Damage PngSized(uint32_t aWidth, uint32_t aHeight)
{
    return [=](const Bytes& aGood)
    { return std::optional<Bytes>(testpictures::PngResized(aGood, aWidth, aHeight)); };
}

// The DDS fields (offsets in the file): 8 flags, 12 height, 16 width, 20 pitch, 84 four-cc,
// 88 bits per pixel. BMP: 18 width, 22 height, 28 bits per pixel.
const char ourCursor[] = "img/cursor.dds";            // uncompressed 32-bit, pitch given
const char ourScene[] = "img/Levels/scene_cave.dds";  // DXT1
const char ourCollision[] = "img/Levels/collision_cave.bmp";
const char ourPng[] = "img/curtain.png";
const char ourJpeg[] = "img/CutsceneImages/billboard BB.jpg";
const char ourFont[] = "img/Font/HGE_font1.fnt";
const char ourMusic[] = "aud/main_screen.mp3";
const char ourEffect[] = "aud/effects/pickup.wav";  // 16-bit mono PCM: 40 data size, 24 rate
const char ourDialogue[] = "dialogue/cave.txt";

const Case ourCases[] = {
    // DDS
    {"DdsHugeWidth", ourCursor, "width 2^31-1", Patched(16, 0x7FFFFFFF), "corrupt DDS size"},
    {"DdsHugeBoth", ourCursor, "4 G x 4 G", Patched(12, 0xFFFFFFFF), "corrupt DDS size"},
    {"DdsOneGigabyte", ourScene, "16384 x 16384 (1 GB of pixels), data of 1 MB",
     [](const Bytes& aGood)
     {
         Bytes bytes = aGood;
         PutU32(bytes, 12, 16384);
         PutU32(bytes, 16, 16384);
         return std::optional<Bytes>(bytes);
     },
     "DDS picture too large"},
    {"DdsZeroWidth", ourCursor, "width 0", Patched(16, 0), "corrupt DDS size 0 x 32"},
    {"DdsZeroHeight", ourScene, "height 0", Patched(12, 0), "corrupt DDS size"},
    {"DdsPitchTooSmall", ourCursor, "pitch 3 for rows of 128 bytes", Patched(20, 3),
     "corrupt DDS pitch 3"},
    {"DdsPitchTooLarge", ourCursor, "pitch 4096: rows beyond the data", Patched(20, 4096),
     "truncated DDS pixel data"},
    {"DdsUnknownFourCc", ourScene, "four-cc 'ATI2'", Patched(84, 0x32495441),
     "unsupported DDS compression 'ATI2'"},
    {"DdsUnprintableFourCc", ourScene, "four-cc of control bytes", Patched(84, 0x01020304),
     "unsupported DDS compression"},
    {"DdsDx10", ourScene, "four-cc 'DX10'", Patched(84, 0x30315844), "DX10"},
    {"DdsBitCount", ourCursor, "12 bits per pixel", Patched(88, 12),
     "unsupported DDS bit count 12"},
    {"DdsMasks", ourCursor, "16 bits per pixel with 32-bit masks", Patched(88, 16),
     "corrupt DDS channel masks"},
    {"DdsHeaderSize", ourScene, "header size 99", Patched(4, 99), "corrupt DDS header"},
    {"DdsCutInHeader", ourScene, "cut to 60 bytes", Cut(60), "truncated DDS header"},
    {"DdsCutInBlocks", ourScene, "cut in half", CutAt(50, 3), "truncated DXT1 data"},
    {"DdsCutInPixels", ourCursor, "last byte missing", Cut(-1), "truncated DDS pixel data"},
    {"DdsEmpty", ourScene, "zero bytes", Replaced({}), "empty file"},
    // BMP
    {"BmpNegativeHugeHeight", ourCollision, "height -2^31", Patched(22, 0x80000000),
     "corrupt BMP size"},
    {"BmpHugeHeight", ourCollision, "height 2^31-1", Patched(22, 0x7FFFFFFF), "corrupt BMP size"},
    {"BmpTallerThanItsData", ourCollision, "height 16000", Patched(22, 16000),
     "truncated BMP data"},
    {"BmpZeroWidth", ourCollision, "width 0", Patched(18, 0), "corrupt BMP size"},
    {"BmpBitCount13", ourCollision, "13 bits per pixel", PatchedU16(28, 13), "corrupt BMP data"},
    {"BmpBitCount0", ourCollision, "0 bits per pixel", PatchedU16(28, 0), "corrupt BMP data"},
    {"BmpCutInHeader", ourCollision, "cut to 20 bytes", Cut(20), "truncated BMP header"},
    {"BmpCutInRows", ourCollision, "cut in half", CutAt(50, 1), "truncated BMP data"},
    // PNG
    {"PngBrokenDataChunk", ourPng, "a byte of IDAT flipped", Flipped(60),
     "corrupt PNG chunk IDAT (checksum mismatch)"},
    {"PngBrokenHeaderChunk", ourPng, "a byte of IHDR flipped", Flipped(17),
     "corrupt PNG chunk IHDR (checksum mismatch)"},
    {"PngChunkLength", ourPng, "IHDR length 2^31", Patched(8, 0x80), "truncated PNG data"},
    {"PngCutBeforeEnd", ourPng, "IEND missing", Cut(-12), "truncated PNG data"},
    {"PngCutInData", ourPng, "cut in half", CutAt(50, 5), "truncated PNG data"},
    {"PngHugeSize", ourPng, "IHDR 30000 x 30000, checksum right", PngSized(30000, 30000),
     "corrupt PNG data"},
    {"PngTooLarge", ourPng, "IHDR 8192 x 8192, checksum right", PngSized(8192, 8192),
     "PNG picture too large (8192 x 8192)"},
    // JPEG
    {"JpegCutInScan", ourJpeg, "cut in half", CutAt(50, 7), "truncated JPEG data"},
    {"JpegCutInHeader", ourJpeg, "cut to 100 bytes", Cut(100), "truncated JPEG data"},
    {"JpegNoise", ourJpeg, "JPEG marker, then noise",
     [](const Bytes& aGood)
     {
         Bytes bytes = Noise(aGood.size());
         bytes[0] = 0xFF;
         bytes[1] = 0xD8;
         bytes[2] = 0xFF;
         return std::optional<Bytes>(bytes);
     },
     "JPEG data"},
    {"JpegHuffmanTableTooLong", ourJpeg, "a Huffman table counting 512 codes",
     [](const Bytes& aGood)
     {
         Bytes bytes = aGood;
         for (size_t at = 2; at + 21 < bytes.size(); ++at)
         {
             if (bytes[at] == 0xFF && bytes[at + 1] == 0xC4)
             {
                 std::fill(bytes.begin() + static_cast<long>(at) + 5,
                           bytes.begin() + static_cast<long>(at) + 21, 32);
                 break;
             }
         }
         return std::optional<Bytes>(bytes);
     },
     "corrupt JPEG data (a Huffman table of 512 codes)"},
    {"UnknownPictureFormat", ourScene, "a text file", Replaced(Text("not a picture\n")),
     "unknown picture format"},
    {"BmpForDds", ourCursor, "a BMP cut short under a .dds name",
     [](const Bytes&)
     {
         Bytes bytes = testpictures::Bmp24(Sample());
         bytes.resize(bytes.size() - 40);
         return std::optional<Bytes>(bytes);
     },
     "truncated BMP data"},
    // The font
    {"FontLongLine", ourFont, "a 300-character line",
     Edited("Char=\" \"", "Char=\" \"" + std::string(300, '0')),
     "line 5 is longer than 255 characters"},
    {"FontUnreadableGlyph", ourFont, "a glyph line without its numbers",
     Edited("Char=\" \",0,0,1,28,0,5", "Char=\" \",zero"), "glyph line 5 cannot be read"},
    {"FontPictureMissing", "img/Font/HGE_font1.png", "the glyph picture removed", Removed(),
     "img/Font/HGE_font1.png: file not found"},
    {"FontHeader", ourFont, "first line [HGEFONT2]", Edited("[HGEFONT]", "[HGEFONT2]"),
     "the first line is not [HGEFONT]"},
    {"FontEmpty", ourFont, "zero bytes", Replaced({}), "the first line is not [HGEFONT]"},
    // The music
    {"Mp3Noise", ourMusic, "noise of the same length",
     [](const Bytes& aGood) { return std::optional<Bytes>(Noise(aGood.size())); },
     "not an MP3 file"},
    {"Mp3Empty", ourMusic, "zero bytes", Replaced({}), "not an MP3 file"},
    {"Mp3CutInFrame", ourMusic, "cut inside a frame", CutAt(60, 101), "cut short"},
    {"Mp3CutEarly", ourMusic, "cut to 1000 bytes", Cut(1000), "cut short"},
    {"Mp3Missing", ourMusic, "removed", Removed(), "file not found"},
    // The sound effects
    {"WavCutInData", ourEffect, "cut in half", CutAt(50, 1),
     "not a sound effect SDL can read (Could not read data of WAVE data chunk)"},
    {"WavHugeDataChunk", ourEffect, "data chunk of 4 GB", Patched(40, 0xFFFFFFF0),
     "not a sound effect SDL can read"},
    {"WavEmpty", ourEffect, "zero bytes", Replaced({}), "not a sound effect SDL can read"},
    {"WavOneFramePerSecond", ourEffect, "rate 1 Hz: hours long", Patched(24, 1),
     "too long for a sound effect (17640 s)"},
    {"WavMissing", ourEffect, "removed", Removed(), "aud/effects/pickup.wav: file not found"},
    // The dialogue
    {"DialogueMalformedLine", ourDialogue, "a script line without its \";\"",
     Edited("Coward. The rotten eggs are sulphur, at least. Those yellow crystals.;",
            "Coward. The rotten eggs are sulphur"),
     "a line must end with its only \";\""},
    {"DialogueUnknownSpeaker", ourDialogue, "a line spoken by nobody of the game",
     Edited("Ester: : Dark, damp", "Esther: : Dark, damp"),
     "\"Esther\" is nobody who speaks in the game"},
    {"DialogueControlCharacter", ourDialogue, "a bell character in a line",
     Edited("Dark, damp", "Dark,\a damp"), "character 0x07 cannot be shown"},
    {"DialogueUnevenWordings", ourDialogue, "a wording one line longer than the other",
     Edited("@otherwise", "Ester: : One line too many.;\n@otherwise"),
     "line 16: the wordings of the choice opened at line 11 have 2 and 1 lines"},
    {"DialogueChoiceWithoutEnd", ourDialogue, "a choice without its @end",
     Edited("nicely.;\n@end", "nicely.;"), "line 17: the choice opened at line 11 has no @end"},
    {"DialogueUnknownItem", ourDialogue, "a condition on an item the game does not have",
     Edited("@when holds coconut half 2", "@when holds coconut half 3"),
     "line 11: no item is called \"coconut half 3\""},
    {"DialogueUnknownConversation", ourDialogue, "a condition on a talk no scene has",
     Edited("@when holds coconut half 2", "@when played Entering or played Leaving"),
     "dialogue/cave.txt: line 11: no conversation is called \"Leaving\""},
    // Recordings handed to --replay
    {"ReplayMalformedLine", "", "\"12 jump W\"", Replaced(Text("marrowen-input 1\n12 jump W\n")),
     "line 2: unknown event \"jump\""},
    {"ReplayHugeFrame", "", "frame number past 2^64",
     Replaced(Text("marrowen-input 1\n99999999999999999999999 down W\n")),
     "line 2: an event starts with its frame number"},
    {"ReplayHeader", "", "no header line", Replaced(Text("12 down W\n")), "line 1"},
    {"ReplayBinary", "", "noise", Replaced(Noise(4000)), "line 1"},
};

constexpr std::chrono::seconds ourHangLimit{60};

class Corpus : public testing::TestWithParam<Case>
{
protected:
    static void SetUpTestSuite() { ourGame = std::make_unique<reliability::GameFolder>(); }
    static void TearDownTestSuite() { ourGame.reset(); }

    static std::unique_ptr<reliability::GameFolder> ourGame;
};

std::unique_ptr<reliability::GameFolder> Corpus::ourGame;

// In test messages a case is its name.
void PrintTo(const Case& aCase, std::ostream* aOut)
{
    *aOut << aCase.myName;
}

std::string CaseName(const testing::TestParamInfo<Case>& aInfo)
{
    return aInfo.param.myName;
}

size_t Occurrences(const std::string& aText, const std::string& aPart)
{
    size_t count = 0;
    for (size_t at = aText.find(aPart); at != std::string::npos; at = aText.find(aPart, at + 1))
    {
        ++count;
    }
    return count;
}

TEST_P(Corpus, EndsWithStatusOneAndOneLineNamingTheFileAndTheProblem)
{
    const Case& damage = GetParam();
    const bool recording = damage.myFile[0] == '\0';
    const std::string fileName = recording ? "recording.txt" : damage.myFile;
    const fs::path folder = ourGame->MakeCopy(damage.myName);
    const fs::path target = recording ? folder / fileName : folder / damage.myFile;
    Bytes good;
    if (!recording)
    {
        std::ifstream file(target, std::ios::binary);
        ASSERT_TRUE(file) << target << " is part of the game's data";
        good.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        fs::remove(target);  // a link into the build's data: never write through it
    }
    const std::optional<Bytes> bytes = damage.myMake(good);
    ASSERT_TRUE(bytes.has_value() || !recording);
    if (bytes)
    {
        ASSERT_TRUE(recording || *bytes != good) << "the damage changes the file";
        testpictures::WriteFile(target, *bytes);
    }

    std::vector<std::string> arguments = {(folder / "marrowen").string(), "--headless", "--frames",
                                          "10"};
    if (recording)
    {
        arguments.insert(arguments.end(), {"--replay", target.string()});
    }
    // Five seconds of the processor at most; the wall clock only guards against a hang,
    // since a machine busy with other builds stretches it.
    const reliability::ChildResult result =
        reliability::RunChild(arguments, reliability::GameFolder::Limits(), ourHangLimit);
    const std::vector<std::string> lines = result.ErrorLines();
    std::printf("| %s | %s | %s | %s | %.1f s (%.1f s CPU) | %ld MB |\n", fileName.c_str(),
                damage.myDamage, result.Describe().c_str(),
                lines.empty() ? "" : lines.front().c_str(),
                static_cast<double>(result.myElapsed.count()) / 1000.0,
                static_cast<double>(result.myCpu.count()) / 1000.0, result.myPeakKilobytes / 1024);

    EXPECT_EQ(result.Describe(), "exit 1") << result.myStandardError;
    EXPECT_LT(result.myCpu, reliability::GameFolder::Scaled(std::chrono::seconds(5)));
    ASSERT_EQ(lines.size(), 1u) << result.myStandardError;
    // Recordings are named as given; the game's own files relative to its data folder, once.
    const std::string named = recording ? target.string() : fileName;
    EXPECT_EQ(Occurrences(lines.front(), named), 1u) << lines.front();
    EXPECT_EQ(lines.front().find(folder.string() + "/img"), std::string::npos) << lines.front();
    EXPECT_NE(lines.front().find(damage.myProblem), std::string::npos) << lines.front();
    EXPECT_LT(result.myPeakKilobytes, 1024L * 1024) << "peak resident kilobytes";
    ourGame->Remove(folder);
}

INSTANTIATE_TEST_SUITE_P(DamagedFiles, Corpus, testing::ValuesIn(ourCases), CaseName);

// The copies themselves: an undamaged copy runs its ten frames and ends with status 0, so
// every refusal above comes from the damage alone.
TEST(CorpusCopy, AnUndamagedCopyOfTheGameRunsAndEndsCleanly)
{
    reliability::GameFolder game;
    const fs::path folder = game.MakeCopy("undamaged");
    const reliability::ChildResult result =
        reliability::RunChild({(folder / "marrowen").string(), "--headless", "--frames", "10"},
                              reliability::GameFolder::Limits(), ourHangLimit);
    EXPECT_EQ(result.Describe(), "exit 0") << result.myStandardError;
    EXPECT_EQ(result.myStandardError, "");
}
}  // namespace
