#include "fatal.h"

#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace platform
{
namespace
{
thread_local char ourLastError[512] = "";
}

const char* LastError()
{
    return ourLastError;
}

void SetLastError(const char* aFormat, ...)
{
    va_list args;
    va_start(args, aFormat);
    vsnprintf(ourLastError, sizeof(ourLastError), aFormat, args);
    va_end(args);
}

void ClearLastError()
{
    ourLastError[0] = '\0';
}

void Fatal(const char* aMessage)
{
    if (ourLastError[0] != '\0')
    {
        fprintf(stderr, "Marrowen: %s (%s)\n", ourLastError, aMessage);
    }
    else
    {
        fprintf(stderr, "Marrowen: %s\n", aMessage);
    }
    fflush(stderr);
    // Other threads may still be running: leave without running destructors.
    _exit(1);
}
}  // namespace platform
