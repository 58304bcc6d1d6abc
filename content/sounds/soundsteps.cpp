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
        const double level = at == 0.0 ? 1.0 : 0.7;
        sound.Noise(at,
                    {Pass::Band, 2800.0 * Pitch(aVariant), 1800.0 * Pitch(aVariant), 0.6, level,
                     0.008, 0.035, 0.12},
                    random);
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
        const double pitch = random.Range(1200.0, 2600.0) * Pitch(aVariant);
        const double level = random.Range(0.3, 1.0) * (1.0 - at / 0.15);
        sound.Noise(at, {Pass::Band, pitch, pitch, 1.5, level, 0.0005, 0.003, 0.015}, random);
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
        const double pitch = 2200.0 * Pitch(aVariant);
        const double level = at == 0.0 ? 1.0 : 0.55;
        sound.Noise(at, {Pass::Band, pitch, pitch, 1.2, level, 0.0005, 0.012, 0.06}, random);
        Thud(sound, at, 140.0 * Pitch(aVariant), at == 0.0 ? 0.9 : 0.4);
    }
    return sound.Finish(0.24);
}

std::vector<float> StepMetal(int aVariant)
{
    Random random = Seeded(3, aVariant);
    Sound sound(0.36);
    sound.Noise(0.0, {Pass::High, 4000.0, 4000.0, 0.7, 0.6, 0.0005, 0.005, 0.03}, random);
    // The deck plate rings a little, and the hollow under it answers.
    sound.Strike(0.0, 523.0 * Pitch(aVariant), {1.0, 2.38, 4.04, 5.77}, 0.35, 0.15);
    Thud(sound, 0.0, 220.0 * Pitch(aVariant), 0.6);
    sound.Strike(0.035, 560.0 * Pitch(aVariant), {1.0, 2.38}, 0.15, 0.08);
    return sound.Finish(0.20);
}
}  // namespace sfx
}  // namespace content
