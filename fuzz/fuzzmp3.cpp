// An MP3 stream opened and played from any bytes: it either refuses to open with a problem
// naming the file, or plays (looping) with samples within [-1, 1] until it ends or fails.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fatal.h"
#include "musicstream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* aData, size_t aSize)
{
    // The stream reads a file, as the game's does.
    static const std::string ourPath = "/tmp/marrowen-fuzz-" + std::to_string(getpid()) + ".mp3";
    if (FILE* file = std::fopen(ourPath.c_str(), "wb"))
    {
        std::fwrite(aData, 1, aSize, file);
        std::fclose(file);
    }
    platform::MusicStream stream;
    if (!stream.Open(ourPath))
    {
        const std::string problem = platform::LastError();
        if (problem.rfind(ourPath + ": ", 0) != 0 || stream.IsOpen())
        {
            std::abort();
        }
        return 0;
    }
    stream.SetPaused(false);
    std::vector<float> samples(2 * 4096);
    // About a second, through the end of a short track and its loop.
    for (int chunk = 0; chunk < 11 && !stream.HasFailed(); ++chunk)
    {
        stream.Read(samples.data(), 4096);
        for (float sample : samples)
        {
            if (!(std::fabs(sample) <= 1.0f))
            {
                std::abort();
            }
        }
    }
    return 0;
}
