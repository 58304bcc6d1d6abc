#pragma once
// A small synthesiser for the game's music. A track is a loop of whole beats; notes and drum
// hits are written into it, and anything that rings past the end (note tails, reverb) wraps
// round to the start, so the loop joins without a seam. Seeded with the generator's shared
// Random, so every run makes the same sound.
#include <cstdint>
#include <vector>

#include "core/canvas.h"

namespace content
{
enum class Instrument
{
    Pad,      // soft detuned saws through a low-pass filter, slow swell
    Bass,     // round sine bass with a short pluck
    Pluck,    // plucked string (Karplus-Strong)
    Marimba,  // wooden bar: sine with a quickly fading overtone
    Bell,     // glassy bell: two inharmonic sines, long decay
    Flute,    // breathy sine with vibrato
    Lead,     // filtered square with a soft attack, for the machine
    Drone,    // low, slowly beating saws
};

enum class Drum
{
    Kick,
    Snare,
    HiHat,
    Shaker,
    Conga,  // high hand drum
    Tom,    // low hand drum
    Taiko,  // deep drum with a long boom
    Click,  // metallic tick
};

class Synth
{
public:
    static constexpr int ourSampleRate = 44100;

    // A loop of aBeats beats at aBpm beats per minute.
    Synth(double aBpm, int aBeats, uint64_t aSeed);

    // Frames in a loop of aBeats beats at aBpm.
    static int LoopFrames(double aBpm, int aBeats);

    int Frames() const { return myFrames; }
    int Beats() const { return myBeats; }

    // A note of MIDI pitch aMidi starting at aBeat (may be fractional) held for aLength beats.
    // aPan runs from -1 (left) to 1 (right).
    void Play(Instrument aInstrument, double aBeat, double aLength, int aMidi, float aVelocity,
              float aPan);
    void Hit(Drum aDrum, double aBeat, float aVelocity, float aPan);

    // The finished loop: interleaved stereo, reverb added, peak at about -1.5 dB.
    std::vector<float> Mix() const;

private:
    int FrameOf(double aBeat) const;
    void AddMono(const std::vector<float>& aSound, int aStart, float aVelocity, float aPan,
                 float aSend);

    double myBpm;
    int myBeats;
    int myFrames;
    Random myRandom;
    std::vector<float> myLeft;
    std::vector<float> myRight;
    std::vector<float> mySend;  // mono reverb send
};
}  // namespace content
