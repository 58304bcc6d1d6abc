#include "catchupclock.h"

#include <algorithm>

CatchUpClock::CatchUpClock(int64_t aPeriodNs, int64_t aMostFrames)
    : myPeriodNs(aPeriodNs), myMostFrames(aMostFrames)
{
}

int CatchUpClock::FramesDue(int64_t aNowNs)
{
    if (myClockNs == 0)
    {
        myClockNs = aNowNs - myPeriodNs;
    }
    const int64_t due = std::clamp<int64_t>((aNowNs - myClockNs) / myPeriodNs, 1, myMostFrames);
    // Normally less than a period is left over for next time; after a stall, nothing is.
    myClockNs = std::max(myClockNs + due * myPeriodNs, aNowNs - myPeriodNs + 1);
    return static_cast<int>(due);
}
