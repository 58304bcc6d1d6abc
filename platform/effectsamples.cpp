#include "effectsamples.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "fatal.h"
#include "filepaths.h"
#include "musicstream.h"

namespace platform
{
namespace
{
struct WavDeleter
{
    void operator()(Uint8* aBuffer) const { SDL_FreeWAV(aBuffer); }
};

bool Fail(const std::string& aPath, const std::string& aProblem)
{
    SetLastError("%s: %s", aPath.c_str(), aProblem.c_str());
    return false;
}
}  // namespace

bool DecodeEffect(const std::string& aPath, std::vector<float>& aSamples)
{
    aSamples.clear();
    const std::string resolved = ResolvePath(aPath);
    if (resolved.empty())
    {
        return Fail(aPath, "file not found");
    }
    // A data chunk longer than the file is damage, not a shorter sound.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    SDL_AudioSpec layout;  // the samples' format, channels and rate, as the file says
    Uint8* raw = nullptr;
    Uint32 bytes = 0;
    if (SDL_LoadWAV_RW(SDL_RWFromFile(resolved.c_str(), "rb"), 1, &layout, &raw, &bytes) == nullptr)
    {
        return Fail(aPath, std::string("not a sound effect SDL can read (") + SDL_GetError() + ")");
    }
    const std::unique_ptr<Uint8, WavDeleter> wav(raw);
    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(layout.format) / 8 * layout.channels;
    if (frameBytes == 0 || layout.freq <= 0 || bytes < frameBytes)
    {
        return Fail(aPath, "the sound holds no samples");
    }
    const Uint32 frames = bytes / frameBytes;
    const double seconds = static_cast<double>(frames) / layout.freq;
    if (seconds > ourLongestEffectSeconds)
    {
        char length[64];
        std::snprintf(length, sizeof(length), "too long for a sound effect (%.0f s)", seconds);
        return Fail(aPath, length);
    }
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, layout.format, layout.channels, layout.freq, AUDIO_F32SYS, 1,
                          MusicStream::ourSampleRate) < 0)
    {
        return Fail(aPath, std::string("its sound cannot be converted (") + SDL_GetError() + ")");
    }
    std::vector<Uint8> buffer(static_cast<size_t>(bytes) * static_cast<size_t>(convert.len_mult));
    std::memcpy(buffer.data(), raw, bytes);
    convert.buf = buffer.data();
    convert.len = static_cast<int>(bytes);
    if (convert.needed != 0 && SDL_ConvertAudio(&convert) < 0)
    {
        return Fail(aPath, std::string("its sound cannot be converted (") + SDL_GetError() + ")");
    }
    const size_t converted = convert.needed != 0 ? static_cast<size_t>(convert.len_cvt) : bytes;
    aSamples.resize(converted / sizeof(float));
    std::memcpy(aSamples.data(), buffer.data(), aSamples.size() * sizeof(float));
    return !aSamples.empty() || Fail(aPath, "the sound holds no samples");
}
}  // namespace platform
