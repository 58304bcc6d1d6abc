#pragma once
// The game's sound output: several looping music streams open at once, the playing ones mixed
// with their volume into 44.1 kHz stereo float, and short sound effects decoded whole at
// start-up that play over them. The music and the effects each have a volume that moves in a
// short ramp, and a limiter keeps their sum under full scale. On a sound card SDL's audio
// thread pulls the mix; without one a silent clock decodes and discards the same amount in
// real time, so a track's position never depends on whether anybody can hear it.
#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "musicstream.h"

namespace platform
{
class EffectPlayer;
class GainRamp;
class Limiter;

enum class AudioMode
{
    Device,  // the sound card; the silent clock when there is none or it cannot be opened
    Silent,  // never a sound card: the silent clock (headless runs, tests)
    Manual,  // no device and no clock: the owner calls Mix (tests, tools)
};

class AudioOutput
{
public:
    static constexpr int ourMaxStreams = 16;

    explicit AudioOutput(AudioMode aMode);
    // Stops the audio thread or clock before any stream goes.
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // True when a sound card plays the mix.
    bool HasDevice() const;

    // Opens aPath (relative to the data folder) as a looping stream, paused at its
    // start, volume 1. Its index, or -1 with "<file>: <problem>" in LastError(). One thread
    // opens streams; the mix may already be running meanwhile.
    int OpenStream(const std::string& aPath);
    int StreamCount() const { return myCount.load(std::memory_order_acquire); }
    // Pause and position of an open stream; any thread.
    MusicStream& Stream(int aIndex);
    const MusicStream& Stream(int aIndex) const;
    // Any thread. Stored as given; the mix clamps it to [0, 1].
    void SetVolume(int aIndex, float aGain);

    // Decodes aPath (a WAV file, relative to the data folder) whole into memory. Its index, or
    // -1 with "<file>: <problem>" in LastError(). One thread loads; the mix may already run.
    int LoadEffect(const std::string& aPath);
    int EffectCount() const;
    // Any thread, never waiting for the mix: effect aIndex from its start at aGain (clamped
    // to [0, 1]), heard from the next piece of the mix on. A wrong index ends the program.
    void PlayEffect(int aIndex, float aGain = 1.0f);
    // Effects still sounding when the mix last ran; any thread.
    int SoundingEffects() const;

    // Any thread: the volume of all the music and of all the effects, [0, 1]. The mix moves
    // to it within a few milliseconds, in a ramp.
    void SetMusicVolume(float aGain);
    void SetEffectsVolume(float aGain);

    // Writes aFrames frames: every playing stream times its clamped volume, summed and times
    // the music's volume; every sounding effect, times the effects' volume; the two added,
    // limited under full scale and clamped to [-1, 1]. The audio thread's (or the clock's)
    // work: call it yourself in Manual mode only.
    void Mix(float* aOut, int aFrames);

    // A volume as the mix applies it: [0, 1], and 0 for NaN.
    static float ClampGain(float aGain);
    // aMix[i] += aSource[i] * ClampGain(aGain) for aSamples samples.
    static void AddScaled(float* aMix, const float* aSource, int aSamples, float aGain);
    // Limits every sample to [-1, 1] (NaN becomes 0), so loud sums clip instead of wrapping.
    static void ClampSamples(float* aSamples, int aCount);

    // What pulls the mix: the sound card or the silent clock (defined in the source).
    class Driver;

private:
    struct Slot
    {
        std::unique_ptr<MusicStream> myStream;
        std::atomic<float> myGain{1.0f};
    };

    // The slot of an open stream; a wrong index ends the program.
    const Slot& OpenSlot(int aIndex) const;

    std::array<Slot, ourMaxStreams> mySlots;
    std::atomic<int> myCount{0};
    std::unique_ptr<EffectPlayer> myEffects;
    std::unique_ptr<GainRamp> myMusicVolume;
    std::unique_ptr<GainRamp> myEffectsVolume;
    // The mixing thread's alone: a stream's samples, the two sums, the limiter.
    std::vector<float> myScratch;
    std::vector<float> myMusic;
    std::vector<float> myEffectsMix;
    std::unique_ptr<Limiter> myLimiter;
    // Declared last: it goes first, so nothing mixes while the streams are torn down.
    std::unique_ptr<Driver> myDriver;
};
}  // namespace platform
