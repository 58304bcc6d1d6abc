#pragma once
// The building blocks of the sound effects: a mono buffer at 44.1 kHz into which tones,
// filtered noise and ringing partials are added, each from its own start time with a short
// attack and an exponential decay. Seeded noise, so every run makes the same sound.
#include <vector>

#include "core/canvas.h"

namespace content
{
namespace sfx
{
enum class Pass
{
    Low,
    Band,
    High,
};

// A burst of filtered noise: the filter's cut-off glides from one frequency to the other over
// the burst; the level rises over the attack and then decays. Written in this order:
// {pass, from, to, resonance, level, attack, decay, seconds}.
struct NoiseBurst
{
    Pass pass;
    double from;  // Hz at the start
    double to;    // Hz at the end
    double resonance;
    double level;
    double attack;  // seconds
    double decay;   // seconds for the level to fall to 1/e
    double seconds;
};

class Sound
{
public:
    explicit Sound(double aSeconds);

    // A sine starting at aAt seconds, gliding from aFrom to aTo Hz over aGlide seconds, at
    // aLevel with a 2 ms attack, decaying to 1/e every aDecay seconds.
    void Tone(double aAt, double aFrom, double aTo, double aGlide, double aLevel, double aDecay);
    // Inharmonic partials of one struck body (metal, wood): aBase times each ratio, each
    // quieter and shorter than the one before.
    void Strike(double aAt, double aBase, const std::vector<double>& aRatios, double aLevel,
                double aDecay);
    void Noise(double aAt, const NoiseBurst& aBurst, Random& aRandom);
    // Adds aValue to the sample at aSeconds (outside the sound: nothing).
    void Add(int aFrame, double aValue);
    int Frames() const { return static_cast<int>(mySamples.size()); }
    double At(int aFrame) const { return mySamples[static_cast<size_t>(aFrame)]; }
    // Every sample through a gentle saturation: loud parts are rounded off, quiet ones stay.
    void Saturate(double aDrive);

    // Ready for the file: a 1 ms fade in, a 10 ms fade out, and the loudest sample at aPeak.
    std::vector<float> Finish(double aPeak) const;

private:
    std::vector<double> mySamples;
};

// Frames in aSeconds at the effects' rate.
int FramesOf(double aSeconds);
// 2^(aSemitones / 12): a pitch ratio.
double Semitones(double aSemitones);
}  // namespace sfx
}  // namespace content
