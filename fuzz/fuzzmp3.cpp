// An MP3 file of any bytes through the game's music output: it is either refused when opened,
// with a problem naming the file, or plays (looping) into a mix whose samples stay within
// [-1, 1] until it ends or fails.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "audiooutput.h"
#include "fatal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* aData, size_t aSize)
{
    // The stream reads a file, as the game's does.
    static const std::string ourPath = "/tmp/marrowen-fuzz-" + std::to_string(getpid()) + ".mp3";
    if (FILE* file = std::fopen(ourPath.c_str(), "wb"))
    {
        std::fwrite(aData, 1, aSize, file);
        std::fclose(file);
    }
    platform::AudioOutput output(platform::AudioMode::Manual);
    const int stream = output.OpenStream(ourPath);
    if (stream < 0)
    {
        if (std::string(platform::LastError()).rfind(ourPath + ": ", 0) != 0)
        {
            std::abort();
        }
        return 0;
    }
    // The game's volume, which the mix clamps to full.
    output.SetVolume(stream, 2.03f);
    output.Stream(stream).SetPaused(false);
    std::vector<float> mix(size_t{2} * 4096);
    // A quarter of a second: past the end of a short track and into its loop.
    for (int chunk = 0; chunk < 3 && !output.Stream(stream).HasFailed(); ++chunk)
    {
        output.Mix(mix.data(), 4096);
        for (float sample : mix)
        {
            if (!(sample >= -1.0f && sample <= 1.0f))
            {
                std::abort();
            }
        }
    }
    return 0;
}
