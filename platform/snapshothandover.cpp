#include "snapshothandover.h"

namespace platform
{
bool SnapshotHandover::Take(std::chrono::milliseconds aTimeout, std::vector<uint32_t>& aPixels)
{
    std::lock_guard<std::mutex> one(myTakeMutex);
    std::unique_lock<std::mutex> lock(myMutex);
    myReady = false;
    myWanted.store(true, std::memory_order_release);
    const bool ready = myHanded.wait_for(lock, aTimeout, [this] { return myReady; });
    myWanted.store(false, std::memory_order_release);
    if (ready)
    {
        aPixels.swap(myPixels);
        myPixels.clear();
        myReady = false;
    }
    return ready;
}

void SnapshotHandover::Hand(std::vector<uint32_t>&& aPixels)
{
    {
        std::lock_guard<std::mutex> lock(myMutex);
        if (!myWanted.load(std::memory_order_relaxed) || myReady)
        {
            return;
        }
        myPixels = std::move(aPixels);
        myReady = true;
    }
    myHanded.notify_one();
}
}  // namespace platform
