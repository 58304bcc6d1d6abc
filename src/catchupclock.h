#pragma once
// Keeps the game at its speed when the picture cannot keep up: for each buffer the logic
// thread fills, how many logic frames of one period each the real time since the last ones
// calls for. At least one, at most a handful; time lost in a longer stall is let go.
#include <cstdint>

class CatchUpClock
{
public:
    CatchUpClock(int64_t aPeriodNs, int64_t aMostFrames);

    // The logic frames due at aNowNs (monotonic nanoseconds); they are counted as run.
    int FramesDue(int64_t aNowNs);

private:
    int64_t myPeriodNs;
    int64_t myMostFrames;
    int64_t myClockNs = 0;  // the real time the frames run so far stand for; 0 before any
};
