#pragma once
// Hands one picture of the screen from the render thread, the only thread that can read the
// window's frames back, to a thread that asked for it and waits.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace platform
{
class SnapshotHandover
{
public:
    SnapshotHandover() = default;
    SnapshotHandover(const SnapshotHandover&) = delete;
    SnapshotHandover& operator=(const SnapshotHandover&) = delete;

    // Any thread but the render thread: waits up to aTimeout for the render thread to hand over
    // the next frame it draws. False when none came in time. One request at a time.
    bool Take(std::chrono::milliseconds aTimeout, std::vector<uint32_t>& aPixels);
    // Render thread: whether a request waits (one atomic read, so it can be asked every frame).
    bool Wanted() const { return myWanted.load(std::memory_order_acquire); }
    // Render thread: gives aPixels to the waiting request; dropped when it gave up meanwhile.
    void Hand(std::vector<uint32_t>&& aPixels);

private:
    std::mutex myTakeMutex;  // serialises requests
    std::mutex myMutex;
    std::condition_variable myHanded;
    std::atomic<bool> myWanted{false};
    bool myReady = false;
    std::vector<uint32_t> myPixels;
};
}  // namespace platform
