#pragma once
// Reads the monotonic clock and feeds the time since its previous update to the master timer.
// For deterministic runs it can instead feed a fixed step per update.
#include <cstdint>

#include "timer/duration.h"

namespace Tools
{
class Timer;
}

class OrvSystemTimer
{
public:
    OrvSystemTimer();

    void SetMasterTimer(Tools::Timer* aMaster) { myMaster = aMaster; }
    // From now on each Update feeds exactly aStep instead of the clock; 0 returns to the clock.
    void SetFixedStep(const Duration& aStep);
    // Feeds the master the time since the previous update (or construction).
    void Update();

private:
    static int64_t ReadCounter();

    int64_t myLast;
    int64_t myFrequency;
    Tools::Timer* myMaster = nullptr;
    Duration myFixedStep;
    bool myUseFixedStep = false;
};
