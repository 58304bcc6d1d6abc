#pragma once
// Keeps buffer swaps at least one period apart on absolute monotonic deadlines, so nothing
// drifts; after a stall the schedule restarts instead of racing to catch up. It sleeps until
// the deadline with the kernel's absolute sleep, on a thread whose timer slack it keeps small,
// so the wait costs almost nothing and ends close to the deadline.
#include <cstdint>

class FramePacer
{
public:
    // The thread that makes the pacer is the one that waits on it: its timer slack is lowered.
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
    // How late the last swap came after its deadline, in nanoseconds (0 for a new schedule).
    int64_t GetLastLatenessNs() const { return myLastLatenessNs; }

private:
    int64_t myPeriodNs;
    int64_t myDeadlineNs = 0;  // 0: no swap yet, the first one is due at once
    int64_t myLastLatenessNs = 0;
};
