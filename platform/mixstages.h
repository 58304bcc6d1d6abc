#pragma once
// The last stages of the mix: a volume that moves to a new value in a short ramp instead of a
// jump (a jump clicks), and a limiter that keeps the sum of music and effects under full scale.
#include <atomic>

namespace platform
{
class GainRamp
{
public:
    // A full swing from 0 to 1 takes this many frames (10 ms); smaller changes take less.
    static constexpr int ourFullSwingFrames = 441;

    explicit GainRamp(float aGain) : myTarget(aGain), myGain(aGain) {}

    // Any thread: the gain to move to, [0, 1] (NaN counts as 0).
    void SetTarget(float aGain);
    // Mixing thread: the gain for the next frame, one step nearer the target.
    float Next();

private:
    std::atomic<float> myTarget;
    float myGain;  // the mixing thread's alone
};

// A peak limiter on interleaved stereo: a frame that would go over the ceiling brings the gain
// down at once, just enough; afterwards the gain recovers smoothly. Both channels share it, so
// the picture of the stereo stays where it is.
class Limiter
{
public:
    // About -0.45 dB below full scale.
    static constexpr float ourCeiling = 0.95f;

    void Process(float* aStereo, int aFrames);

private:
    float myGain = 1.0f;
};
}  // namespace platform
