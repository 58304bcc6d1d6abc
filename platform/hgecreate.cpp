// The one engine object: made by the first hgeCreate, shut down and deleted by the Release of
// its last reference.
#include <malloc.h>

#include <memory>
#include <mutex>

#include "headlessengine.h"
#include "hge.h"
#include "windowengine.h"

namespace
{
constexpr int kLargeBlock = 256 * 1024;
std::mutex ourMutex;
hgeBackend ourBackend = HGE_BACKEND_WINDOW;
// Owned by its references, not by this file: an engine never released is left alone at exit
// (tearing a window down from a static destructor, with threads still drawing, can hang).
platform::EngineCore* ourEngine = nullptr;
int ourReferences = 0;
}  // namespace

void hgeSelectBackend(hgeBackend aBackend)
{
    std::lock_guard<std::mutex> lock(ourMutex);
    ourBackend = aBackend;
}

hgeBackend hgeSelectedBackend()
{
    std::lock_guard<std::mutex> lock(ourMutex);
    return ourBackend;
}

HGE* hgeCreate(int aVersion)
{
    if (aVersion != HGE_VERSION)
    {
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(ourMutex);
    if (!ourEngine)
    {
        // Pictures, their files and their textures are large blocks that come and go as scenes
        // are entered: blocks this large go back to the system when freed. (The C library would
        // otherwise raise this bound as such blocks are freed, and keep the next ones in its
        // heaps, where the memory stays with the process.)
        mallopt(M_MMAP_THRESHOLD, kLargeBlock);
        if (ourBackend == HGE_BACKEND_HEADLESS)
        {
            ourEngine = new platform::HeadlessEngine();
        }
        else
        {
            ourEngine = new platform::WindowEngine();
        }
    }
    ++ourReferences;
    return ourEngine;
}

void platform::EngineCore::Release()
{
    std::unique_ptr<EngineCore> last;
    {
        std::lock_guard<std::mutex> lock(ourMutex);
        if (ourReferences > 0 && --ourReferences == 0)
        {
            last.reset(ourEngine);
            ourEngine = nullptr;
        }
    }
    if (last)
    {
        last->System_Shutdown();
    }
}
