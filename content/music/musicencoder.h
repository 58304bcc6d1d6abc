#pragma once
// MP3 encoding of the synthesised music with libmp3lame.
#include <cstdint>
#include <vector>

namespace content
{
// Encodes interleaved stereo float samples at 44.1 kHz as a 128 kbit/s MP3. The first frame is
// the encoder's LAME tag, which records the encoder delay and padding so that a gapless decoder
// plays exactly the samples given and the track loops without a gap.
std::vector<uint8_t> EncodeMp3(const std::vector<float>& aInterleaved);
}  // namespace content
