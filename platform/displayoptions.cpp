#include "displayoptions.h"

#include <mutex>

namespace platform
{
namespace
{
std::mutex ourDisplayMutex;
DisplayOptions ourDisplay;
}  // namespace

void SetDisplayOptions(const DisplayOptions& aOptions)
{
    std::lock_guard<std::mutex> lock(ourDisplayMutex);
    ourDisplay = aOptions;
}

DisplayOptions GetDisplayOptions()
{
    std::lock_guard<std::mutex> lock(ourDisplayMutex);
    return ourDisplay;
}
}  // namespace platform
