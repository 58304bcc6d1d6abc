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
#include <initializer_list>
#include <iterator>
#include <map>
#include <sstream>
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

// Whether a program (xdotool, xwd) is on the PATH.
inline bool HasProgram(const std::string& aName)
{
    return std::system(("command -v " + aName + " >/dev/null 2>&1").c_str()) == 0;
}

// Why a window test cannot run here: no display, or one of aPrograms missing; "" when it can.
inline std::string WhatIsMissing(std::initializer_list<const char*> aPrograms)
{
    if (!HasDisplay())
    {
        return "no X display";
    }
    for (const char* program : aPrograms)
    {
        if (!HasProgram(program))
        {
            return std::string(program) + " is not installed";
        }
    }
    return "";
}

// Runs a command (bounded in time); its standard output.
inline std::string Run(const std::string& aCommand)
{
    const std::string command = "timeout 10 " + aCommand + " 2>/dev/null";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
    {
        return output;
    }
    char chunk[4096];
    for (size_t read; (read = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
    {
        output.append(chunk, read);
    }
    pclose(pipe);
    return output;
}

inline std::string Xdotool(const std::string& aArguments)
{
    return Run("xdotool " + aArguments);
}

// The X window id of the one window titled exactly aTitle, waiting for it to be mapped; "" when
// there is none.
inline std::string FindWindow(const std::string& aTitle)
{
    const std::string found = Xdotool("search --sync --name '^" + aTitle + "$'");
    return found.substr(0, found.find('\n'));
}

// The screen's pixels over the window aWindowId as the X server shows them (read by xwd, made
// plain by netpbm's xwdtopnm), as 0xFFRRGGBB; empty when they cannot be read. What a player
// would see there.
inline platform::DecodedImage ScreenUnder(const std::string& aWindowId)
{
    platform::DecodedImage area;
    // X=, Y=, WIDTH=, HEIGHT= lines.
    std::map<std::string, int> geometry;
    std::istringstream lines(Xdotool("getwindowgeometry --shell " + aWindowId));
    for (std::string line; std::getline(lines, line);)
    {
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
        {
            geometry[line.substr(0, equals)] = std::atoi(line.c_str() + equals + 1);
        }
    }
    const int left = geometry["X"];
    const int top = geometry["Y"];
    area.width = geometry["WIDTH"];
    area.height = geometry["HEIGHT"];
    // The whole screen as a binary PPM: "P6 width height maximum", then RGB triplets of one
    // byte each (maximum 255), or of two big-endian ones (maximum 65535).
    std::istringstream dump(Run("sh -c 'xwd -root -silent | xwdtopnm'"));
    std::string magic;
    int screenWidth = 0;
    int screenHeight = 0;
    int maximum = 0;
    dump >> magic >> screenWidth >> screenHeight >> maximum;
    dump.get();  // the one blank after the header
    const std::string rgb{std::istreambuf_iterator<char>(dump), std::istreambuf_iterator<char>()};
    const size_t sample = maximum == 65535 ? 2 : 1;
    if (magic != "P6" || (maximum != 255 && maximum != 65535) || area.width <= 0 ||
        area.height <= 0 || left < 0 || top < 0 || left + area.width > screenWidth ||
        top + area.height > screenHeight ||
        rgb.size() <
            static_cast<size_t>(screenWidth) * static_cast<size_t>(screenHeight) * 3 * sample)
    {
        return platform::DecodedImage{};
    }
    area.pixels.resize(static_cast<size_t>(area.width) * static_cast<size_t>(area.height));
    for (int y = 0; y < area.height; ++y)
    {
        for (int x = 0; x < area.width; ++x)
        {
            const size_t at = (static_cast<size_t>(top + y) * static_cast<size_t>(screenWidth) +
                               static_cast<size_t>(left + x)) *
                              3 * sample;
            uint32_t pixel = 0xFF000000u;
            for (size_t channel = 0; channel < 3; ++channel)
            {
                // The high byte of a two-byte sample is its value in 0..255.
                const uint32_t value = static_cast<uint8_t>(rgb[at + channel * sample]);
                pixel |= value << (16 - 8 * channel);
            }
            area.pixels[static_cast<size_t>(y) * area.width + x] = pixel;
        }
    }
    return area;
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
            const uint32_t pixel =
                aA.pixels[static_cast<size_t>(y) * static_cast<size_t>(aA.width) +
                          static_cast<size_t>(x)];
            bool matched = false;
            for (int ny = std::max(0, y - 1); ny <= std::min(aA.height - 1, y + 1) && !matched;
                 ++ny)
            {
                for (int nx = std::max(0, x - 1); nx <= std::min(aA.width - 1, x + 1); ++nx)
                {
                    const uint32_t other =
                        aB.pixels[static_cast<size_t>(ny) * static_cast<size_t>(aB.width) +
                                  static_cast<size_t>(nx)];
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
