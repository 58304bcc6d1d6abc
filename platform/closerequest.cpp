#include "closerequest.h"

#include <X11/Xlib.h>

namespace platform
{
namespace
{
// Xlib reports a request it refused (a window that is gone) through a process-wide handler,
// whose default ends the program.
int ourRefusal = 0;

int NoteRefusal(Display* /*aDisplay*/, XErrorEvent* aError)
{
    ourRefusal = aError->error_code;
    return 0;
}
}  // namespace

bool RequestWindowClose(unsigned long aWindowId, std::string& aProblem)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
    {
        aProblem = "no X display to talk to";
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = aWindowId;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    ourRefusal = 0;
    const XErrorHandler previous = XSetErrorHandler(NoteRefusal);
    const Status sent = XSendEvent(display, aWindowId, False, NoEventMask, &event);
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    if (sent == 0 || ourRefusal != 0)
    {
        aProblem = "the X server refused the message (error " + std::to_string(ourRefusal) + ")";
        return false;
    }
    return true;
}
}  // namespace platform
