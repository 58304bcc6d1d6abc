// The music output's mix on known samples, and its refusal of files that are no music. Streams
// of real music are mixed in the game tests, which have the generated tracks beside them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "audiooutput.h"
#include "fatal.h"
#include "testpictures.h"

namespace
{
using platform::AudioMode;
using platform::AudioOutput;

TEST(AudioOutput, GainIsClampedNeverWrappedOrNegative)
{
    // The game asks for 2.03: full volume, not more and not a wrapped-around small value.
    EXPECT_EQ(AudioOutput::ClampGain(2.03f), 1.0f);
    EXPECT_EQ(AudioOutput::ClampGain(0.25f), 0.25f);
    EXPECT_EQ(AudioOutput::ClampGain(-0.5f), 0.0f);
    EXPECT_EQ(AudioOutput::ClampGain(std::nanf("")), 0.0f);

    const std::vector<float> source = {0.5f, -0.5f, 0.9f, -1.0f};
    std::vector<float> mix(source.size(), 0.0f);
    AudioOutput::AddScaled(mix.data(), source.data(), static_cast<int>(source.size()), 2.03f);
    EXPECT_EQ(mix, source);
    AudioOutput::AddScaled(mix.data(), source.data(), static_cast<int>(source.size()), 0.5f);
    EXPECT_FLOAT_EQ(mix[0], 0.75f);
    EXPECT_FLOAT_EQ(mix[3], -1.5f);
}

TEST(AudioOutput, LoudSumsClipAtFullScale)
{
    std::vector<float> mix = {1.8f, -1.8f, 0.3f, -0.999f, std::nanf(""), 1.0f};
    AudioOutput::ClampSamples(mix.data(), static_cast<int>(mix.size()));
    const std::vector<float> expected = {1.0f, -1.0f, 0.3f, -0.999f, 0.0f, 1.0f};
    EXPECT_EQ(mix, expected);
}

TEST(AudioOutput, WithoutStreamsTheMixIsSilence)
{
    AudioOutput output(AudioMode::Manual);
    EXPECT_FALSE(output.HasDevice());
    EXPECT_EQ(output.StreamCount(), 0);
    // More than one internal piece, and the old contents are overwritten.
    std::vector<float> out(size_t{2} * 5000, 0.7f);
    output.Mix(out.data(), 5000);
    EXPECT_EQ(out, std::vector<float>(out.size(), 0.0f));
}

TEST(AudioOutput, FilesThatAreNoMusicAreRefusedByName)
{
    const auto folder = testpictures::TempFolder("audiooutput_refused");
    const std::string garbage =
        testpictures::WriteFile(folder / "noise.mp3", std::vector<uint8_t>(4096, 0x5A));
    AudioOutput output(AudioMode::Silent);
    EXPECT_FALSE(output.HasDevice());

    platform::ClearLastError();
    EXPECT_EQ(output.OpenStream((folder / "missing.mp3").string()), -1);
    EXPECT_NE(std::string(platform::LastError()).find("missing.mp3: file not found"),
              std::string::npos)
        << platform::LastError();

    platform::ClearLastError();
    EXPECT_EQ(output.OpenStream(garbage), -1);
    EXPECT_NE(std::string(platform::LastError()).find("noise.mp3: "), std::string::npos)
        << platform::LastError();
    EXPECT_EQ(output.StreamCount(), 0);
    std::filesystem::remove_all(folder);
}
}  // namespace
