#pragma once
// Owns the system timer and every Timer. Room for 10000 timers is reserved up front, so a
// timer never moves and the pointers handed out stay valid for the whole run.
#include "arrays/growingarray.h"
#include "timer/orvsystemtimer.h"
#include "timer/timer.h"

class TimerManager
{
public:
    static constexpr int ourMaxTimers = 10000;

    TimerManager();
    TimerManager(const TimerManager&) = delete;
    TimerManager& operator=(const TimerManager&) = delete;

    // The root of the tree, fed by the system timer.
    Tools::Timer* GetMasterTimer();
    // A new timer, not yet attached to any parent.
    Tools::Timer* CreateTimer();
    // Advances the tree by the time since the previous update.
    void Update();
    // Deterministic runs: every Update advances the tree by aStep (0 returns to the clock).
    void SetFixedStep(const Duration& aStep) { mySystemTimer.SetFixedStep(aStep); }

private:
    OrvSystemTimer mySystemTimer;
    GrowingArray<Tools::Timer> myTimers;
};
