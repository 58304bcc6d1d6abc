#include "x11windowwatch.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>

#include <atomic>

namespace platform
{
namespace
{
std::atomic<unsigned long> ourWatchedWindow{0};
XErrorHandler ourPreviousHandler = nullptr;

// Errors about the watched window are expected once it is gone; anything else goes on to the
// handler that was there before.
int FilterErrors(Display* aDisplay, XErrorEvent* aError)
{
    const bool aboutOurWindow =
        aError->resourceid != 0 && aError->resourceid == ourWatchedWindow.load();
    if (aboutOurWindow && (aError->error_code == BadWindow || aError->error_code == BadDrawable))
    {
        return 0;
    }
    return ourPreviousHandler ? ourPreviousHandler(aDisplay, aError) : 0;
}
}  // namespace

X11WindowWatch::X11WindowWatch(SDL_Window* aWindow)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!aWindow || !SDL_GetWindowWMInfo(aWindow, &info) || info.subsystem != SDL_SYSWM_X11)
    {
        return;
    }
    myDisplay = info.info.x11.display;
    myWindow = info.info.x11.window;
    ourWatchedWindow = myWindow;
    ourPreviousHandler = XSetErrorHandler(FilterErrors);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

X11WindowWatch::~X11WindowWatch()
{
    if (myWindow != 0)
    {
        // Errors still on their way (destroying the dead window) arrive while filtered.
        XSync(myDisplay, False);
        SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
        XSetErrorHandler(ourPreviousHandler);
        ourWatchedWindow = 0;
    }
}

bool X11WindowWatch::IsDestroyEvent(const SDL_Event& aEvent) const
{
    if (myWindow == 0 || aEvent.type != SDL_SYSWMEVENT || aEvent.syswm.msg == nullptr ||
        aEvent.syswm.msg->subsystem != SDL_SYSWM_X11)
    {
        return false;
    }
    const XEvent& event = aEvent.syswm.msg->msg.x11.event;
    return event.type == DestroyNotify && event.xdestroywindow.window == myWindow;
}
}  // namespace platform
