#include "framepacer.h"

#include <sys/prctl.h>
#include <time.h>

namespace
{
constexpr int64_t kNsPerSecond = 1000000000;
// With the default 50 us of timer slack a sleep ends up to ~150 us late; with 1 us it is
// the kernel's wake-up time alone.
constexpr unsigned long kTimerSlackNs = 1000;
// Lateness up to this many periods (a slow wake-up on a busy machine) is made up by the next
// swaps; more is a stall, after which the schedule starts anew.
constexpr int64_t kStallPeriods = 5;
}  // namespace

FramePacer::FramePacer(int64_t aPeriodNs) : myPeriodNs(aPeriodNs)
{
    prctl(PR_SET_TIMERSLACK, kTimerSlackNs, 0, 0, 0);
}

int64_t FramePacer::NowNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * kNsPerSecond + now.tv_nsec;
}

bool FramePacer::IsDueAt(int64_t aNowNs) const
{
    return myDeadlineNs == 0 || aNowNs >= myDeadlineNs;
}

void FramePacer::WaitForDeadline() const
{
    if (myDeadlineNs == 0)
    {
        return;
    }
    timespec wake;
    wake.tv_sec = static_cast<time_t>(myDeadlineNs / kNsPerSecond);
    wake.tv_nsec = static_cast<long>(myDeadlineNs % kNsPerSecond);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) != 0)
    {
        // Interrupted by a signal: sleep on to the same absolute time.
    }
}

void FramePacer::MarkSwapAt(int64_t aNowNs)
{
    if (myDeadlineNs == 0 || aNowNs - myDeadlineNs > kStallPeriods * myPeriodNs)
    {
        // First swap, or a stall: start a new schedule from now.
        myDeadlineNs = aNowNs + myPeriodNs;
        myLastLatenessNs = 0;
        return;
    }
    myLastLatenessNs = aNowNs - myDeadlineNs;
    myDeadlineNs += myPeriodNs;
}
