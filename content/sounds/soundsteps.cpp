// Footsteps, one kind per ground, each as a heel and then the ball of the foot. The variants
// of a kind differ in their noise and a little in pitch, so a walk never repeats one sample.
// Quiet: they accompany every few hundred milliseconds of walking.
#include "sounds/soundkit.h"
#include "sounds/soundrecipes.h"

namespace content
{
namespace sfx
{
namespace
{
// Variant 0 a semitone low, 1 as written, 2 a semitone high.
double Pitch(int aVariant)
{
    return Semitones(aVariant - 1.0);
}

Random Seeded(int aGround, int aVariant)
{
    return Random(static_cast<uint64_t>(100 + 10 * aGround + aVariant));
}

// A soft thud of the body's weight landing.
void Thud(Sound& aSound, double aAt, double aFrequency, double aLevel)
{
    aSound.Tone(aAt, aFrequency * 1.4, aFrequency, 0.015, aLevel, 0.03);
}
}  // namespace

std::vector<float> StepGrass(int aVariant)
{
    Random random = Seeded(0, aVariant);
    Sound sound(0.20);
    for (double at : {0.0, 0.04})
    {
        NoiseBurst swish;
        swish.from = 2800.0 * Pitch(aVariant);
        swish.to = 1800.0 * Pitch(aVariant);
        swish.resonance = 0.6;
        swish.level = at == 0.0 ? 1.0 : 0.7;
        swish.attack = 0.008;
        swish.decay = 0.035;
        swish.seconds = 0.12;
        sound.Noise(at, swish, random);
    }
    Thud(sound, 0.0, 90.0 * Pitch(aVariant), 0.5);
    return sound.Finish(0.20);
}

std::vector<float> StepSand(int aVariant)
{
    Random random = Seeded(1, aVariant);
    Sound sound(0.22);
    // Grains giving way: many tiny crackles, densest as the weight comes down.
    for (double at = 0.0; at < 0.13; at += random.Range(0.0015, 0.005))
    {
        NoiseBurst grain;
        grain.from = grain.to = random.Range(1200.0, 2600.0) * Pitch(aVariant);
        grain.resonance = 1.5;
        grain.level = random.Range(0.3, 1.0) * (1.0 - at / 0.15);
        grain.attack = 0.0005;
        grain.decay = 0.003;
        grain.seconds = 0.015;
        sound.Noise(at, grain, random);
    }
    Thud(sound, 0.0, 80.0 * Pitch(aVariant), 0.8);
    return sound.Finish(0.22);
}

std::vector<float> StepStone(int aVariant)
{
    Random random = Seeded(2, aVariant);
    Sound sound(0.16);
    for (double at : {0.0, 0.03})
    {
        NoiseBurst tap;
        tap.from = tap.to = 2200.0 * Pitch(aVariant);
        tap.resonance = 1.2;
        tap.level = at == 0.0 ? 1.0 : 0.55;
        tap.attack = 0.0005;
        tap.decay = 0.012;
        tap.seconds = 0.06;
        sound.Noise(at, tap, random);
        Thud(sound, at, 140.0 * Pitch(aVariant), at == 0.0 ? 0.9 : 0.4);
    }
    return sound.Finish(0.24);
}

std::vector<float> StepMetal(int aVariant)
{
    Random random = Seeded(3, aVariant);
    Sound sound(0.36);
    NoiseBurst tap;
    tap.pass = Pass::High;
    tap.from = tap.to = 4000.0;
    tap.level = 0.6;
    tap.attack = 0.0005;
    tap.decay = 0.005;
    tap.seconds = 0.03;
    sound.Noise(0.0, tap, random);
    // The deck plate rings a little, and the hollow under it answers.
    sound.Strike(0.0, 523.0 * Pitch(aVariant), {1.0, 2.38, 4.04, 5.77}, 0.35, 0.15);
    Thud(sound, 0.0, 220.0 * Pitch(aVariant), 0.6);
    sound.Strike(0.035, 560.0 * Pitch(aVariant), {1.0, 2.38}, 0.15, 0.08);
    return sound.Finish(0.20);
}
}  // namespace sfx
}  // namespace content
