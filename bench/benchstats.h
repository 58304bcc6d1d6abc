#pragma once
// Small helpers the timing tools share: percentiles and the process's memory.
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace benchstats
{
// The value below which aFraction of aValues lie (0 for none).
inline double Percentile(std::vector<double> aValues, double aFraction)
{
    if (aValues.empty())
    {
        return 0.0;
    }
    std::sort(aValues.begin(), aValues.end());
    return aValues[static_cast<size_t>(aFraction * static_cast<double>(aValues.size() - 1))];
}

// The process's peak resident memory so far, in megabytes.
inline double PeakMemoryMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
    {
        if (line.rfind("VmHWM:", 0) == 0)
        {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0.0;
}
}  // namespace benchstats
