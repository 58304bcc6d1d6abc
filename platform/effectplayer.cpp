#include "effectplayer.h"

#include <algorithm>

#include "effectsamples.h"
#include "fatal.h"

namespace platform
{
int EffectPlayer::Load(const std::string& aPath)
{
    const int index = myCount.load(std::memory_order_relaxed);
    if (index >= ourMaxEffects)
    {
        SetLastError("%s: too many sound effects", aPath.c_str());
        return -1;
    }
    auto samples = std::make_unique<std::vector<float>>();
    if (!DecodeEffect(aPath, *samples))
    {
        return -1;
    }
    myEffects[static_cast<size_t>(index)] = std::move(samples);
    // Publishes the effect to the mixing thread.
    myCount.store(index + 1, std::memory_order_release);
    return index;
}

int EffectPlayer::Length(int aIndex) const
{
    if (aIndex < 0 || aIndex >= Count())
    {
        Fatal("a sound effect that was never loaded was used");
    }
    return static_cast<int>(myEffects[static_cast<size_t>(aIndex)]->size());
}

void EffectPlayer::Start(int aIndex, float aGain)
{
    Length(aIndex);  // ends the program on a wrong index
    const std::lock_guard<std::mutex> lock(myRequesting);
    const uint32_t requested = myRequested.load(std::memory_order_relaxed);
    if (requested - myTaken.load(std::memory_order_acquire) >= ourQueueLength)
    {
        return;
    }
    myQueue[requested % ourQueueLength] = Request{aIndex, aGain};
    myRequested.store(requested + 1, std::memory_order_release);
}

void EffectPlayer::TakeRequests()
{
    uint32_t taken = myTaken.load(std::memory_order_relaxed);
    const uint32_t requested = myRequested.load(std::memory_order_acquire);
    for (; taken != requested; ++taken)
    {
        const Request request = myQueue[taken % ourQueueLength];
        Voice* voice = &myVoices[0];
        for (Voice& candidate : myVoices)
        {
            if (candidate.samples == nullptr)
            {
                voice = &candidate;
                break;
            }
            // All busy so far: the one nearest its end gives way.
            if (voice->samples != nullptr && candidate.samples->size() - candidate.position <
                                                 voice->samples->size() - voice->position)
            {
                voice = &candidate;
            }
        }
        *voice = Voice{myEffects[static_cast<size_t>(request.effect)].get(), 0, request.gain};
    }
    // The queue's places are free again.
    myTaken.store(taken, std::memory_order_release);
}

void EffectPlayer::MixInto(float* aBus, int aFrames)
{
    TakeRequests();
    int sounding = 0;
    for (Voice& voice : myVoices)
    {
        if (voice.samples == nullptr)
        {
            continue;
        }
        const std::vector<float>& samples = *voice.samples;
        const size_t frames =
            std::min(static_cast<size_t>(aFrames), samples.size() - voice.position);
        for (size_t i = 0; i < frames; ++i)
        {
            const float sample = samples[voice.position + i] * voice.gain;
            aBus[2 * i] += sample;
            aBus[2 * i + 1] += sample;
        }
        voice.position += frames;
        if (voice.position >= samples.size())
        {
            voice.samples = nullptr;
        }
        else
        {
            ++sounding;
        }
    }
    mySounding.store(sounding, std::memory_order_relaxed);
}
}  // namespace platform
