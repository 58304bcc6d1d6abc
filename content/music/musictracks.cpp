// The game's five pieces. Each is written bar by bar from a chord progression; melodies come
// from a seeded phrase maker, so every run composes the same notes.
#include <functional>

#include "music/music.h"
#include "music/musiccomposer.h"
#include "music/musicencoder.h"
#include "music/musicsynth.h"

namespace content
{
namespace
{
// Calls aBar(bar, firstBeat, chord) for every bar of a 4/4 progression.
void EachBar(const std::vector<Chord>& aChords,
             const std::function<void(int, double, const Chord&)>& aBar)
{
    for (size_t bar = 0; bar < aChords.size(); ++bar)
    {
        aBar(static_cast<int>(bar), bar * 4.0, aChords[bar]);
    }
}

std::vector<Chord> Slice(const std::vector<Chord>& aChords, int aFirst, int aCount)
{
    return std::vector<Chord>(aChords.begin() + aFirst, aChords.begin() + aFirst + aCount);
}

// Title: a calm, mysterious D minor theme on bells and flute over soft drums.
void ComposeTitle(Synth& aSynth, Random& aRandom)
{
    const auto chords = ParseChords("Dm Bb F C Dm Bb F C Gm Dm Bb A Dm Bb C A");
    const auto scale = MakeScale(62, {0, 2, 3, 5, 7, 8, 10}, 62, 81);
    EachBar(chords,
            [&](int aBar, double aBeat, const Chord& aChord)
            {
                HoldChord(aSynth, Instrument::Pad, aBeat, 4.0, aChord, 0.8f);
                aSynth.Play(Instrument::Bass, aBeat, 1.9, aChord[0] - 12, 0.8f, 0.0f);
                aSynth.Play(Instrument::Bass, aBeat + 2, 1.9, aChord[0] - 12, 0.6f, 0.0f);
                Arpeggio(aSynth, Instrument::Bell, aBeat, 4.0, 0.5, aChord, "0+12+1+", 0.55f,
                         0.35f);
                DrumLine(aSynth, Drum::Taiko, aBeat, 0.25, "x.......o.......", 0.6f, 0.0f);
                if (aBar >= 8)
                {
                    DrumLine(aSynth, Drum::Shaker, aBeat, 0.5, "o.x.o.x.", 0.6f, 0.3f);
                }
                if (aBar % 4 == 3)
                {
                    DrumLine(aSynth, Drum::Tom, aBeat, 0.25, "........x.o.x.x.", 0.6f, -0.2f);
                }
            });
    const auto call = MakePhrase(aRandom, scale, Slice(chords, 4, 4), 4, 0.45f);
    const auto middle = MakePhrase(aRandom, scale, Slice(chords, 8, 4), 4, 0.55f);
    const auto ending = Answer(call, MakePhrase(aRandom, scale, Slice(chords, 12, 4), 4, 0.45f), 8);
    PlayPhrase(aSynth, Instrument::Flute, 16, call, 0.8f, -0.15f);
    PlayPhrase(aSynth, Instrument::Flute, 32, middle, 0.8f, -0.15f);
    PlayPhrase(aSynth, Instrument::Flute, 48, ending, 0.8f, -0.15f);
}

// Jungle: bright G mixolydian marimba over hand drums and a plucked ostinato.
void ComposeJungle(Synth& aSynth, Random& aRandom)
{
    const auto chords = ParseChords("G F C G G F C D Em C G D Em C D D G F C G G F C D");
    const auto scale = MakeScale(67, {0, 2, 4, 5, 7, 9, 10}, 67, 86);
    EachBar(chords,
            [&](int aBar, double aBeat, const Chord& aChord)
            {
                Arpeggio(aSynth, Instrument::Pluck, aBeat, 4.0, 0.5, aChord, "0+21+2", 0.6f, -0.4f);
                DrumLine(aSynth, Drum::Conga, aBeat, 0.25, "x..x..x...x.x..o", 0.8f, 0.35f);
                DrumLine(aSynth, Drum::Tom, aBeat, 0.25, "x.......x.....x.", 0.7f, -0.25f);
                DrumLine(aSynth, Drum::Shaker, aBeat, 0.25, "xoxoxoxoxoxoxoxo", 0.7f, 0.5f);
                DrumLine(aSynth, Drum::Kick, aBeat, 0.5, "x.....x.", 0.5f, 0.0f);
                for (double step : {0.0, 1.5, 3.0})
                {
                    aSynth.Play(Instrument::Bass, aBeat + step, 1.2, aChord[0] - 12, 0.8f, 0.0f);
                }
                if (aBar >= 8 && aBar < 16)
                {
                    HoldChord(aSynth, Instrument::Pad, aBeat, 4.0, aChord, 0.5f);
                }
            });
    const auto call = MakePhrase(aRandom, scale, Slice(chords, 4, 4), 4, 0.8f);
    const auto middle = MakePhrase(aRandom, scale, Slice(chords, 8, 8), 4, 0.7f);
    const auto ending = Answer(call, MakePhrase(aRandom, scale, Slice(chords, 20, 4), 4, 0.8f), 8);
    PlayPhrase(aSynth, Instrument::Marimba, 16, call, 0.9f, 0.15f);
    PlayPhrase(aSynth, Instrument::Marimba, 32, middle, 0.9f, 0.15f);
    PlayPhrase(aSynth, Instrument::Marimba, 64, call, 0.9f, 0.15f);
    PlayPhrase(aSynth, Instrument::Marimba, 80, ending, 0.9f, 0.15f);
}

// Village: a warm F major tune on flute with a strummed string and a frame drum.
void ComposeVillage(Synth& aSynth, Random& aRandom)
{
    const auto chords = ParseChords("F C Dm Bb F C Bb C Dm Bb F C Bb F Bb C F C Bb C");
    const auto scale = MakeScale(65, {0, 2, 4, 5, 7, 9, 11}, 65, 84);
    EachBar(chords,
            [&](int, double aBeat, const Chord& aChord)
            {
                for (double strum : {0.0, 1.5, 2.0, 3.0})
                {
                    for (size_t i = 0; i < aChord.size(); ++i)
                    {
                        aSynth.Play(Instrument::Pluck, aBeat + strum + 0.03 * i, 0.45,
                                    aChord[i] + 12, strum == 0.0 ? 0.7f : 0.5f, -0.3f + 0.2f * i);
                    }
                }
                aSynth.Play(Instrument::Bass, aBeat, 1.8, aChord[0] - 12, 0.8f, 0.0f);
                aSynth.Play(Instrument::Bass, aBeat + 2, 1.8, aChord[2] - 24, 0.65f, 0.0f);
                DrumLine(aSynth, Drum::Conga, aBeat, 0.25, "x...o.x.x...o...", 0.6f, 0.3f);
                DrumLine(aSynth, Drum::Shaker, aBeat, 0.5, "o.x.o.x.", 0.6f, -0.4f);
                DrumLine(aSynth, Drum::Kick, aBeat, 1.0, "x.x.", 0.4f, 0.0f);
            });
    const auto call = MakePhrase(aRandom, scale, Slice(chords, 0, 4), 4, 0.6f);
    const auto answer = Answer(call, MakePhrase(aRandom, scale, Slice(chords, 4, 4), 4, 0.6f), 8);
    const auto middle = MakePhrase(aRandom, scale, Slice(chords, 8, 8), 4, 0.5f);
    PlayPhrase(aSynth, Instrument::Flute, 0, call, 0.75f, 0.1f);
    PlayPhrase(aSynth, Instrument::Flute, 16, answer, 0.75f, 0.1f);
    PlayPhrase(aSynth, Instrument::Flute, 32, middle, 0.75f, 0.1f);
}

// Volcano: slow and heavy E phrygian with a drone, deep drums and a low bell.
void ComposeVolcano(Synth& aSynth, Random& aRandom)
{
    const auto chords = ParseChords("Em F Em Dm Em F G F Am F Em Em Em F Dm F");
    const auto scale = MakeScale(64, {0, 1, 3, 5, 7, 8, 10}, 59, 76);
    EachBar(chords,
            [&](int aBar, double aBeat, const Chord& aChord)
            {
                if (aBar % 4 == 0)
                {
                    aSynth.Play(Instrument::Drone, aBeat, 16.0, 40, 0.9f, -0.2f);
                    aSynth.Play(Instrument::Drone, aBeat, 16.0, 47, 0.7f, 0.2f);
                }
                HoldChord(aSynth, Instrument::Pad, aBeat, 4.0, aChord, 0.55f);
                DrumLine(aSynth, Drum::Taiko, aBeat, 0.25, "X.......x...x.o.", 0.9f, 0.0f);
                if (aBar % 4 == 3)
                {
                    DrumLine(aSynth, Drum::Tom, aBeat, 0.25, "........x.x.xxXX", 0.7f, 0.2f);
                }
                for (int step = 0; step < 8; ++step)
                {
                    const int note = aChord[0] - 12 + (step == 6 ? 1 : 0);
                    aSynth.Play(Instrument::Bass, aBeat + step * 0.5, 0.4, note,
                                step % 2 == 0 ? 0.8f : 0.5f, 0.0f);
                }
            });
    const auto call = MakePhrase(aRandom, scale, Slice(chords, 4, 4), 4, 0.3f);
    const auto ending = Answer(call, MakePhrase(aRandom, scale, Slice(chords, 12, 4), 4, 0.3f), 8);
    PlayPhrase(aSynth, Instrument::Bell, 16, call, 0.8f, 0.3f);
    PlayPhrase(aSynth, Instrument::Bell, 48, ending, 0.8f, 0.3f);
}

// Time machine: a pulsing C minor sequence with a filtered arpeggio and bell melody.
void ComposeMachine(Synth& aSynth, Random& aRandom)
{
    const auto chords =
        ParseChords("Cm Ab Eb Bb Cm Ab Eb Bb Fm Ab Eb G Cm Ab Eb Bb Ab Bb Cm Ab Fm Ab G G");
    const auto scale = MakeScale(72, {0, 2, 3, 5, 7, 8, 10}, 67, 87);
    EachBar(chords,
            [&](int aBar, double aBeat, const Chord& aChord)
            {
                Arpeggio(aSynth, Instrument::Lead, aBeat, 4.0, 0.25, aChord, "01+2+1+", 0.55f,
                         aBar % 2 == 0 ? -0.35f : 0.35f);
                HoldChord(aSynth, Instrument::Pad, aBeat, 4.0, aChord, 0.6f);
                for (int step = 0; step < 8; ++step)
                {
                    aSynth.Play(Instrument::Bass, aBeat + step * 0.5, 0.35,
                                aChord[0] - (step % 2 == 0 ? 24 : 12), 0.7f, 0.0f);
                }
                DrumLine(aSynth, Drum::Kick, aBeat, 0.25, "x.......x.......", 0.6f, 0.0f);
                DrumLine(aSynth, Drum::HiHat, aBeat, 0.25, "..x...x...x...x.", 0.8f, 0.3f);
                DrumLine(aSynth, Drum::Click, aBeat, 0.25, "o.oo.o.oo.o.o.oo", 0.5f, -0.4f);
                if (aBar >= 8)
                {
                    DrumLine(aSynth, Drum::Snare, aBeat, 1.0, ".o.o", 0.5f, 0.1f);
                }
            });
    const auto call = MakePhrase(aRandom, scale, Slice(chords, 8, 4), 4, 0.5f);
    const auto answer = Answer(call, MakePhrase(aRandom, scale, Slice(chords, 12, 4), 4, 0.5f), 8);
    const auto last = MakePhrase(aRandom, scale, Slice(chords, 16, 8), 4, 0.4f);
    PlayPhrase(aSynth, Instrument::Bell, 32, call, 0.9f, 0.0f);
    PlayPhrase(aSynth, Instrument::Bell, 48, answer, 0.9f, 0.0f);
    PlayPhrase(aSynth, Instrument::Bell, 64, last, 0.9f, 0.0f);
}

using Composer = void (*)(Synth&, Random&);

struct Piece
{
    MusicTrack track;
    Composer compose;
    uint64_t seed;
};

const std::vector<Piece>& Pieces()
{
    static const std::vector<Piece> pieces = {
        {{"aud/main_screen.mp3", 80.0, 64}, ComposeTitle, 11},
        {{"aud/the_jungl_3_finished_v.mp3", 104.0, 96}, ComposeJungle, 23},
        {{"aud/the_village_2_finished_v.mp3", 92.0, 80}, ComposeVillage, 37},
        {{"aud/the_vulcano_2_finished.mp3", 72.0, 64}, ComposeVolcano, 41},
        {{"aud/The_time_machine_final.mp3", 112.0, 96}, ComposeMachine, 53},
    };
    return pieces;
}
}  // namespace

long MusicTrack::Frames() const
{
    return Synth::LoopFrames(bpm, beats);
}

const std::vector<MusicTrack>& MusicTracks()
{
    static const std::vector<MusicTrack> tracks = []
    {
        std::vector<MusicTrack> list;
        for (const Piece& piece : Pieces())
        {
            list.push_back(piece.track);
        }
        return list;
    }();
    return tracks;
}

void GenerateMusic(ContentWriter& aWriter)
{
    for (const Piece& piece : Pieces())
    {
        Synth synth(piece.track.bpm, piece.track.beats, piece.seed);
        Random random(piece.seed * 7919u);
        piece.compose(synth, random);
        aWriter.WriteBytes(piece.track.path, EncodeMp3(synth.Mix()));
    }
}
}  // namespace content
