#pragma once
// The game's checks stay on in every build: a failed one ends the program with one line that
// names the check, its source and, for a file that would not load, the file and the problem.
#include "fatal.h"

#define MARROWEN_ASSERT(aCondition, aSource)                                 \
    do                                                                       \
    {                                                                        \
        if (!(aCondition))                                                   \
        {                                                                    \
            platform::Fatal("assertion " #aCondition " failed in " aSource); \
        }                                                                    \
    } while (false)
