#pragma once
// Building blocks shared by the synthesiser's instruments and drums.
#include <algorithm>
#include <cmath>

#include "music/musicsynth.h"

namespace content
{
namespace dsp
{
constexpr double ourRate = Synth::ourSampleRate;
constexpr double ourPi = 3.14159265358979323846;

inline int FramesOf(double aSeconds)
{
    return static_cast<int>(aSeconds * ourRate);
}

// Attack, decay to the sustain level while held, then release.
struct Envelope
{
    double attack, decay, sustain, release;

    double At(int aFrame, int aHeld) const
    {
        const double t = aFrame / ourRate;
        const double heldTime = aHeld / ourRate;
        auto level = [this](double aT)
        {
            if (aT < attack)
            {
                return aT / attack;
            }
            return sustain + (1.0 - sustain) * std::exp(-(aT - attack) / decay);
        };
        if (t < heldTime)
        {
            return level(t);
        }
        return level(heldTime) * std::exp(-(t - heldTime) / (release / 4.0));
    }
};

// State-variable filter (trapezoidal form): stable at any cut-off below Nyquist.
class Filter
{
public:
    void Tune(double aCutoff, double aResonance)
    {
        const double cutoff = std::min(aCutoff, ourRate * 0.45);
        myG = std::tan(ourPi * cutoff / ourRate);
        myK = 1.0 / aResonance;
    }
    // Returns low-pass; band- and high-pass are kept for Band() and High().
    double Step(double aIn)
    {
        const double v3 = aIn - myIc2;
        const double v1 = (myG * v3 + myIc1) / (1.0 + myG * (myG + myK));
        const double v2 = myIc2 + myG * v1;
        myIc1 = 2.0 * v1 - myIc1;
        myIc2 = 2.0 * v2 - myIc2;
        myBand = v1;
        myHigh = aIn - myK * v1 - v2;
        return v2;
    }
    double Band() const { return myBand; }
    double High() const { return myHigh; }

private:
    double myG = 0.1, myK = 1.0, myIc1 = 0.0, myIc2 = 0.0, myBand = 0.0, myHigh = 0.0;
};

inline double Decay(int aFrame, double aSeconds)
{
    return std::exp(-aFrame / (ourRate * aSeconds));
}

}  // namespace dsp
}  // namespace content
