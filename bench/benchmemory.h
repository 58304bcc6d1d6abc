#pragma once
// Where a timing tool's memory is: the process's resident memory by kind (from /proc) and the
// engine's pictures (in memory and on the graphics card).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "enginefigures.h"
#include "hge.h"

namespace benchmemory
{
struct Memory
{
    std::map<std::string, double> status;  // /proc/self/status figures in kB, as megabytes
    platform::PictureMemory pictures;

    double Resident() const { return At("VmRSS"); }
    double At(const std::string& aName) const
    {
        const auto found = status.find(aName);
        return found == status.end() ? 0.0 : found->second;
    }

    // "resident 110: code and libraries 71, ..." in megabytes.
    std::string Describe() const
    {
        char text[512];
        snprintf(text, sizeof text,
                 "resident %.0f: code and libraries %.0f, shared with the X server %.0f, heaps "
                 "%.0f (of these, pictures on the card %.1f: %d compressed, %d decoded; "
                 "pictures in our memory %.1f)",
                 Resident(), At("RssFile"), At("RssShmem"), At("RssAnon"),
                 static_cast<double>(pictures.myOnCard.myBytes) / 1048576.0,
                 pictures.myOnCard.myCompressed, pictures.myOnCard.myDecoded,
                 static_cast<double>(pictures.myInMemoryBytes) / 1048576.0);
        return text;
    }
};

// The memory now, with the pictures of aEngine.
inline Memory Now(HGE* aEngine)
{
    Memory memory;
    std::ifstream file("/proc/self/status");
    for (std::string line; std::getline(file, line);)
    {
        const size_t colon = line.find(':');
        if (colon != std::string::npos && line.rfind("kB") != std::string::npos)
        {
            memory.status[line.substr(0, colon)] = std::atof(line.c_str() + colon + 1) / 1024.0;
        }
    }
    memory.pictures = platform::PictureMemoryOf(aEngine);
    return memory;
}
}  // namespace benchmemory
