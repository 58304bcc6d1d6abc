#pragma once
// Runs the real game as a separate process, the way a player's shell or desktop starts it:
// with a time limit, optionally a limit on its address space, its standard error kept, and
// signals sent to it from outside.
#include <sys/types.h>

#include <chrono>
#include <ctime>
#include <string>
#include <vector>

namespace reliability
{
struct ChildOptions
{
    // Address space the child may reserve, in bytes; 0 leaves it unlimited (sanitizer builds
    // reserve terabytes of shadow memory and cannot run under such a limit).
    size_t myAddressSpace = 0;
    // "NAME=VALUE" entries added to the child's environment.
    std::vector<std::string> myEnvironment;
};

struct ChildResult
{
    bool myExited = false;                   // ended by exit() or a return from main
    int myStatus = -1;                       // its exit status when it exited
    int mySignal = 0;                        // the signal that ended it otherwise
    bool myTimedOut = false;                 // still running at the limit: killed
    std::chrono::milliseconds myElapsed{0};  // from the start (or the last mark) to its end
    std::chrono::milliseconds myCpu{0};      // processor time it used, all threads
    long myPeakKilobytes = 0;                // its largest resident set
    std::string myStandardError;

    // "exit 1", "signal 11", "timed out": for test messages.
    std::string Describe() const;
    // The lines of standard error, without their line breaks.
    std::vector<std::string> ErrorLines() const;
};

class ChildProcess
{
public:
    // Starts aArguments[0] with the rest as its arguments; standard output is discarded.
    ChildProcess(const std::vector<std::string>& aArguments, const ChildOptions& aOptions);
    // Kills the child if it still runs.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return myPid; }
    bool Started() const { return myPid > 0; }
    // True while the child has not ended (it is not reaped by this).
    bool Running() const;
    // The names of the child's threads now ("marrowen-logic", ...).
    std::vector<std::string> ThreadNames() const;
    // Sends aSignal and measures the child's end from now on.
    void Signal(int aSignal);
    // Waits up to aLimit for the end; past it kills the child and says so.
    ChildResult Wait(std::chrono::milliseconds aLimit);

private:
    pid_t myPid = -1;
    std::string myErrorFile;
    std::chrono::steady_clock::time_point myMark;
    bool myReaped = false;
};

// Runs aArguments to its end (at most aLimit).
ChildResult RunChild(const std::vector<std::string>& aArguments, const ChildOptions& aOptions,
                     std::chrono::milliseconds aLimit);

// Polls aCondition every few milliseconds until it holds or aLimit passes; whether it held.
template <typename Condition>
bool WaitFor(Condition aCondition, std::chrono::milliseconds aLimit)
{
    const auto end = std::chrono::steady_clock::now() + aLimit;
    while (!aCondition())
    {
        if (std::chrono::steady_clock::now() >= end)
        {
            return false;
        }
        struct timespec nap = {0, 5000000};
        nanosleep(&nap, nullptr);
    }
    return true;
}
}  // namespace reliability
