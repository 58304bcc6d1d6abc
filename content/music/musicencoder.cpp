#include "music/musicencoder.h"

#include <lame/lame.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "music/musicsynth.h"

namespace content
{
namespace
{
struct LameDeleter
{
    void operator()(lame_global_flags* aFlags) const { lame_close(aFlags); }
};

[[noreturn]] void EncoderFailed(const char* aStep)
{
    fprintf(stderr, "marrowen-content: MP3 encoder failed at %s\n", aStep);
    exit(1);
}
}  // namespace

std::vector<uint8_t> EncodeMp3(const std::vector<float>& aInterleaved)
{
    std::unique_ptr<lame_global_flags, LameDeleter> lame(lame_init());
    if (!lame)
    {
        EncoderFailed("start-up");
    }
    lame_set_in_samplerate(lame.get(), Synth::ourSampleRate);
    lame_set_out_samplerate(lame.get(), Synth::ourSampleRate);
    lame_set_num_channels(lame.get(), 2);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_brate(lame.get(), 128);
    lame_set_quality(lame.get(), 5);
    lame_set_bWriteVbrTag(lame.get(), 1);
    if (lame_init_params(lame.get()) < 0)
    {
        EncoderFailed("its settings");
    }

    const int frames = static_cast<int>(aInterleaved.size() / 2);
    const int chunk = 8192;
    std::vector<unsigned char> buffer(static_cast<size_t>(chunk * 5 / 4 + 7200));
    std::vector<uint8_t> out;
    for (int start = 0; start < frames; start += chunk)
    {
        const int count = std::min(chunk, frames - start);
        const int bytes = lame_encode_buffer_interleaved_ieee_float(
            lame.get(), aInterleaved.data() + static_cast<std::ptrdiff_t>(start) * 2, count,
            buffer.data(), static_cast<int>(buffer.size()));
        if (bytes < 0)
        {
            EncoderFailed("a block of samples");
        }
        out.insert(out.end(), buffer.begin(), buffer.begin() + bytes);
    }
    const int tail = lame_encode_flush(lame.get(), buffer.data(), static_cast<int>(buffer.size()));
    if (tail < 0)
    {
        EncoderFailed("the last block");
    }
    out.insert(out.end(), buffer.begin(), buffer.begin() + tail);

    // The encoder left room for its tag in the first frame; fill it in now that the delay and
    // padding are known.
    unsigned char tag[2880];
    const size_t tagSize = lame_get_lametag_frame(lame.get(), tag, sizeof(tag));
    if (tagSize == 0 || tagSize > sizeof(tag) || tagSize > out.size())
    {
        EncoderFailed("the gapless tag");
    }
    std::copy(tag, tag + tagSize, out.begin());
    return out;
}
}  // namespace content
