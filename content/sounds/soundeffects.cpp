// The interface's sounds (bag, notepad, buttons, combinations, picking up), and the table that
// makes every effect. Small and light: marimba and bell tones for good news, a soft wooden
// knock for bad, leather and paper for the bag and the notepad.
#include <cmath>

#include "sounds/soundkit.h"
#include "sounds/soundrecipes.h"
#include "sounds/sounds.h"
#include "sounds/wavencoder.h"

namespace content
{
namespace sfx
{
namespace
{
// A wooden bar: its tone, and an overtone four times higher that dies quickly.
void Marimba(Sound& aSound, double aAt, double aFrequency, double aLevel)
{
    aSound.Tone(aAt, aFrequency, aFrequency, 1.0, aLevel, 0.12);
    aSound.Tone(aAt, aFrequency * 4.0, aFrequency * 4.0, 1.0, aLevel * 0.25, 0.02);
}

// A small bell: two inharmonic partials with a long ring.
void Bell(Sound& aSound, double aAt, double aFrequency, double aLevel)
{
    aSound.Tone(aAt, aFrequency, aFrequency, 1.0, aLevel, 0.30);
    aSound.Tone(aAt, aFrequency * 2.76, aFrequency * 2.76, 1.0, aLevel * 0.3, 0.10);
}

// A knock on wood: a short low tone with a hollow second partial.
void Knock(Sound& aSound, double aAt, double aFrequency, double aLevel)
{
    aSound.Strike(aAt, aFrequency, {1.0, 2.3, 4.1}, aLevel, 0.035);
}
}  // namespace

std::vector<float> Pickup()
{
    Sound sound(0.40);
    Marimba(sound, 0.0, 1318.5, 1.0);  // E6, then up a fifth
    Marimba(sound, 0.07, 1975.5, 0.9);
    return sound.Finish(0.40);
}

std::vector<float> CombineWorks()
{
    Sound sound(1.10);
    const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};  // C6 E6 G6 C7
    for (int i = 0; i < 4; ++i)
    {
        Bell(sound, 0.075 * i, notes[i], 1.0 - 0.1 * i);
    }
    return sound.Finish(0.42);
}

std::vector<float> CombineFails()
{
    Sound sound(0.55);
    Knock(sound, 0.0, 196.0, 1.0);  // G3, then down to E flat
    Knock(sound, 0.13, 155.6, 1.0);
    sound.Tone(0.13, 311.1, 300.0, 0.2, 0.25, 0.12);
    return sound.Finish(0.40);
}

std::vector<float> Bag(bool aOpening)
{
    Random random(aOpening ? 11 : 12);
    Sound sound(0.35);
    const double low = 700.0;
    const double high = 2600.0;
    sound.Noise(
        0.0, {Pass::Band, aOpening ? low : high, aOpening ? high : low, 1.2, 1.0, 0.03, 0.06, 0.25},
        random);
    Knock(sound, aOpening ? 0.05 : 0.12, aOpening ? 420.0 : 360.0, 0.8);
    return sound.Finish(0.34);
}

std::vector<float> Page(bool aOpening)
{
    Random random(aOpening ? 21 : 22);
    Sound sound(aOpening ? 0.38 : 0.30);
    // Paper flutters: short crackles of bright noise, thickest in the middle of the turn.
    const double length = aOpening ? 0.26 : 0.18;
    for (double at = 0.0; at < length; at += random.Range(0.004, 0.012))
    {
        const double middle = 1.0 - std::fabs(at / length * 2.0 - 1.0);
        const double pitch = random.Range(2500.0, 5000.0) * (aOpening ? 1.0 : 0.8);
        const double level = 0.2 + 0.8 * middle * random.Uniform();
        sound.Noise(at, {Pass::Band, pitch, pitch, 0.9, level, 0.001, 0.006, 0.03}, random);
    }
    if (!aOpening)
    {
        Knock(sound, length, 150.0, 1.2);  // the cover comes down
    }
    return sound.Finish(0.30);
}

std::vector<float> Button()
{
    Random random(31);
    Sound sound(0.10);
    sound.Tone(0.0, 1500.0, 1400.0, 0.02, 0.8, 0.015);
    sound.Tone(0.0, 750.0, 750.0, 1.0, 0.6, 0.025);
    sound.Noise(0.0, {Pass::High, 3000.0, 3000.0, 0.7, 0.5, 0.0005, 0.002, 0.01}, random);
    return sound.Finish(0.34);
}
}  // namespace sfx

std::vector<float> RenderSoundEffect(geometry::SoundEffect aEffect, int aVariant)
{
    using geometry::SoundEffect;
    switch (aEffect)
    {
        case SoundEffect::Pickup:
            return sfx::Pickup();
        case SoundEffect::CombineWorks:
            return sfx::CombineWorks();
        case SoundEffect::CombineFails:
            return sfx::CombineFails();
        case SoundEffect::InventoryOpens:
        case SoundEffect::InventoryCloses:
            return sfx::Bag(aEffect == SoundEffect::InventoryOpens);
        case SoundEffect::NotepadOpens:
        case SoundEffect::NotepadCloses:
            return sfx::Page(aEffect == SoundEffect::NotepadOpens);
        case SoundEffect::Button:
            return sfx::Button();
        case SoundEffect::Curtain:
            return sfx::Curtain();
        case SoundEffect::RaftCrossing:
            return sfx::RaftCrossing();
        case SoundEffect::Blast:
            return sfx::Blast();
        case SoundEffect::EngineTakesPart:
            return sfx::EngineTakesPart();
        case SoundEffect::MachineStarts:
            return sfx::MachineStarts();
        case SoundEffect::StepGrass:
            return sfx::StepGrass(aVariant);
        case SoundEffect::StepSand:
            return sfx::StepSand(aVariant);
        case SoundEffect::StepStone:
            return sfx::StepStone(aVariant);
        case SoundEffect::StepMetal:
            return sfx::StepMetal(aVariant);
    }
    return {};
}

void GenerateSoundEffects(ContentWriter& aWriter)
{
    for (const geometry::SoundEffectFile& file : geometry::ourSoundEffects)
    {
        for (int variant = 0; variant < file.variants; ++variant)
        {
            aWriter.WriteBytes(geometry::SoundEffectPath(file, variant),
                               EncodeWav(RenderSoundEffect(file.effect, variant)));
        }
    }
}
}  // namespace content
