#pragma once
// The sound of each instrument and drum of the synthesiser, as mono samples at 44.1 kHz.
#include <vector>

#include "music/musicsynth.h"

namespace content
{
// One note at aFrequency Hz held for aHeld frames, including its release tail.
std::vector<float> RenderInstrument(Instrument aInstrument, double aFrequency, int aHeld,
                                    Random& aRandom);
// Loudness of the instrument in the mix, and how much of it goes to the reverb.
float Level(Instrument aInstrument);
float ReverbSend(Instrument aInstrument);

// One drum hit, including its decay.
std::vector<float> RenderDrum(Drum aDrum, Random& aRandom);
float Level(Drum aDrum);
float ReverbSend(Drum aDrum);
}  // namespace content
