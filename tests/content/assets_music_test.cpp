// The generated music, read back through the game's music stream: every track decodes to its
// planned length, loops without a gap or a click, and the stream rejects bad files cleanly.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fatal.h"
#include "music/music.h"
#include "musicstream.h"

namespace
{
using platform::MusicStream;

std::vector<float> ReadFrames(MusicStream& aStream, int aFrames)
{
    std::vector<float> samples(static_cast<size_t>(aFrames) * 2);
    aStream.Read(samples.data(), aFrames);
    return samples;
}

std::string TempFile(const std::string& aName, const std::vector<char>& aBytes)
{
    const auto path =
        std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "_" + aName);
    std::ofstream(path, std::ios::binary).write(aBytes.data(), aBytes.size());
    return path.string();
}

TEST(AssetsMusic, EveryTrackDecodesToItsPlannedLoopLength)
{
    ASSERT_EQ(content::MusicTracks().size(), 5u);
    for (const content::MusicTrack& track : content::MusicTracks())
    {
        SCOPED_TRACE(track.path);
        MusicStream stream;
        ASSERT_TRUE(stream.Open(track.path)) << platform::LastError();
        // Gapless decoding: exactly the synthesised samples, no encoder delay or padding.
        EXPECT_EQ(stream.LengthInFrames(), track.Frames());
        const double seconds = static_cast<double>(track.Frames()) / MusicStream::ourSampleRate;
        EXPECT_GE(seconds, 30.0);
        EXPECT_LE(seconds, 90.0);
    }
}

TEST(AssetsMusic, TheLoopJoinsWithoutSilenceOrClick)
{
    for (const content::MusicTrack& track : content::MusicTracks())
    {
        SCOPED_TRACE(track.path);
        MusicStream stream;
        ASSERT_TRUE(stream.Open(track.path)) << platform::LastError();
        stream.SetPaused(false);
        const int frames = static_cast<int>(track.Frames());
        const std::vector<float> first = ReadFrames(stream, frames);
        const std::vector<float> seam = ReadFrames(stream, 4096);  // the second time round
        EXPECT_EQ(stream.LoopCount(), 1);
        EXPECT_EQ(stream.Position(), 4096);

        // Largest step between neighbouring samples inside the track, and across the seam.
        float largestStep = 0.0f;
        for (size_t i = 2; i < first.size(); ++i)
        {
            largestStep = std::max(largestStep, std::fabs(first[i] - first[i - 2]));
        }
        for (int channel = 0; channel < 2; ++channel)
        {
            const float jump = std::fabs(seam[channel] - first[first.size() - 2 + channel]);
            EXPECT_LE(jump, largestStep);
        }
        // The same audio again, and no run of silence at the join.
        EXPECT_NEAR(seam[1000], first[1000], 0.02f);
        float loudest = 0.0f;
        for (size_t i = 0; i < size_t{2} * 1024; ++i)
        {
            loudest =
                std::max({loudest, std::fabs(seam[i]), std::fabs(first[first.size() - 1 - i])});
        }
        EXPECT_GT(loudest, 0.01f);
    }
}

TEST(AssetsMusic, PausingKeepsThePositionAndPlaysSilence)
{
    MusicStream stream;
    ASSERT_TRUE(stream.Open(content::MusicTracks()[1].path)) << platform::LastError();
    EXPECT_TRUE(stream.IsPaused());  // opened paused, like every track at start-up
    EXPECT_EQ(stream.Position(), 0);

    stream.SetPaused(false);
    const std::vector<float> playing = ReadFrames(stream, 44100);
    EXPECT_EQ(stream.Position(), 44100);
    EXPECT_NE(*std::max_element(playing.begin(), playing.end()), 0.0f);

    stream.SetPaused(true);
    const std::vector<float> paused = ReadFrames(stream, 20000);
    EXPECT_EQ(stream.Position(), 44100);
    EXPECT_TRUE(std::all_of(paused.begin(), paused.end(), [](float s) { return s == 0.0f; }));

    // Resuming continues where it stopped: the same samples as reading straight through.
    stream.SetPaused(false);
    const std::vector<float> resumed = ReadFrames(stream, 100);
    MusicStream straight;
    ASSERT_TRUE(straight.Open(content::MusicTracks()[1].path));
    straight.SetPaused(false);
    const std::vector<float> reference = ReadFrames(straight, 44100 + 100);
    EXPECT_TRUE(std::equal(resumed.begin(), resumed.end(), reference.end() - 200));
}

TEST(AssetsMusic, MissingOrBrokenFilesAreRefusedWithTheirName)
{
    MusicStream stream;
    platform::ClearLastError();
    EXPECT_FALSE(stream.Open("aud/no_such_track.mp3"));
    EXPECT_FALSE(stream.IsOpen());
    EXPECT_EQ(std::string(platform::LastError()), "aud/no_such_track.mp3: file not found");

    std::vector<char> noise(40000);
    uint32_t state = 12345;
    for (char& byte : noise)
    {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    const std::vector<std::vector<char>> broken = {{}, std::vector<char>(5000, 0), noise};
    for (size_t i = 0; i < broken.size(); ++i)
    {
        const std::string path =
            TempFile("marrowen_broken_" + std::to_string(i) + ".mp3", broken[i]);
        platform::ClearLastError();
        EXPECT_FALSE(stream.Open(path)) << path;
        EXPECT_EQ(std::string(platform::LastError()).rfind(path + ": ", 0), 0u)
            << platform::LastError();
        EXPECT_EQ(stream.LengthInFrames(), 0);
        // A refused stream still answers Read with silence instead of crashing.
        stream.SetPaused(false);
        const std::vector<float> silence = ReadFrames(stream, 256);
        EXPECT_TRUE(std::all_of(silence.begin(), silence.end(), [](float s) { return s == 0.0f; }));
        std::filesystem::remove(path);
    }
}

TEST(AssetsMusic, ATrackCutShortIsRefusedButHeaderlessFramesPlayAndLoop)
{
    std::ifstream file(content::MusicTracks()[0].path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    ASSERT_GT(bytes.size(), 100000u);
    // The encoder's header in the first frame counts the frames: a third of them is damage,
    // wherever the cut falls (here inside a frame).
    const std::vector<char> cut(bytes.begin(), bytes.begin() + bytes.size() / 3 + 7);
    const std::string cutPath = TempFile("marrowen_cut.mp3", cut);
    MusicStream stream;
    platform::ClearLastError();
    EXPECT_FALSE(stream.Open(cutPath));
    const std::string problem = platform::LastError();
    EXPECT_EQ(problem.rfind(cutPath + ": damaged MP3 file (cut short: ", 0), 0u) << problem;
    EXPECT_EQ(problem.substr(problem.size() - 8), " frames)") << problem;
    std::filesystem::remove(cutPath);

    // Without that first frame nothing says how long the track was: what is there plays,
    // and loops.
    const std::vector<char> headless(bytes.begin() + 417, bytes.begin() + bytes.size() / 3);
    const std::string headlessPath = TempFile("marrowen_headerless.mp3", headless);
    ASSERT_TRUE(stream.Open(headlessPath)) << platform::LastError();
    const int64_t length = stream.LengthInFrames();
    EXPECT_GT(length, 0);
    EXPECT_LT(length, content::MusicTracks()[0].Frames());
    stream.SetPaused(false);
    ReadFrames(stream, static_cast<int>(length) + 10);
    EXPECT_EQ(stream.LoopCount(), 1);
    std::filesystem::remove(headlessPath);
}
}  // namespace
