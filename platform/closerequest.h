#pragma once
// What a window manager does when the player clicks a window's close button: it sends the
// window's program a WM_DELETE_WINDOW message and leaves the rest to it. Under Xvfb there is no
// window manager (and xdotool can only destroy a window), so tests ask with this instead.
#include <string>

namespace platform
{
// Asks the X window aWindowId on $DISPLAY to close, as its close button would; false, with the
// reason in aProblem, when the request could not be delivered.
bool RequestWindowClose(unsigned long aWindowId, std::string& aProblem);
}  // namespace platform
