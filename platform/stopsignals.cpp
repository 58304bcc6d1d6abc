#include "stopsignals.h"

#include <atomic>
#include <csignal>
#include <mutex>

namespace platform
{
namespace
{
// Written by the handler, which may only touch lock-free atomics.
std::atomic<bool> ourSignalled{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

void OnStopSignal(int aSignal)
{
    if (ourSignalled.exchange(true))
    {
        // The second request: the normal path did not end the run, so the default action does.
        std::signal(aSignal, SIG_DFL);
        std::raise(aSignal);
    }
}
}  // namespace

void CatchStopSignals()
{
    static std::once_flag ourOnce;
    std::call_once(ourOnce,
                   []
                   {
                       struct sigaction action = {};
                       action.sa_handler = &OnStopSignal;
                       sigemptyset(&action.sa_mask);
                       // Reads and waits in other threads (the music's file, the pacer) go on
                       // instead of failing with EINTR.
                       action.sa_flags = SA_RESTART;
                       for (const int stop : {SIGTERM, SIGINT, SIGHUP})
                       {
                           sigaction(stop, &action, nullptr);
                       }
                   });
}

bool StopSignalled()
{
    return ourSignalled.load(std::memory_order_acquire);
}
}  // namespace platform
