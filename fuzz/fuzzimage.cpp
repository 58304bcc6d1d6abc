// The picture entry (DDS, PNG, JPEG, BMP told apart by their first bytes) on any bytes: a
// problem, or a picture within the size limits whose pixels match its size.
#include <cstdlib>

#include "imagedecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* aData, size_t aSize)
{
    platform::DecodedImage image;
    std::string problem;
    const bool decoded = platform::DecodeImage(aData, aSize, image, problem);
    const int64_t pixels = int64_t{image.width} * image.height;
    if (decoded != problem.empty() ||
        (decoded &&
         (image.width <= 0 || image.height <= 0 || pixels > platform::kMaxPicturePixels ||
          image.pixels.size() != static_cast<size_t>(pixels))))
    {
        std::abort();
    }
    return 0;
}
