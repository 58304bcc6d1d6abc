// The output's mix on known samples: gains, clipping, sound effects over it and the volumes'
// ramps; and its refusal of files that are no music or no sound. Streams of real music and the
// real effects are mixed in the game tests, which have the generated files beside them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "audiooutput.h"
#include "effectplayer.h"
#include "fatal.h"
#include "mixstages.h"
#include "testpictures.h"

namespace
{
using platform::AudioMode;
using platform::AudioOutput;

// A 16-bit mono WAV file at 44.1 kHz holding aSamples.
std::vector<uint8_t> Wav(const std::vector<int16_t>& aSamples)
{
    std::vector<uint8_t> bytes;
    const auto put = [&bytes](uint32_t aValue, int aSize)
    {
        for (int i = 0; i < aSize; ++i)
        {
            bytes.push_back(static_cast<uint8_t>(aValue >> (8 * i)));
        }
    };
    const auto tag = [&bytes](const std::string& aTag)
    {
        for (char letter : aTag)
        {
            bytes.push_back(static_cast<uint8_t>(letter));
        }
    };
    const auto data = static_cast<uint32_t>(aSamples.size() * 2);
    tag("RIFF");
    put(36 + data, 4);
    tag("WAVE");
    tag("fmt ");
    // Its size, then PCM, one channel, the rate, bytes a second and a frame, bits a sample.
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(44100, 4);
    put(88200, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(data, 4);
    for (int16_t sample : aSamples)
    {
        put(static_cast<uint16_t>(sample), 2);
    }
    return bytes;
}

std::vector<float> Mixed(AudioOutput& aOutput, int aFrames)
{
    std::vector<float> out(static_cast<size_t>(aFrames) * 2);
    aOutput.Mix(out.data(), aFrames);
    return out;
}

class AudioEffects : public testing::Test
{
protected:
    // An effect of aFrames frames all at aLevel (of full scale).
    std::string Effect(const std::string& aName, int aFrames, float aLevel) const
    {
        const auto value = static_cast<int16_t>(aLevel * 32767.0f);
        return testpictures::WriteFile(
            myFolder / aName, Wav(std::vector<int16_t>(static_cast<size_t>(aFrames), value)));
    }
    void TearDown() override { std::filesystem::remove_all(myFolder); }

    const std::filesystem::path myFolder = testpictures::TempFolder("audiooutput_effects");
};

TEST_F(AudioEffects, EffectsSoundOnBothChannelsAddUpAndEndWithTheirSamples)
{
    AudioOutput output(AudioMode::Manual);
    const int quiet = output.LoadEffect(Effect("quiet.wav", 300, 0.25f));
    const int loud = output.LoadEffect(Effect("loud.wav", 100, 0.5f));
    ASSERT_EQ(quiet, 0) << platform::LastError();
    ASSERT_EQ(loud, 1) << platform::LastError();
    output.PlayEffect(quiet);
    output.PlayEffect(loud, 0.5f);
    const std::vector<float> mix = Mixed(output, 400);
    const float unit = 1.0f / 16384.0f;  // what the 16-bit samples round away, and more
    for (const size_t frame : {size_t{0}, size_t{99}})
    {
        EXPECT_NEAR(mix[2 * frame], 0.5f, unit) << frame;
        EXPECT_EQ(mix[2 * frame + 1], mix[2 * frame]) << frame;
    }
    EXPECT_NEAR(mix[200], 0.25f, unit);  // frame 100, left
    EXPECT_NEAR(mix[599], 0.25f, unit);  // frame 299, right
    EXPECT_EQ(mix[600], 0.0f) << "an effect stops at its last sample";
    EXPECT_EQ(output.SoundingEffects(), 0);
}

TEST_F(AudioEffects, StartingEffectsNeverWaitsForTheMix)
{
    AudioOutput output(AudioMode::Manual);
    const int tone = output.LoadEffect(Effect("tone.wav", 1000, 0.01f));
    ASSERT_GE(tone, 0) << platform::LastError();
    // Nobody mixes: the requests beyond what the queue holds are dropped, none waits.
    for (int i = 0; i < 10000; ++i)
    {
        output.PlayEffect(tone);
    }
    const std::vector<float> mix = Mixed(output, 10);
    EXPECT_EQ(output.SoundingEffects(), platform::EffectPlayer::ourVoices);
    EXPECT_NEAR(mix[0], 0.01f * platform::EffectPlayer::ourVoices, 0.001f);
}

TEST_F(AudioEffects, LoudSumsAreHeldUnderFullScaleAndTheLimiterLetsGoAfterwards)
{
    AudioOutput output(AudioMode::Manual);
    const int loud = output.LoadEffect(Effect("loud.wav", 1000, 0.5f));
    const int quiet = output.LoadEffect(Effect("quiet.wav", 44100, 0.1f));
    ASSERT_GE(quiet, 0) << platform::LastError();
    for (int i = 0; i < 4; ++i)
    {
        output.PlayEffect(loud);
    }
    const std::vector<float> held = Mixed(output, 1000);
    EXPECT_NEAR(*std::max_element(held.begin(), held.end()), platform::Limiter::ourCeiling, 1e-5f);
    EXPECT_NEAR(held.back(), platform::Limiter::ourCeiling, 1e-5f) << "held, not clipped";
    output.PlayEffect(quiet);
    const std::vector<float> after = Mixed(output, 44100);
    EXPECT_LT(after[0], 0.06f) << "the gain comes back slowly, without a jump";
    EXPECT_NEAR(after.back(), 0.1f, 0.001f) << "and then lets the quiet sound through as it is";
}

TEST_F(AudioEffects, AVolumeChangeIsHeardAtOnceInARampWithoutAStep)
{
    AudioOutput output(AudioMode::Manual);
    const int hum = output.LoadEffect(Effect("hum.wav", 4000, 0.5f));
    ASSERT_GE(hum, 0) << platform::LastError();
    output.PlayEffect(hum);
    Mixed(output, 100);
    output.SetEffectsVolume(0.25f);
    output.SetMusicVolume(0.0f);  // the other bus: no part in the effects' level
    const std::vector<float> ramp = Mixed(output, 1000);
    EXPECT_LT(ramp[0], 0.5f) << "heard in the very next frame";
    float largestStep = 0.5f - ramp[0];
    for (size_t i = 2; i < ramp.size(); i += 2)
    {
        EXPECT_LE(ramp[i], ramp[i - 2]) << "the level only falls";
        largestStep = std::max(largestStep, ramp[i - 2] - ramp[i]);
    }
    EXPECT_LT(largestStep, 0.5f * 0.75f / 100.0f) << "no click: the change is spread out";
    // Within a few milliseconds (10 at most) the new volume holds.
    EXPECT_NEAR(ramp[size_t{2} * platform::GainRamp::ourFullSwingFrames], 0.125f, 0.0001f);
    EXPECT_NEAR(ramp.back(), 0.125f, 0.0001f);
}

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

TEST(AudioOutput, FilesThatAreNoMusicOrNoSoundAreRefusedByName)
{
    const auto folder = testpictures::TempFolder("audiooutput_refused");
    const std::string garbage =
        testpictures::WriteFile(folder / "noise.mp3", std::vector<uint8_t>(4096, 0x5A));
    std::vector<uint8_t> cut = Wav(std::vector<int16_t>(1000, 100));
    cut.resize(cut.size() - 10);
    const std::pair<std::string, std::string> sounds[] = {
        {(folder / "missing.wav").string(), "missing.wav: file not found"},
        {garbage, "noise.mp3: not a sound effect"},
        {testpictures::WriteFile(folder / "cut.wav", cut), "cut.wav: not a sound effect"},
        {testpictures::WriteFile(folder / "empty.wav", Wav({})), "empty.wav: "},
    };
    AudioOutput output(AudioMode::Silent);
    for (const auto& [path, problem] : sounds)
    {
        platform::ClearLastError();
        EXPECT_EQ(output.LoadEffect(path), -1) << path;
        EXPECT_NE(std::string(platform::LastError()).find(problem), std::string::npos)
            << platform::LastError();
    }
    EXPECT_EQ(output.EffectCount(), 0);

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
