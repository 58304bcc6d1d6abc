#pragma once
// Frames are shown no faster than the display shows them. Where the driver syncs swaps to the
// display, a swap waits by itself; where it does not (or no swap is made, for a frame that
// looks the same as the one on screen), the drawing thread sleeps to the next of a row of
// absolute deadlines one refresh apart. After a stall the row starts again from then.
#include <cstdint>

namespace platform
{
class PresentPacer
{
public:
    // aRefreshHz 0 when the display does not say (60 is assumed); aSynced when swaps wait
    // for the display; not aCapped: frames are shown as fast as they come.
    void SetUp(int aRefreshHz, bool aSynced, bool aCapped);

    // Before a frame is shown with a swap (aSwap), or instead of one: waits as long as the
    // display needs before it can show another.
    void Wait(bool aSwap);
    // After a swap.
    void Swapped();

    bool IsCapped() const { return myCapped; }
    int64_t GetPeriodNs() const { return myPeriodNs; }

private:
    int64_t myPeriodNs = 1000000000 / 60;
    bool mySynced = false;
    bool myCapped = true;
    int64_t myLastNs = 0;  // when the display last took a frame (or would have); 0: never
};
}  // namespace platform
