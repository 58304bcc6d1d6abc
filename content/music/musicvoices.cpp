#include "music/musicvoices.h"

#include <algorithm>
#include <cmath>

#include "music/musicdsp.h"

namespace content
{
namespace
{
using namespace dsp;

// Band-limited sawtooth (polyBLEP), phase in [0, 1).
double Blep(double aPhase, double aStep)
{
    if (aPhase < aStep)
    {
        const double t = aPhase / aStep;
        return t + t - t * t - 1.0;
    }
    if (aPhase > 1.0 - aStep)
    {
        const double t = (aPhase - 1.0) / aStep;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Saw(double aPhase, double aStep)
{
    return 2.0 * aPhase - 1.0 - Blep(aPhase, aStep);
}

double Square(double aPhase, double aStep)
{
    const double shifted = std::fmod(aPhase + 0.5, 1.0);
    return (aPhase < 0.5 ? 1.0 : -1.0) + Blep(aPhase, aStep) - Blep(shifted, aStep);
}

std::vector<float> DetunedSaws(double aFrequency, int aHeld, const Envelope& aEnvelope,
                               const double* aDetune, int aCount, double aCutoff)
{
    const int frames = aHeld + FramesOf(aEnvelope.release);
    std::vector<float> out(frames);
    std::vector<double> phases(aCount, 0.0);
    for (int i = 0; i < aCount; ++i)
    {
        phases[i] = 0.31 * i;  // spread start phases so the voices do not click together
    }
    Filter filter;
    filter.Tune(aCutoff, 0.7);
    for (int n = 0; n < frames; ++n)
    {
        double sum = 0.0;
        for (int i = 0; i < aCount; ++i)
        {
            const double step = aFrequency * aDetune[i] / ourRate;
            sum += Saw(phases[i], step);
            phases[i] = std::fmod(phases[i] + step, 1.0);
        }
        out[n] = static_cast<float>(filter.Step(sum / aCount) * aEnvelope.At(n, aHeld));
    }
    return out;
}

std::vector<float> KarplusStrong(double aFrequency, int aHeld, Random& aRandom)
{
    const int frames = aHeld + FramesOf(0.9);
    std::vector<float> out(frames);
    const int period = std::max(2, static_cast<int>(ourRate / aFrequency - 0.5));
    std::vector<double> line(period);
    double smooth = 0.0;
    for (double& value : line)
    {
        smooth = 0.6 * smooth + 0.4 * (aRandom.Uniform() * 2.0 - 1.0);  // softer, rounder attack
        value = smooth;
    }
    double previous = 0.0;
    for (int n = 0; n < frames; ++n)
    {
        const int index = n % period;
        const double current = line[index];
        line[index] = 0.4985 * (current + previous);
        previous = current;
        const double fade = n < aHeld ? 1.0 : Decay(n - aHeld, 0.12);
        out[n] = static_cast<float>(current * fade);
    }
    return out;
}

std::vector<float> Partials(double aFrequency, int aFrames, const double (*aParts)[3], int aCount)
{
    std::vector<float> out(aFrames);
    for (int n = 0; n < aFrames; ++n)
    {
        const double t = n / ourRate;
        double sum = 0.0;
        for (int i = 0; i < aCount; ++i)
        {
            sum += aParts[i][1] * std::sin(2.0 * ourPi * aFrequency * aParts[i][0] * t) *
                   Decay(n, aParts[i][2]);
        }
        const double attack = std::min(1.0, n / (ourRate * 0.002));
        out[n] = static_cast<float>(sum * attack);
    }
    return out;
}

std::vector<float> Flute(double aFrequency, int aHeld, Random& aRandom)
{
    const Envelope envelope{0.08, 0.2, 0.85, 0.25};
    const int frames = aHeld + FramesOf(envelope.release);
    std::vector<float> out(frames);
    Filter breath;
    breath.Tune(aFrequency * 2.0, 2.0);
    double phase = 0.0;
    for (int n = 0; n < frames; ++n)
    {
        const double t = n / ourRate;
        const double vibrato = 1.0 + 0.004 * std::min(1.0, t / 0.3) * std::sin(2 * ourPi * 5 * t);
        phase += aFrequency * vibrato / ourRate;
        const double body = std::sin(2 * ourPi * phase) + 0.15 * std::sin(4 * ourPi * phase) +
                            0.05 * std::sin(6 * ourPi * phase);
        breath.Step(aRandom.Uniform() * 2.0 - 1.0);
        out[n] = static_cast<float>((body + 0.25 * breath.Band()) * envelope.At(n, aHeld));
    }
    return out;
}

std::vector<float> Lead(double aFrequency, int aHeld)
{
    const Envelope envelope{0.015, 0.25, 0.6, 0.15};
    const int frames = aHeld + FramesOf(envelope.release);
    std::vector<float> out(frames);
    Filter filter;
    double phase = 0.0;
    const double step = aFrequency / ourRate;
    for (int n = 0; n < frames; ++n)
    {
        filter.Tune(aFrequency * (1.5 + 3.0 * Decay(n, 0.15)), 1.2);
        const double value = filter.Step(Square(phase, step));
        phase = std::fmod(phase + step, 1.0);
        out[n] = static_cast<float>(value * envelope.At(n, aHeld));
    }
    return out;
}

std::vector<float> Bass(double aFrequency, int aHeld)
{
    const Envelope envelope{0.006, 0.3, 0.55, 0.12};
    const int frames = aHeld + FramesOf(envelope.release);
    std::vector<float> out(frames);
    for (int n = 0; n < frames; ++n)
    {
        const double p = 2.0 * ourPi * aFrequency * n / ourRate;
        const double value = std::sin(p) + 0.25 * std::sin(2 * p) * Decay(n, 0.08);
        out[n] = static_cast<float>(std::tanh(1.3 * value) * envelope.At(n, aHeld));
    }
    return out;
}
}  // namespace

std::vector<float> RenderInstrument(Instrument aInstrument, double aFrequency, int aHeld,
                                    Random& aRandom)
{
    static const double padDetune[] = {0.994, 1.0, 1.006};
    static const double droneDetune[] = {0.9985, 1.0015};
    static const double marimba[][3] = {{1.0, 1.0, 0.35}, {3.93, 0.3, 0.05}, {9.2, 0.08, 0.01}};
    static const double bell[][3] = {{1.0, 1.0, 1.6}, {2.76, 0.35, 0.6}, {5.4, 0.15, 0.2}};
    switch (aInstrument)
    {
        case Instrument::Pad:
            return DetunedSaws(aFrequency, aHeld, Envelope{0.7, 0.8, 0.8, 1.2}, padDetune, 3,
                               std::min(2200.0, aFrequency * 3.5));
        case Instrument::Drone:
            return DetunedSaws(aFrequency, aHeld, Envelope{1.5, 2.0, 1.0, 2.0}, droneDetune, 2,
                               aFrequency * 3.0);
        case Instrument::Bass:
            return Bass(aFrequency, aHeld);
        case Instrument::Pluck:
            return KarplusStrong(aFrequency, aHeld, aRandom);
        case Instrument::Marimba:
            return Partials(aFrequency, std::max(aHeld, FramesOf(1.2)), marimba, 3);
        case Instrument::Bell:
            return Partials(aFrequency, std::max(aHeld, FramesOf(3.5)), bell, 3);
        case Instrument::Flute:
            return Flute(aFrequency, aHeld, aRandom);
        case Instrument::Lead:
            return Lead(aFrequency, aHeld);
    }
    return {};
}

float Level(Instrument aInstrument)
{
    switch (aInstrument)
    {
        case Instrument::Pad:
            return 0.16f;
        case Instrument::Drone:
            return 0.22f;
        case Instrument::Bass:
            return 0.32f;
        case Instrument::Flute:
        case Instrument::Marimba:
            return 0.4f;
        case Instrument::Lead:
            return 0.16f;
        case Instrument::Bell:
            return 0.18f;
        default:
            return 0.3f;
    }
}

float ReverbSend(Instrument aInstrument)
{
    switch (aInstrument)
    {
        case Instrument::Bass:
            return 0.05f;
        case Instrument::Bell:
        case Instrument::Flute:
        case Instrument::Pad:
            return 0.45f;
        default:
            return 0.3f;
    }
}
}  // namespace content
