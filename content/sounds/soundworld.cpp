// The sounds of things happening in the world: the curtain between scenes, the raft, the blast
// in the cave, the engine taking a part and the time machine starting.
#include <cmath>

#include "music/musicdsp.h"
#include "sounds/soundkit.h"
#include "sounds/soundrecipes.h"

namespace content
{
namespace sfx
{
namespace
{
// Rises from 0 to 1 over the first aRise of [0, 1], falls back to 0 after aFall.
double Swell(double aPhase, double aRise, double aFall)
{
    if (aPhase < aRise)
    {
        return std::sin(aPhase / aRise * dsp::ourPi / 2.0);
    }
    if (aPhase > aFall)
    {
        return std::cos((aPhase - aFall) / (1.0 - aFall) * dsp::ourPi / 2.0);
    }
    return 1.0;
}

// One stroke of a paddle: a swish of water, then a few bubbles rising.
void Paddle(Sound& aSound, double aAt, Random& aRandom)
{
    aSound.Noise(aAt, {Pass::Low, 1600.0, 500.0, 0.7, 1.0, 0.04, 0.12, 0.45}, aRandom);
    for (int bubble = 0; bubble < 6; ++bubble)
    {
        const double pitch = aRandom.Range(450.0, 950.0);
        aSound.Tone(aAt + aRandom.Range(0.05, 0.35), pitch, pitch * 1.6, 0.03,
                    aRandom.Range(0.08, 0.18), 0.018);
    }
}
}  // namespace

std::vector<float> Curtain()
{
    Random random(41);
    Sound sound(0.75);
    dsp::Filter filter;
    const int frames = sound.Frames();
    for (int n = 0; n < frames; ++n)
    {
        const double phase = static_cast<double>(n) / frames;
        // The centre of the hiss sweeps up and back down, like cloth drawn past the ear.
        filter.Tune(300.0 + 1500.0 * std::sin(phase * dsp::ourPi), 0.8);
        filter.Step(random.Uniform() * 2.0 - 1.0);
        sound.Add(n, filter.Band() * Swell(phase, 0.4, 0.5));
    }
    return sound.Finish(0.28);
}

std::vector<float> RaftCrossing()
{
    Random random(51);
    Sound sound(1.7);
    for (double at : {0.0, 0.5, 1.0})
    {
        Paddle(sound, at, random);
    }
    // The river lapping against the logs all the while.
    dsp::Filter filter;
    filter.Tune(500.0, 0.7);
    const int frames = sound.Frames();
    for (int n = 0; n < frames; ++n)
    {
        const double phase = static_cast<double>(n) / frames;
        const double lap = 0.5 + 0.5 * std::sin(phase * 2.0 * dsp::ourPi * 5.0);
        sound.Add(n,
                  0.25 * filter.Step(random.Uniform() * 2.0 - 1.0) * lap * Swell(phase, 0.1, 0.7));
    }
    return sound.Finish(0.40);
}

std::vector<float> Blast()
{
    Random random(61);
    Sound sound(2.6);
    sound.Tone(0.0, 90.0, 32.0, 0.5, 1.0, 0.55);                                       // the boom
    sound.Noise(0.0, {Pass::Low, 4000.0, 250.0, 0.7, 1.0, 0.003, 0.25, 1.2}, random);  // crack
    sound.Noise(0.0, {Pass::Low, 160.0, 160.0, 0.7, 1.6, 0.05, 0.7, 2.6}, random);     // rumble
    // Stones falling after it, fewer and fewer.
    for (int stone = 0; stone < 14; ++stone)
    {
        const double at = 0.25 + 1.4 * std::pow(random.Uniform(), 1.6);
        const double pitch = random.Range(1200.0, 3000.0);
        const double level = random.Range(0.15, 0.35) * (1.6 - at) / 1.4;
        sound.Noise(at, {Pass::Band, pitch, pitch, 2.0, level, 0.001, 0.012, 0.06}, random);
    }
    sound.Saturate(1.5);
    return sound.Finish(0.60);
}

std::vector<float> EngineTakesPart()
{
    Random random(71);
    Sound sound(1.05);
    sound.Strike(0.0, 150.0, {1.0, 2.47, 4.6, 7.5}, 1.0, 0.25);  // the part seats: clunk
    for (int click = 0; click < 4; ++click)                      // a ratchet tightens it
    {
        sound.Noise(0.2 + 0.08 * click, {Pass::Band, 3200.0, 3200.0, 2.5, 0.6, 0.0005, 0.006, 0.03},
                    random);
    }
    // and the engine turns it over once: a short whirr up and down.
    dsp::Filter filter;
    const int start = FramesOf(0.5);
    const int frames = FramesOf(0.5);
    double phase = 0.0;
    for (int n = 0; n < frames; ++n)
    {
        const double t = static_cast<double>(n) / frames;
        const double frequency = 90.0 + 90.0 * std::sin(t * dsp::ourPi);
        phase += frequency / dsp::ourRate;
        phase -= std::floor(phase);
        filter.Tune(400.0 + 800.0 * std::sin(t * dsp::ourPi), 1.0);
        const double buzz = filter.Step(2.0 * phase - 1.0);
        sound.Add(start + n, 0.5 * buzz * Swell(t, 0.2, 0.6));
    }
    return sound.Finish(0.45);
}

std::vector<float> MachineStarts()
{
    Random random(81);
    Sound sound(3.4);
    dsp::Filter filter;
    const int frames = sound.Frames();
    double phase = 0.0;
    for (int n = 0; n < frames; ++n)
    {
        const double t = static_cast<double>(n) / frames;
        // The drive spins up: its hum rises two octaves and opens out.
        const double frequency = 45.0 * std::pow(3.5, std::min(1.0, t / 0.75));
        phase += frequency / dsp::ourRate;
        phase -= std::floor(phase);
        double hum = 0.0;
        for (int harmonic = 1; harmonic <= 5; ++harmonic)
        {
            hum += std::sin(2.0 * dsp::ourPi * phase * harmonic) / harmonic;
        }
        filter.Tune(250.0 + 2500.0 * t * t, 0.9);
        sound.Add(n, filter.Step(hum) * Swell(t, 0.7, 0.85));
    }
    // The time drive glows: a bright chord rings out over the top.
    for (double pitch : {523.25, 783.99, 1046.5, 1568.0})
    {
        sound.Tone(1.6 + pitch / 10000.0, pitch, pitch, 1.0, 0.18, 0.6);
    }
    sound.Noise(1.9, {Pass::Band, 400.0, 3000.0, 0.7, 0.8, 0.6, 0.35, 1.4}, random);  // whoosh
    return sound.Finish(0.55);
}
}  // namespace sfx
}  // namespace content
