// The DDS reader on any bytes: a problem or a picture whose pixels match its size.
#include <cstdlib>

#include "ddsreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* aData, size_t aSize)
{
    platform::DecodedImage image;
    std::string problem;
    const bool decoded = platform::DecodeDds(aData, aSize, image, problem);
    if (decoded != problem.empty() ||
        (decoded && image.pixels.size() !=
                        static_cast<size_t>(image.width) * static_cast<size_t>(image.height)))
    {
        std::abort();
    }
    return 0;
}
