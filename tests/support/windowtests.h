#pragma once
// Helpers for tests of the real window: whether there is a display, one window test at a time
// on it (ctest runs suites in parallel and synthetic input goes to whichever window has the
// focus), driving it with xdotool, reading snapshots back, and comparing two pictures of the
// same scene drawn by different rasterisers.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "imagedecoder.h"

namespace windowtests
{
inline bool HasDisplay()
{
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && display[0] != '\0';
}

inline bool HasXdotool()
{
    return std::system("command -v xdotool >/dev/null 2>&1") == 0;
}

// Runs an xdotool command (bounded in time); its standard output.
inline std::string Xdotool(const std::string& aArguments)
{
    const std::string command = "timeout 10 xdotool " + aArguments + " 2>/dev/null";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
    {
        return output;
    }
    char chunk[256];
    while (fgets(chunk, sizeof chunk, pipe) != nullptr)
    {
        output += chunk;
    }
    pclose(pipe);
    return output;
}

// The X window id of the one window titled exactly aTitle, waiting for it to be mapped; "" when
// there is none.
inline std::string FindWindow(const std::string& aTitle)
{
    const std::string found = Xdotool("search --sync --name '^" + aTitle + "$'");
    return found.substr(0, found.find('\n'));
}

// Holds an exclusive lock, per display, for as long as it lives.
class DisplayLock
{
public:
    DisplayLock()
    {
        std::string name = "marrowen_window_tests";
        for (const char c : std::string(std::getenv("DISPLAY") ? std::getenv("DISPLAY") : ""))
        {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        const auto path = std::filesystem::temp_directory_path() / (name + ".lock");
        myFd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (myFd >= 0)
        {
            flock(myFd, LOCK_EX);
        }
    }
    DisplayLock(const DisplayLock&) = delete;
    DisplayLock& operator=(const DisplayLock&) = delete;
    ~DisplayLock()
    {
        if (myFd >= 0)
        {
            close(myFd);  // releases the lock
        }
    }

private:
    int myFd = -1;
};

// A PNG (or any picture the engine reads) as 0xAARRGGBB pixels; empty when it cannot be read.
inline platform::DecodedImage ReadPicture(const std::string& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                     std::istreambuf_iterator<char>()};
    platform::DecodedImage image;
    std::string problem;
    if (bytes.empty() || !platform::DecodeImage(bytes.data(), bytes.size(), image, problem))
    {
        return platform::DecodedImage{};
    }
    return image;
}

inline int ChannelDifference(uint32_t aA, uint32_t aB)
{
    int most = 0;
    for (int shift = 0; shift < 24; shift += 8)
    {
        const int a = static_cast<int>((aA >> shift) & 0xFF);
        const int b = static_cast<int>((aB >> shift) & 0xFF);
        most = std::max(most, std::abs(a - b));
    }
    return most;
}

// Pixels of aA with no pixel within aTolerance (in every colour channel) among the same
// position and its eight neighbours in aB: two rasterisers may put an edge one pixel apart.
inline int Mismatches(const platform::DecodedImage& aA, const platform::DecodedImage& aB,
                      int aTolerance)
{
    if (aA.width != aB.width || aA.height != aB.height)
    {
        return aA.width * aA.height + 1;
    }
    int mismatches = 0;
    for (int y = 0; y < aA.height; ++y)
    {
        for (int x = 0; x < aA.width; ++x)
        {
            const uint32_t pixel = aA.pixels[static_cast<size_t>(y * aA.width + x)];
            bool matched = false;
            for (int ny = std::max(0, y - 1); ny <= std::min(aA.height - 1, y + 1) && !matched;
                 ++ny)
            {
                for (int nx = std::max(0, x - 1); nx <= std::min(aA.width - 1, x + 1); ++nx)
                {
                    const uint32_t other = aB.pixels[static_cast<size_t>(ny * aB.width + nx)];
                    if (ChannelDifference(pixel, other) <= aTolerance)
                    {
                        matched = true;
                        break;
                    }
                }
            }
            mismatches += matched ? 0 : 1;
        }
    }
    return mismatches;
}
}  // namespace windowtests
