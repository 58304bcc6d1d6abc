#include "sounds/soundkit.h"

#include <algorithm>
#include <cmath>

#include "music/musicdsp.h"

namespace content
{
namespace sfx
{
namespace
{
constexpr double ourRate = dsp::ourRate;
constexpr double ourTwoPi = 2.0 * dsp::ourPi;
// Below this a decaying sound is silence: it ends there.
constexpr double ourSilence = 1e-4;

// Level of an attack-then-decay envelope aSeconds after it starts.
double Envelope(double aSeconds, double aAttack, double aDecay)
{
    if (aSeconds < aAttack)
    {
        return aSeconds / aAttack;
    }
    return std::exp(-(aSeconds - aAttack) / aDecay);
}

// How long the envelope lasts until it falls silent.
double Length(double aAttack, double aDecay, double aLevel)
{
    return aAttack + aDecay * std::log(std::max(1.0, std::fabs(aLevel) / ourSilence));
}
}  // namespace

int FramesOf(double aSeconds)
{
    return static_cast<int>(std::lround(aSeconds * ourRate));
}

double Semitones(double aSemitones)
{
    return std::pow(2.0, aSemitones / 12.0);
}

Sound::Sound(double aSeconds) : mySamples(static_cast<size_t>(FramesOf(aSeconds)), 0.0) {}

void Sound::Add(int aFrame, double aValue)
{
    if (aFrame >= 0 && aFrame < Frames())
    {
        mySamples[static_cast<size_t>(aFrame)] += aValue;
    }
}

void Sound::Tone(double aAt, double aFrom, double aTo, double aGlide, double aLevel, double aDecay)
{
    constexpr double attack = 0.002;
    const int start = FramesOf(aAt);
    const int frames = FramesOf(Length(attack, aDecay, aLevel));
    const double glide = std::log(aTo / aFrom);
    double phase = 0.0;
    for (int n = 0; n < frames && start + n < Frames(); ++n)
    {
        const double t = n / ourRate;
        const double frequency = aFrom * std::exp(glide * std::min(1.0, t / aGlide));
        Add(start + n, aLevel * Envelope(t, attack, aDecay) * std::sin(ourTwoPi * phase));
        phase += frequency / ourRate;
        phase -= std::floor(phase);
    }
}

void Sound::Strike(double aAt, double aBase, const std::vector<double>& aRatios, double aLevel,
                   double aDecay)
{
    double level = aLevel;
    double decay = aDecay;
    for (double ratio : aRatios)
    {
        const double frequency = aBase * ratio;
        Tone(aAt, frequency, frequency, 1.0, level, decay);
        level *= 0.6;
        decay *= 0.7;
    }
}

void Sound::Noise(double aAt, const NoiseBurst& aBurst, Random& aRandom)
{
    const int start = FramesOf(aAt);
    const int frames =
        FramesOf(std::min(aBurst.seconds, Length(aBurst.attack, aBurst.decay, aBurst.level)));
    const double glide = std::log(aBurst.to / aBurst.from);
    // A burst cut off before it has died away fades out instead of stopping with a click.
    const int fade = FramesOf(0.005);
    dsp::Filter filter;
    for (int n = 0; n < frames && start + n < Frames(); ++n)
    {
        const double t = n / ourRate;
        filter.Tune(aBurst.from * std::exp(glide * t / aBurst.seconds), aBurst.resonance);
        const double low = filter.Step(aRandom.Uniform() * 2.0 - 1.0);
        const double filtered = aBurst.pass == Pass::Low    ? low
                                : aBurst.pass == Pass::Band ? filter.Band()
                                                            : filter.High();
        const double end = std::min(1.0, static_cast<double>(frames - n) / fade);
        Add(start + n, aBurst.level * Envelope(t, aBurst.attack, aBurst.decay) * end * filtered);
    }
}

void Sound::Saturate(double aDrive)
{
    for (double& sample : mySamples)
    {
        sample = std::tanh(sample * aDrive) / aDrive;
    }
}

std::vector<float> Sound::Finish(double aPeak) const
{
    double peak = 1e-9;
    for (double sample : mySamples)
    {
        peak = std::max(peak, std::fabs(sample));
    }
    const int frames = Frames();
    const int fadeIn = FramesOf(0.001);
    const int fadeOut = FramesOf(0.010);
    std::vector<float> out(mySamples.size());
    for (int n = 0; n < frames; ++n)
    {
        const double edges = std::min(
            {1.0, static_cast<double>(n) / fadeIn, static_cast<double>(frames - 1 - n) / fadeOut});
        out[static_cast<size_t>(n)] =
            static_cast<float>(mySamples[static_cast<size_t>(n)] * aPeak / peak * edges);
    }
    return out;
}
}  // namespace sfx
}  // namespace content
