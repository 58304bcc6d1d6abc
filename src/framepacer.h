#pragma once
// Keeps buffer swaps at least one period apart on absolute monotonic deadlines, so nothing
// drifts; after a stall the schedule restarts instead of racing to catch up. It sleeps until
// shortly before a deadline and spins the rest, which meets it within microseconds without
// burning a core.
#include <cstdint>

class FramePacer
{
public:
    explicit FramePacer(int64_t aPeriodNs);

    // True when the next deadline has come (or the first swap is due), now or at aNowNs.
    bool IsDue() const { return IsDueAt(NowNs()); }
    bool IsDueAt(int64_t aNowNs) const;
    // Waits until the next deadline.
    void WaitForDeadline() const;
    // Records a swap made now (or at aNowNs): the next deadline is one period after the
    // current one, or one period from then after a stall (a swap several periods late).
    void MarkSwap() { MarkSwapAt(NowNs()); }
    void MarkSwapAt(int64_t aNowNs);

    static int64_t NowNs();

private:
    int64_t myPeriodNs;
    int64_t myDeadlineNs = 0;  // 0: no swap yet, the first one is due at once
};
