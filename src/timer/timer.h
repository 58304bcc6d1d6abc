#pragma once
// One node of the timer tree: accumulates the time its parent feeds it and passes it on to
// its children. A paused timer neither accumulates nor feeds its subtree.
#include "arrays/growingarray.h"
#include "timer/duration.h"

namespace Tools
{
class Timer
{
public:
    Timer();

    // aChild is fed every increment this timer receives from now on.
    void AddChild(Timer* aChild);
    // Adds aElapsed to this timer and its subtree, unless paused.
    void Update(const Duration& aElapsed);
    // Time accumulated since the previous GetDelta (or construction).
    Duration GetDelta();

    void Pause() { myPaused = true; }
    void Resume() { myPaused = false; }
    void TogglePause() { myPaused = !myPaused; }
    bool IsPaused() const { return myPaused; }
    // Time accumulated since construction.
    Duration GetTotal() const { return myTotal; }

private:
    GrowingArray<Timer*> myChildren;
    Duration myLastRead;
    Duration myTotal;
    bool myPaused = false;
};
}  // namespace Tools
