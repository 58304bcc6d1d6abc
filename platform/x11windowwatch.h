#pragma once
// Another X client may destroy our window outright (xdotool windowclose, xkill-like tools)
// instead of asking the window manager to close it. SDL reports no event for that, and the
// render thread's next swap into the dead window raises an X error that ends the process.
// X11WindowWatch notices the destruction and makes those errors harmless.
#include <SDL2/SDL.h>

struct _XDisplay;  // NOLINT(bugprone-reserved-identifier): Xlib names its display so

namespace platform
{
class X11WindowWatch
{
public:
    // Starts watching aWindow when SDL runs on X11; does nothing elsewhere.
    explicit X11WindowWatch(SDL_Window* aWindow);
    X11WindowWatch(const X11WindowWatch&) = delete;
    X11WindowWatch& operator=(const X11WindowWatch&) = delete;
    // Waits for the X server's answers to what was sent so far, then puts the previous X error
    // handler back. Goes after the window, before SDL's video shuts down.
    ~X11WindowWatch();

    // True when aEvent reports that the watched window was destroyed.
    bool IsDestroyEvent(const SDL_Event& aEvent) const;
    // True once the watched window is known to be destroyed; until then asks the X server (a
    // round trip). Draw into the window only after it said false: Mesa's software renderer
    // takes the size of a window that is gone from memory it never set, and crashes on it.
    bool Gone() const;

private:
    _XDisplay* myDisplay = nullptr;
    unsigned long myWindow = 0;  // the X window id, 0 when not on X11
};
}  // namespace platform
