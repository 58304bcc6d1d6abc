// marrowen-close-request WINDOW: asks an X window to close the way a window manager does when
// its close button is clicked (a WM_DELETE_WINDOW message). Xvfb runs no window manager, so
// the tests of the game's ways of ending click the button through this.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "closerequest.h"

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: marrowen-close-request WINDOW-ID\n");
        return 2;
    }
    std::string problem;
    if (!platform::RequestWindowClose(std::strtoul(argv[1], nullptr, 0), problem))
    {
        std::fprintf(stderr, "marrowen-close-request: %s\n", problem.c_str());
        return 1;
    }
    return 0;
}
