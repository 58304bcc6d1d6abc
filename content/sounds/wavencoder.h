#pragma once
// The sound effects' files: RIFF WAVE, 16-bit PCM, one channel, 44.1 kHz.
#include <cstdint>
#include <vector>

namespace content
{
// aSamples in [-1, 1] (beyond is clipped), rounded to 16 bits.
std::vector<uint8_t> EncodeWav(const std::vector<float>& aSamples);
}  // namespace content
