// The drum kit of the synthesiser: pitched sine bodies and filtered noise.
#include <cmath>

#include "music/musicdsp.h"
#include "music/musicvoices.h"

namespace content
{
namespace
{
using namespace dsp;

struct DrumShape
{
    double startPitch, endPitch, sweepSeconds;  // sine body gliding down
    double bodyDecay, bodyLevel;
    double noiseCutoff, noiseResonance, noiseDecay, noiseLevel;
    bool noiseHighPass;  // high-pass instead of band-pass
    double seconds;
};

DrumShape ShapeOf(Drum aDrum)
{
    switch (aDrum)
    {
        case Drum::Kick:
            return {120, 45, 0.05, 0.28, 1.0, 3000, 0.8, 0.004, 0.3, false, 0.6};
        case Drum::Snare:
            return {200, 180, 0.02, 0.07, 0.5, 1800, 0.7, 0.12, 0.8, false, 0.4};
        case Drum::HiHat:
            return {0, 0, 1, 1, 0.0, 7500, 0.8, 0.035, 0.6, true, 0.2};
        case Drum::Shaker:
            return {0, 0, 1, 1, 0.0, 5200, 1.5, 0.05, 0.7, false, 0.2};
        case Drum::Conga:
            return {360, 310, 0.02, 0.16, 1.0, 2200, 1.0, 0.01, 0.25, false, 0.5};
        case Drum::Tom:
            return {170, 120, 0.08, 0.3, 1.0, 900, 1.0, 0.02, 0.2, false, 0.8};
        case Drum::Taiko:
            return {72, 48, 0.15, 0.8, 1.0, 500, 0.8, 0.06, 0.35, false, 2.0};
        case Drum::Click:
            return {2600, 2400, 0.01, 0.012, 0.6, 6000, 2.0, 0.006, 0.4, false, 0.1};
    }
    return {};
}
}  // namespace

std::vector<float> RenderDrum(Drum aDrum, Random& aRandom)
{
    const DrumShape shape = ShapeOf(aDrum);
    const int frames = FramesOf(shape.seconds);
    std::vector<float> out(frames);
    Filter noise;
    noise.Tune(shape.noiseCutoff, shape.noiseResonance);
    double phase = 0.0;
    const double glide = std::log(shape.endPitch > 0 ? shape.endPitch / shape.startPitch : 1.0);
    for (int n = 0; n < frames; ++n)
    {
        const double t = n / ourRate;
        const double sweep = std::min(1.0, t / shape.sweepSeconds);
        phase += shape.startPitch * std::exp(glide * sweep) / ourRate;
        const double body = std::sin(2.0 * ourPi * phase) * Decay(n, shape.bodyDecay);
        noise.Step(aRandom.Uniform() * 2.0 - 1.0);
        const double hiss =
            (shape.noiseHighPass ? noise.High() : noise.Band()) * Decay(n, shape.noiseDecay);
        // A 1 ms fade-in keeps the hit from clicking; the last 5 ms fade out.
        const double edges =
            std::min(1.0, n / (ourRate * 0.001)) * std::min(1.0, (frames - n) / (ourRate * 0.005));
        out[n] = static_cast<float>((shape.bodyLevel * body + shape.noiseLevel * hiss) * edges);
    }
    return out;
}

float Level(Drum aDrum)
{
    switch (aDrum)
    {
        case Drum::Kick:
        case Drum::Taiko:
            return 0.6f;
        case Drum::HiHat:
        case Drum::Click:
            return 0.12f;
        case Drum::Shaker:
            return 0.14f;
        default:
            return 0.35f;
    }
}

float ReverbSend(Drum aDrum)
{
    return aDrum == Drum::Taiko || aDrum == Drum::Snare ? 0.3f : 0.12f;
}
}  // namespace content
