#pragma once
// How the checks of a saved game give their reason: the reason goes into aProblem and the
// answer is no. Reasons name the field of the save they are about.
#include <cstdio>
#include <string>

#include "vector2.h"

inline bool RefuseSave(std::string& aProblem, const std::string& aWhy)
{
    aProblem = aWhy;
    return false;
}

// A position as a reason shows it: "(1e+30, 5)".
inline std::string ShownPosition(const Vector2<float>& aPosition)
{
    char text[64];
    std::snprintf(text, sizeof(text), "(%g, %g)", aPosition.x, aPosition.y);
    return text;
}
