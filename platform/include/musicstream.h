#pragma once
// One music track as a stream: an MP3 file decoded a little at a time with libmpg123, looping
// at its end, with a pause that keeps the position. The sound manager mixes several of these.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

struct mpg123_handle_struct;

namespace platform
{
class MusicStream
{
public:
    // Output format of Read: interleaved stereo float samples in [-1, 1] at this rate.
    static constexpr int ourSampleRate = 44100;
    static constexpr int ourChannels = 2;

    MusicStream();
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // Opens aPath (relative to the data folder unless absolute) paused at its start. False,
    // with "<aPath>: <problem>" in LastError(), when the file is missing or holds no decodable
    // MP3 audio; the stream then stays closed.
    bool Open(const std::string& aPath);
    bool IsOpen() const;

    // Fills aFrames stereo frames (2 * aFrames floats). A playing stream decodes onward and
    // starts again at the beginning when it reaches the end; a paused or closed stream writes
    // silence and keeps its position. A decoding error closes the stream (LastError() says
    // why) and the rest is silence.
    void Read(float* aOut, int aFrames);

    // Any thread.
    void SetPaused(bool aPaused) { myPaused.store(aPaused, std::memory_order_release); }
    bool IsPaused() const { return myPaused.load(std::memory_order_acquire); }

    // Length of one pass through the track, in frames at the file's own rate, without the
    // encoder's padding; 0 when closed.
    int64_t LengthInFrames() const;
    // Frames played since the start of the current pass, at the file's own rate.
    int64_t Position() const;
    // How many times the stream has started again from the beginning.
    int LoopCount() const;
    // "<path>: <problem>" once opening or decoding failed and closed the stream; "" otherwise.
    // Unlike LastError(), readable from any thread.
    std::string Problem() const;
    // Whether Problem() has something to say; never waits for the decoder.
    bool HasFailed() const { return myFailed.load(std::memory_order_acquire); }

private:
    struct HandleDeleter
    {
        void operator()(mpg123_handle_struct* aHandle) const;
    };

    bool Fail(const char* aProblem);
    // Decodes up to aFrames frames; returns how many; 0 at the end of the track or on error.
    int Decode(float* aOut, int aFrames);

    mutable std::mutex myMutex;  // guards the handle and the counters below
    std::unique_ptr<mpg123_handle_struct, HandleDeleter> myHandle;
    std::string myPath;
    int64_t myLength = 0;
    int myLoops = 0;
    std::string myProblem;
    std::atomic<bool> myPaused{true};
    std::atomic<bool> myFailed{false};
};
}  // namespace platform
