#include "music/musicsynth.h"

#include <algorithm>
#include <cmath>

#include "music/musicvoices.h"

namespace content
{
namespace
{
// A small room: parallel damped combs into series all-passes (the classic Schroeder design).
class Reverb
{
public:
    explicit Reverb(int aSpread)
    {
        static const int combs[] = {1116, 1188, 1277, 1356};
        static const int allpasses[] = {556, 441};
        for (int length : combs)
        {
            myCombs.push_back(Line{std::vector<float>(length + aSpread), 0, 0.0f});
        }
        for (int length : allpasses)
        {
            myAllpasses.push_back(Line{std::vector<float>(length + aSpread), 0, 0.0f});
        }
    }

    float Step(float aIn)
    {
        float out = 0.0f;
        for (Line& comb : myCombs)
        {
            const float delayed = comb.buffer[comb.index];
            comb.filtered = delayed * 0.7f + comb.filtered * 0.3f;  // damping of the highs
            comb.buffer[comb.index] = aIn + comb.filtered * 0.8f;
            comb.index = (comb.index + 1) % comb.buffer.size();
            out += delayed;
        }
        for (Line& allpass : myAllpasses)
        {
            const float delayed = allpass.buffer[allpass.index];
            allpass.buffer[allpass.index] = out + delayed * 0.5f;
            allpass.index = (allpass.index + 1) % allpass.buffer.size();
            out = delayed - out;
        }
        return out * 0.25f;
    }

private:
    struct Line
    {
        std::vector<float> buffer;
        size_t index;
        float filtered;
    };
    std::vector<Line> myCombs;
    std::vector<Line> myAllpasses;
};

double FrequencyOf(int aMidi)
{
    return 440.0 * std::pow(2.0, (aMidi - 69) / 12.0);
}
}  // namespace

Synth::Synth(double aBpm, int aBeats, uint64_t aSeed)
    : myBpm(aBpm),
      myBeats(aBeats),
      myFrames(LoopFrames(aBpm, aBeats)),
      myRandom(aSeed),
      myLeft(myFrames),
      myRight(myFrames),
      mySend(myFrames)
{
}

int Synth::LoopFrames(double aBpm, int aBeats)
{
    return static_cast<int>(std::lround(aBeats * 60.0 / aBpm * ourSampleRate));
}

int Synth::FrameOf(double aBeat) const
{
    return static_cast<int>(std::lround(aBeat * 60.0 / myBpm * ourSampleRate));
}

void Synth::AddMono(const std::vector<float>& aSound, int aStart, float aVelocity, float aPan,
                    float aSend)
{
    // Equal-power panning.
    const double angle = (std::clamp(aPan, -1.0f, 1.0f) + 1.0) * 0.25 * 3.14159265358979;
    const float left = aVelocity * static_cast<float>(std::cos(angle));
    const float right = aVelocity * static_cast<float>(std::sin(angle));
    int index = ((aStart % myFrames) + myFrames) % myFrames;
    for (float sample : aSound)
    {
        myLeft[index] += sample * left;
        myRight[index] += sample * right;
        mySend[index] += sample * aVelocity * aSend;
        if (++index == myFrames)
        {
            index = 0;  // tails wrap round: the loop has no seam
        }
    }
}

void Synth::Play(Instrument aInstrument, double aBeat, double aLength, int aMidi, float aVelocity,
                 float aPan)
{
    const int held = std::max(1, FrameOf(aBeat + aLength) - FrameOf(aBeat));
    const std::vector<float> sound =
        RenderInstrument(aInstrument, FrequencyOf(aMidi), held, myRandom);
    AddMono(sound, FrameOf(aBeat), aVelocity * Level(aInstrument), aPan, ReverbSend(aInstrument));
}

void Synth::Hit(Drum aDrum, double aBeat, float aVelocity, float aPan)
{
    const std::vector<float> sound = RenderDrum(aDrum, myRandom);
    AddMono(sound, FrameOf(aBeat), aVelocity * Level(aDrum), aPan, ReverbSend(aDrum));
}

std::vector<float> Synth::Mix() const
{
    std::vector<float> out(static_cast<size_t>(myFrames) * 2);
    Reverb left(0);
    Reverb right(23);
    // Two passes over the loop: the second hears the first pass's tail at its start, as the
    // player does from the second time round.
    for (int pass = 0; pass < 2; ++pass)
    {
        for (int n = 0; n < myFrames; ++n)
        {
            const float wetLeft = left.Step(mySend[n]);
            const float wetRight = right.Step(mySend[n]);
            if (pass == 1)
            {
                const size_t frame = 2 * static_cast<size_t>(n);
                out[frame] = myLeft[n] + wetLeft;
                out[frame + 1] = myRight[n] + wetRight;
            }
        }
    }
    float peak = 1e-6f;
    for (float sample : out)
    {
        peak = std::max(peak, std::fabs(sample));
    }
    const float gain = 0.84f / peak;
    for (float& sample : out)
    {
        sample *= gain;
    }
    return out;
}
}  // namespace content
