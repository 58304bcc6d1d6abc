#pragma once
// The sound effects of the music output: effects decoded whole at start-up, and a few voices
// that play them over the music. Any thread may start an effect without ever waiting for the
// mix: the request goes into a small queue that the mixing thread empties each time it mixes.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform
{
class EffectPlayer
{
public:
    static constexpr int ourMaxEffects = 64;
    // Effects sounding at once; with all of them busy, a new one takes the place of the one
    // nearest its end.
    static constexpr int ourVoices = 16;
    // Requests waiting for the mix; more are dropped (a frozen mix must not block the game).
    static constexpr int ourQueueLength = 64;

    // Decodes aPath; its index, or -1 with "<file>: <problem>" in LastError(). One thread loads.
    int Load(const std::string& aPath);
    int Count() const { return myCount.load(std::memory_order_acquire); }
    // Frames of a loaded effect.
    int Length(int aIndex) const;

    // Any thread: effect aIndex (loaded) from its start at aGain, from the next mix on.
    void Start(int aIndex, float aGain);
    // Mixing thread: adds aFrames stereo frames of every sounding effect into aBus.
    void MixInto(float* aBus, int aFrames);
    // Effects sounding after the last mix; any thread.
    int Sounding() const { return mySounding.load(std::memory_order_relaxed); }

private:
    struct Request
    {
        int effect;
        float gain;
    };
    struct Voice
    {
        const std::vector<float>* samples = nullptr;
        size_t position = 0;
        float gain = 0.0f;
    };

    void TakeRequests();

    std::array<std::unique_ptr<const std::vector<float>>, ourMaxEffects> myEffects;
    std::atomic<int> myCount{0};
    std::mutex myRequesting;  // one request at a time; the mix never takes it
    std::array<Request, ourQueueLength> myQueue{};
    std::atomic<uint32_t> myRequested{0};
    std::atomic<uint32_t> myTaken{0};
    std::array<Voice, ourVoices> myVoices;  // the mixing thread's alone
    std::atomic<int> mySounding{0};
};
}  // namespace platform
