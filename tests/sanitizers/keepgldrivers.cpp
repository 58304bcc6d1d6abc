// Linked into every program of a LeakSanitizer build. Mesa's GL driver keeps heaps in its own
// globals and never frees them; LeakSanitizer counts leaks at exit, after the X display has
// closed and unloaded the driver, so those heaps would be reported as lost. Here the GLX
// vendor library and the driver it loads stay loaded to the end (both of them: a driver kept
// without its vendor library cannot be set up again by the next window in the same process),
// and every other library is closed as usual.
#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace
{
bool IsGlDriver(const char* aPath)
{
    return std::strstr(aPath, "_dri.so") != nullptr || std::strstr(aPath, "/libGLX_") != nullptr;
}
}  // namespace

extern "C" int dlclose(void* aHandle)
{
    using Close = int (*)(void*);
    static const auto realClose = reinterpret_cast<Close>(dlsym(RTLD_NEXT, "dlclose"));
    link_map* library = nullptr;
    if (dlinfo(aHandle, RTLD_DI_LINKMAP, &library) == 0 && library != nullptr &&
        IsGlDriver(library->l_name))
    {
        return 0;
    }
    return realClose(aHandle);
}
