#include "music/musiccomposer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace content
{
namespace
{
// Eighth-note rhythms of one 4/4 bar, quiet to busy: 'x' starts a note that lasts until the
// next start.
const char* const ourRhythms[] = {"x...x...", "x..x..x.", "x...x.x.", "x.x.x...",
                                  "x..xx.x.", "x.x..xx.", "x.xxx.x.", "xxx.x.x."};
const int ourRhythmCount = 8;

bool IsChordTone(int aMidi, const Chord& aChord)
{
    for (int note : aChord)
    {
        if ((aMidi - note) % 12 == 0)
        {
            return true;
        }
    }
    return false;
}

// Index of the scale note nearest aIndex that belongs to the chord.
int NearestChordTone(const std::vector<int>& aScale, int aIndex, const Chord& aChord)
{
    for (int distance = 0; distance < static_cast<int>(aScale.size()); ++distance)
    {
        for (int candidate : {aIndex - distance, aIndex + distance})
        {
            if (candidate >= 0 && candidate < static_cast<int>(aScale.size()) &&
                IsChordTone(aScale[candidate], aChord))
            {
                return candidate;
            }
        }
    }
    return aIndex;
}
}  // namespace

Chord MakeChord(int aRoot, const std::string& aQuality)
{
    if (aQuality == "min")
    {
        return {aRoot, aRoot + 3, aRoot + 7};
    }
    if (aQuality == "sus")
    {
        return {aRoot, aRoot + 5, aRoot + 7};
    }
    if (aQuality == "dim")
    {
        return {aRoot, aRoot + 3, aRoot + 6};
    }
    if (aQuality == "7")
    {
        return {aRoot, aRoot + 4, aRoot + 7, aRoot + 10};
    }
    return {aRoot, aRoot + 4, aRoot + 7};
}

std::vector<Chord> ParseChords(const std::string& aNames)
{
    static const int naturals[] = {9, 11, 0, 2, 4, 5, 7};  // A to G above C
    std::vector<Chord> chords;
    size_t i = 0;
    while (i < aNames.size())
    {
        if (aNames[i] == ' ')
        {
            ++i;
            continue;
        }
        int root = 48 + naturals[(aNames[i] - 'A') % 7];
        ++i;
        if (i < aNames.size() && (aNames[i] == '#' || aNames[i] == 'b'))
        {
            root += aNames[i] == '#' ? 1 : -1;
            ++i;
        }
        const size_t end = std::min(aNames.find(' ', i), aNames.size());
        const std::string suffix = aNames.substr(i, end - i);
        i = end;
        const std::string quality = suffix == "m" ? "min" : suffix.empty() ? "maj" : suffix;
        chords.push_back(MakeChord(root < 48 ? root + 12 : root, quality));
    }
    return chords;
}

void DrumLine(Synth& aSynth, Drum aDrum, double aBeat, double aStepBeats, const std::string& aSteps,
              float aVelocity, float aPan)
{
    for (size_t i = 0; i < aSteps.size(); ++i)
    {
        const char step = aSteps[i];
        const float accent = step == 'X' ? 1.0f : step == 'x' ? 0.75f : step == 'o' ? 0.45f : 0.0f;
        if (accent > 0.0f)
        {
            aSynth.Hit(aDrum, aBeat + i * aStepBeats, aVelocity * accent, aPan);
        }
    }
}

void HoldChord(Synth& aSynth, Instrument aInstrument, double aBeat, double aLength,
               const Chord& aChord, float aVelocity)
{
    const int count = static_cast<int>(aChord.size());
    for (int i = 0; i < count; ++i)
    {
        const float pan = count > 1 ? -0.5f + static_cast<float>(i) / (count - 1) : 0.0f;
        aSynth.Play(aInstrument, aBeat, aLength, aChord[i], aVelocity, pan);
    }
}

void Arpeggio(Synth& aSynth, Instrument aInstrument, double aBeat, double aLength,
              double aStepBeats, const Chord& aChord, const std::string& aOrder, float aVelocity,
              float aPan)
{
    std::vector<int> notes;
    for (size_t i = 0; i < aOrder.size(); ++i)
    {
        if (aOrder[i] < '0' || aOrder[i] > '9')
        {
            continue;
        }
        const int index = (aOrder[i] - '0') % static_cast<int>(aChord.size());
        const bool lifted = i + 1 < aOrder.size() && aOrder[i + 1] == '+';
        notes.push_back(aChord[index] + (lifted ? 12 : 0));
    }
    const int steps = static_cast<int>(std::lround(aLength / aStepBeats));
    for (int i = 0; i < steps && !notes.empty(); ++i)
    {
        const float accent = i % 4 == 0 ? 1.0f : 0.75f;
        aSynth.Play(aInstrument, aBeat + i * aStepBeats, aStepBeats * 0.9, notes[i % notes.size()],
                    aVelocity * accent, aPan);
    }
}

std::vector<MelodyNote> MakePhrase(Random& aRandom, const std::vector<int>& aScale,
                                   const std::vector<Chord>& aChords, int aBeatsPerBar,
                                   float aDensity)
{
    std::vector<MelodyNote> phrase;
    const int top = static_cast<int>(aScale.size()) - 1;
    int index = NearestChordTone(aScale, top / 2, aChords.front());
    const int bars = static_cast<int>(aChords.size());
    for (int bar = 0; bar < bars; ++bar)
    {
        const bool last = bar == bars - 1;
        const int busiest =
            std::clamp(static_cast<int>(aDensity * ourRhythmCount), 2, ourRhythmCount);
        const std::string rhythm = last ? "x.x.x..." : ourRhythms[aRandom.Int(0, busiest - 1)];
        for (int slot = 0; slot < 8; ++slot)
        {
            if (rhythm[slot] != 'x')
            {
                continue;
            }
            int next = slot + 1;
            while (next < 8 && rhythm[next] != 'x')
            {
                ++next;
            }
            static const int steps[] = {-2, -1, -1, 1, 1, 2, 0, 3, -3};
            index = std::clamp(index + steps[aRandom.Int(0, 8)], 0, top);
            if (slot % 4 == 0)
            {
                index = NearestChordTone(aScale, index, aChords[bar]);
            }
            const bool final = last && next == 8;
            if (final)
            {
                index = NearestChordTone(aScale, index, Chord{aChords[bar].front()});
            }
            const double length = (next - slot) * 0.5 * aBeatsPerBar / 4.0;
            phrase.push_back({bar * aBeatsPerBar + slot * 0.5 * aBeatsPerBar / 4.0,
                              final ? length : length * 0.92, aScale[index]});
        }
    }
    return phrase;
}

std::vector<MelodyNote> Answer(const std::vector<MelodyNote>& aCall,
                               const std::vector<MelodyNote>& aAnswer, double aFromBeat)
{
    std::vector<MelodyNote> phrase;
    for (const MelodyNote& note : aCall)
    {
        if (note.beat < aFromBeat)
        {
            phrase.push_back(note);
        }
    }
    for (const MelodyNote& note : aAnswer)
    {
        if (note.beat >= aFromBeat)
        {
            phrase.push_back(note);
        }
    }
    return phrase;
}

void PlayPhrase(Synth& aSynth, Instrument aInstrument, double aBeat,
                const std::vector<MelodyNote>& aPhrase, float aVelocity, float aPan)
{
    for (const MelodyNote& note : aPhrase)
    {
        aSynth.Play(aInstrument, aBeat + note.beat, note.length, note.midi, aVelocity, aPan);
    }
}

std::vector<int> MakeScale(int aRoot, const std::vector<int>& aSteps, int aLow, int aHigh)
{
    std::vector<int> scale;
    for (int octave = aRoot - 48; octave <= aHigh; octave += 12)
    {
        for (int step : aSteps)
        {
            const int note = octave + step;
            if (note >= aLow && note <= aHigh)
            {
                scale.push_back(note);
            }
        }
    }
    std::sort(scale.begin(), scale.end());
    return scale;
}
}  // namespace content
