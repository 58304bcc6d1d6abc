#include "timer/timermanager.h"

TimerManager::TimerManager()
{
    myTimers.Init(ourMaxTimers, 5, false);
    myTimers.Add(Tools::Timer());
    mySystemTimer.SetMasterTimer(GetMasterTimer());
}

Tools::Timer* TimerManager::GetMasterTimer()
{
    return &myTimers[0];
}

Tools::Timer* TimerManager::CreateTimer()
{
    // Growing would move every timer and leave the handed-out pointers dangling.
    MARROWEN_ASSERT(myTimers.Size() < ourMaxTimers && "TimerManager: no room for another timer",
                    "timer/timermanager");
    myTimers.Add(Tools::Timer());
    return &myTimers[myTimers.Size() - 1];
}

void TimerManager::Update()
{
    mySystemTimer.Update();
}
