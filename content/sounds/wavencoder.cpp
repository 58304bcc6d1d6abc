#include "sounds/wavencoder.h"

#include <algorithm>
#include <cmath>

namespace content
{
namespace
{
constexpr uint32_t ourRate = 44100;

void Put(std::vector<uint8_t>& aBytes, uint32_t aValue, int aSize)
{
    for (int i = 0; i < aSize; ++i)
    {
        aBytes.push_back(static_cast<uint8_t>(aValue >> (8 * i)));
    }
}

void PutTag(std::vector<uint8_t>& aBytes, const char (&aTag)[5])
{
    for (int i = 0; i < 4; ++i)
    {
        aBytes.push_back(static_cast<uint8_t>(aTag[i]));
    }
}
}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<float>& aSamples)
{
    const uint32_t dataBytes = static_cast<uint32_t>(aSamples.size() * 2);
    std::vector<uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    PutTag(bytes, "RIFF");
    Put(bytes, 36 + dataBytes, 4);
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    Put(bytes, 16, 4);           // the format chunk's size
    Put(bytes, 1, 2);            // PCM
    Put(bytes, 1, 2);            // one channel
    Put(bytes, ourRate, 4);      // frames per second
    Put(bytes, ourRate * 2, 4);  // bytes per second
    Put(bytes, 2, 2);            // bytes per frame
    Put(bytes, 16, 2);           // bits per sample
    PutTag(bytes, "data");
    Put(bytes, dataBytes, 4);
    for (float sample : aSamples)
    {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        Put(bytes, static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(value))), 2);
    }
    return bytes;
}
}  // namespace content
