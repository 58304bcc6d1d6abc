// The music synthesiser's building blocks: loops wrap their tails, chords and phrases follow
// the harmony they are given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "music/musiccomposer.h"
#include "music/musicsynth.h"

namespace
{
using content::Chord;

float PeakIn(const std::vector<float>& aMix, int aFirstFrame, int aLastFrame)
{
    float peak = 0.0f;
    for (int i = 2 * aFirstFrame; i < 2 * aLastFrame; ++i)
    {
        peak = std::max(peak, std::fabs(aMix[i]));
    }
    return peak;
}

TEST(AssetsSynth, ANoteRingingPastTheEndWrapsToTheStart)
{
    content::Synth synth(120.0, 8, 1);  // 4 seconds
    ASSERT_EQ(synth.Frames(), 4 * content::Synth::ourSampleRate);
    synth.Play(content::Instrument::Bass, 7.5, 1.0, 45, 1.0f, 0.0f);  // half a beat before the end
    const std::vector<float> mix = synth.Mix();
    ASSERT_EQ(mix.size(), 2u * synth.Frames());
    const int quarterSecond = content::Synth::ourSampleRate / 4;
    EXPECT_GT(PeakIn(mix, 0, quarterSecond / 2), 0.1f);                    // the held half beat
    EXPECT_LT(PeakIn(mix, 2 * quarterSecond, 12 * quarterSecond), 0.05f);  // silence between
    EXPECT_GT(PeakIn(mix, synth.Frames() - quarterSecond, synth.Frames()), 0.1f);
    EXPECT_LE(PeakIn(mix, 0, synth.Frames()), 0.85f);  // normalised below full scale
}

TEST(AssetsSynth, ChordNamesGiveTheirNotes)
{
    const std::vector<Chord> chords = content::ParseChords("Dm Bb F# C7 Esus");
    ASSERT_EQ(chords.size(), 5u);
    EXPECT_EQ(chords[0], (Chord{50, 53, 57}));
    EXPECT_EQ(chords[1], (Chord{58, 62, 65}));
    EXPECT_EQ(chords[2], (Chord{54, 58, 61}));
    EXPECT_EQ(chords[3], (Chord{48, 52, 55, 58}));
    EXPECT_EQ(chords[4], (Chord{52, 57, 59}));
}

TEST(AssetsSynth, PhrasesStayInTheScaleAndLandOnTheHarmony)
{
    const std::vector<Chord> chords = content::ParseChords("Am F C G");
    const std::vector<int> scale = content::MakeScale(69, {0, 2, 3, 5, 7, 8, 10}, 64, 84);
    ASSERT_FALSE(scale.empty());
    EXPECT_TRUE(std::is_sorted(scale.begin(), scale.end()));
    for (uint64_t seed = 1; seed <= 20; ++seed)
    {
        content::Random random(seed);
        const auto phrase = content::MakePhrase(random, scale, chords, 4, 0.9f);
        ASSERT_FALSE(phrase.empty());
        for (const content::MelodyNote& note : phrase)
        {
            EXPECT_NE(std::find(scale.begin(), scale.end(), note.midi), scale.end());
            EXPECT_GE(note.beat, 0.0);
            EXPECT_LE(note.beat + note.length, 16.0);
            const double strong = std::fmod(note.beat, 2.0);
            if (strong == 0.0)
            {
                const Chord& chord = chords[static_cast<int>(note.beat / 4.0)];
                const bool inChord =
                    std::any_of(chord.begin(), chord.end(),
                                [&](int aTone) { return (note.midi - aTone) % 12 == 0; });
                EXPECT_TRUE(inChord) << "beat " << note.beat << " note " << note.midi;
            }
        }
        EXPECT_EQ((phrase.back().midi - chords.back().front()) % 12, 0);  // ends on the root
    }
}

TEST(AssetsSynth, AnAnswerRepeatsTheCallsOpening)
{
    const std::vector<content::MelodyNote> call = {{0, 1, 60}, {2, 1, 62}, {4, 1, 64}};
    const std::vector<content::MelodyNote> fresh = {{0, 1, 70}, {4, 1, 72}, {6, 2, 74}};
    const auto answer = content::Answer(call, fresh, 4);
    ASSERT_EQ(answer.size(), 4u);
    EXPECT_EQ(answer[0].midi, 60);
    EXPECT_EQ(answer[1].midi, 62);
    EXPECT_EQ(answer[2].midi, 72);
    EXPECT_EQ(answer[3].midi, 74);
}
}  // namespace
