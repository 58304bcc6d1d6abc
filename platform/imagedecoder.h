#pragma once
// Turns the bytes of a picture file (DDS, PNG, JPEG or BMP, told apart by their first bytes)
// into 0xAARRGGBB pixels.
#include <cstddef>
#include <cstdint>
#include <string>

#include "decodedimage.h"

namespace platform
{
// On failure false and a short problem ("truncated BMP data", "unknown picture format").
bool DecodeImage(const uint8_t* aData, size_t aSize, DecodedImage& aImage, std::string& aProblem);
// How many pictures this process has decoded so far (for the timing tools).
int DecodedPictureCount();
// Counts a picture decoded other than by DecodeImage.
void NoteDecodedPicture();
}  // namespace platform
