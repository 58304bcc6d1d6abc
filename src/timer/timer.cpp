#include "timer/timer.h"

namespace Tools
{
Timer::Timer()
{
    myChildren.Init(5, 5, true);
}

void Timer::AddChild(Timer* aChild)
{
    myChildren.Add(aChild);
}

void Timer::Update(const Duration& aElapsed)
{
    if (myPaused)
    {
        return;
    }
    myTotal += aElapsed;
    for (int i = 0; i < myChildren.Size(); ++i)
    {
        myChildren[i]->Update(aElapsed);
    }
}

Duration Timer::GetDelta()
{
    const Duration delta = myTotal - myLastRead;
    myLastRead = myTotal;
    return delta;
}
}  // namespace Tools
