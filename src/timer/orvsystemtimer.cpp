#include "timer/orvsystemtimer.h"

#include <chrono>
#include <cstdio>

#include "assertion.h"
#include "timer/timer.h"

OrvSystemTimer::OrvSystemTimer()
    : myLast(ReadCounter()),
      myFrequency(std::chrono::steady_clock::period::den / std::chrono::steady_clock::period::num)
{
}

int64_t OrvSystemTimer::ReadCounter()
{
    return static_cast<int64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

void OrvSystemTimer::SetFixedStep(const Duration& aStep)
{
    myFixedStep = aStep;
    myUseFixedStep = aStep.InSeconds() > 0.0f;
}

void OrvSystemTimer::Update()
{
    if (myMaster == nullptr)
    {
        // The message first: the check ends the program.
        printf("ORVSYSTEMTIMER ERROR: Update called without a MasterTimer.");
        fflush(stdout);
        MARROWEN_ASSERT(0, "timer/orvsystemtimer");
        return;
    }
    const int64_t now = ReadCounter();
    if (myUseFixedStep)
    {
        myMaster->Update(myFixedStep);
    }
    else
    {
        const double seconds = static_cast<double>(now - myLast) / static_cast<double>(myFrequency);
        myMaster->Update(Duration(seconds));
    }
    myLast = now;
}
