#pragma once
// How the checks of a saved game give their reason: the reason goes into aProblem and the
// answer is no.
#include <string>

inline bool RefuseSave(std::string& aProblem, const std::string& aWhy)
{
    aProblem = aWhy;
    return false;
}
