#include "x11windowwatch.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>

#include <atomic>

namespace platform
{
namespace
{
std::atomic<unsigned long> ourWatchedWindow{0};
std::atomic<bool> ourWindowGone{false};
std::atomic<int> ourGlxErrorBase{-1};  // -1 without the GLX extension
XErrorHandler ourPreviousHandler = nullptr;
// GLX's own error numbers (GLX protocol), counted from the extension's first error.
constexpr int kGlxBadDrawable = 2;
constexpr int kGlxBadWindow = 12;

bool IsMissingWindowError(int aCode)
{
    const int glx = ourGlxErrorBase.load();
    return aCode == BadWindow || aCode == BadDrawable ||
           (glx >= 0 && (aCode == glx + kGlxBadDrawable || aCode == glx + kGlxBadWindow));
}

// Errors about the watched window are expected once it is gone. So are the missing-window
// errors that follow the first one: SDL asks for the dead window's parent and then uses the
// answer it never got, and a frame being swapped names the window's GLX drawable. Anything
// else goes on to the handler that was there before.
int FilterErrors(Display* aDisplay, XErrorEvent* aError)
{
    const unsigned long window = ourWatchedWindow.load();
    const bool aboutOurWindow = aError->resourceid != 0 && aError->resourceid == window;
    if (window != 0 && IsMissingWindowError(aError->error_code) &&
        (aboutOurWindow || ourWindowGone.load()))
    {
        ourWindowGone = true;
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
    int opcode = 0;
    int firstEvent = 0;
    int firstError = 0;
    ourGlxErrorBase =
        XQueryExtension(myDisplay, "GLX", &opcode, &firstEvent, &firstError) ? firstError : -1;
    ourWindowGone = false;
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

bool X11WindowWatch::Gone() const
{
    if (myWindow == 0 || ourWindowGone.load())
    {
        return ourWindowGone.load();
    }
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    if (XGetGeometry(myDisplay, myWindow, &root, &x, &y, &width, &height, &border, &depth) == 0)
    {
        ourWindowGone = true;
    }
    return ourWindowGone.load();
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
