#pragma once
// Helpers that turn chords, rhythms and seeded choices into notes for the synthesiser.
#include <string>
#include <vector>

#include "music/musicsynth.h"

namespace content
{
// A chord as MIDI notes, root first, in a middle register.
using Chord = std::vector<int>;

// The chord on aRoot (MIDI) with the intervals of aQuality: "maj", "min", "sus", "dim", "7".
Chord MakeChord(int aRoot, const std::string& aQuality);

// Chords from names separated by blanks, one per bar: "Dm Bb F C7" (roots from C3 to B3).
std::vector<Chord> ParseChords(const std::string& aNames);

// Plays one hit of aDrum at each step of aSteps that is not '.', starting at aBeat, aStepBeats
// apart: 'X' loud, 'x' normal, 'o' soft.
void DrumLine(Synth& aSynth, Drum aDrum, double aBeat, double aStepBeats, const std::string& aSteps,
              float aVelocity, float aPan);

// All notes of aChord held together from aBeat for aLength beats, spread across the stereo field.
void HoldChord(Synth& aSynth, Instrument aInstrument, double aBeat, double aLength,
               const Chord& aChord, float aVelocity);

// Chord tones one after another, aStepBeats apart, following aOrder (indices into the chord,
// a '+' after an index lifts it an octave), for aLength beats.
void Arpeggio(Synth& aSynth, Instrument aInstrument, double aBeat, double aLength,
              double aStepBeats, const Chord& aChord, const std::string& aOrder, float aVelocity,
              float aPan);

struct MelodyNote
{
    double beat;    // from the start of the phrase
    double length;  // in beats
    int midi;
};

// A singable phrase over aChords (one chord per bar of aBeatsPerBar beats): steps within
// aScale (MIDI notes, ascending), chord tones on strong beats, ending long on the last chord's
// root. aDensity 0..1 chooses busier rhythms.
std::vector<MelodyNote> MakePhrase(Random& aRandom, const std::vector<int>& aScale,
                                   const std::vector<Chord>& aChords, int aBeatsPerBar,
                                   float aDensity);

// The first aFromBeat beats of aCall followed by the rest of aAnswer: a phrase that repeats
// its opening and ends differently.
std::vector<MelodyNote> Answer(const std::vector<MelodyNote>& aCall,
                               const std::vector<MelodyNote>& aAnswer, double aFromBeat);

void PlayPhrase(Synth& aSynth, Instrument aInstrument, double aBeat,
                const std::vector<MelodyNote>& aPhrase, float aVelocity, float aPan);

// The notes of a scale from aLow to aHigh (MIDI), given as semitone steps from its root aRoot.
std::vector<int> MakeScale(int aRoot, const std::vector<int>& aSteps, int aLow, int aHigh);
}  // namespace content
