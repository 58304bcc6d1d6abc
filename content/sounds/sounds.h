#pragma once
// The sound effects: short sounds synthesised for the game's events (soundeffects.h in the
// shared tables lists them) and written as 16-bit mono WAV files at 44.1 kHz.
#include <vector>

#include "core/contentwriter.h"
#include "soundeffects.h"

namespace content
{
// The samples of variant aVariant of an effect: mono, 44.1 kHz, peaks below full scale.
std::vector<float> RenderSoundEffect(geometry::SoundEffect aEffect, int aVariant);

// Renders and writes every effect and variant into aud/effects/.
void GenerateSoundEffects(ContentWriter& aWriter);
}  // namespace content
