#include "presentpacer.h"

#include <time.h>

namespace platform
{
namespace
{
constexpr int64_t kNsPerSecond = 1000000000;
constexpr int kUnknownRefreshHz = 60;

int64_t NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * kNsPerSecond + now.tv_nsec;
}
}  // namespace

void PresentPacer::SetUp(int aRefreshHz, bool aSynced, bool aCapped)
{
    myPeriodNs = kNsPerSecond / (aRefreshHz > 0 ? aRefreshHz : kUnknownRefreshHz);
    mySynced = aSynced;
    myCapped = aCapped;
    myLastNs = 0;
}

void PresentPacer::Wait(bool aSwap)
{
    if (!myCapped || (aSwap && mySynced))
    {
        return;
    }
    const int64_t now = NowNs();
    const int64_t deadline = myLastNs + myPeriodNs;
    if (myLastNs == 0 || now > deadline + myPeriodNs)
    {
        // The first frame, or a stall: a new row of deadlines from now.
        myLastNs = now;
        return;
    }
    myLastNs = deadline;
    if (now >= deadline)
    {
        return;
    }
    timespec wake{};
    wake.tv_sec = static_cast<time_t>(deadline / kNsPerSecond);
    wake.tv_nsec = static_cast<long>(deadline % kNsPerSecond);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) != 0)
    {
        // Interrupted by a signal: sleep on to the same deadline.
    }
}

void PresentPacer::Swapped()
{
    if (mySynced)
    {
        // The swap returned as the display took the frame.
        myLastNs = NowNs();
    }
}
}  // namespace platform
