#include "audiooutput.h"

#include <SDL2/SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <mutex>
#include <thread>

#include "effectplayer.h"
#include "fatal.h"
#include "filepaths.h"
#include "mixstages.h"
#include "sdlhandles.h"

namespace platform
{
class AudioOutput::Driver
{
public:
    virtual ~Driver() = default;
    virtual bool HasDevice() const = 0;
};

namespace
{
constexpr int ourFrameBytes = static_cast<int>(sizeof(float)) * MusicStream::ourChannels;
// Frames handed to the mix at most at once: big catch-ups are cut into pieces of this size.
constexpr int ourChunkFrames = 2048;

// ALSA, which SDL loads for the sound card, prints its own complaints on standard error when
// there is no card ("cannot find card '0'" and seven more lines), though the game then plays
// on silently as it should. Its messages go to our log instead. ALSA is not linked: the handler
// is set through the same shared library SDL opens later, if it is there at all.
void LogAlsaMessage(const char* aFile, int aLine, const char* aFunction, int, const char* aFormat,
                    ...)
{
    char message[512];
    va_list args;
    va_start(args, aFormat);
    vsnprintf(message, sizeof(message), aFormat, args);
    va_end(args);
    char line[768];
    snprintf(line, sizeof(line), "ALSA %s:%d (%s): %s", aFile, aLine, aFunction, message);
    AppendLogLine(line);
}

void SendAlsaMessagesToTheLog()
{
    static std::once_flag once;
    std::call_once(once,
                   []
                   {
                       using Handler =
                           void (*)(const char*, int, const char*, int, const char*, ...);
                       // Never closed: ALSA keeps calling the handler for the process's life.
                       void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
                       void* setter = alsa ? dlsym(alsa, "snd_lib_error_set_handler") : nullptr;
                       if (setter != nullptr)
                       {
                           reinterpret_cast<int (*)(Handler)>(setter)(&LogAlsaMessage);
                       }
                   });
}

// The sound card through SDL. Opened for exactly our format (SDL converts if the card wants
// another one) and started at once; closing it stops the callback before it returns.
class SdlDevice : public AudioOutput::Driver
{
public:
    explicit SdlDevice(AudioOutput& aOutput) : myAudio(SDL_INIT_AUDIO)
    {
        if (!myAudio.Ok())
        {
            return;
        }
        SDL_AudioSpec wanted;
        SDL_zero(wanted);
        wanted.freq = MusicStream::ourSampleRate;
        wanted.format = AUDIO_F32SYS;
        wanted.channels = MusicStream::ourChannels;
        wanted.samples = 1024;
        wanted.callback = &SdlDevice::Callback;
        wanted.userdata = &aOutput;
        SDL_AudioSpec obtained;
        myDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
        if (myDevice != 0)
        {
            SDL_PauseAudioDevice(myDevice, 0);
        }
    }
    ~SdlDevice() override
    {
        if (myDevice != 0)
        {
            SDL_CloseAudioDevice(myDevice);
        }
    }
    SdlDevice(const SdlDevice&) = delete;
    SdlDevice& operator=(const SdlDevice&) = delete;

    bool HasDevice() const override { return myDevice != 0; }

private:
    static void Callback(void* aOutput, Uint8* aStream, int aBytes)
    {
        static_cast<AudioOutput*>(aOutput)->Mix(reinterpret_cast<float*>(aStream),
                                                aBytes / ourFrameBytes);
    }

    SdlSubsystem myAudio;
    SDL_AudioDeviceID myDevice = 0;
};

// No sound card: a thread that every few milliseconds mixes, and throws away, as many frames
// as real time has brought since it started. Counting from the start keeps it from drifting.
class SilentClock : public AudioOutput::Driver
{
public:
    explicit SilentClock(AudioOutput& aOutput)
        : myOutput(aOutput), myThread(&SilentClock::Run, this)
    {
    }
    ~SilentClock() override
    {
        {
            std::lock_guard<std::mutex> lock(myMutex);
            myStop = true;
        }
        myWake.notify_all();
        myThread.join();
    }
    SilentClock(const SilentClock&) = delete;
    SilentClock& operator=(const SilentClock&) = delete;

    bool HasDevice() const override { return false; }

private:
    void Run()
    {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        int64_t mixed = 0;
        std::vector<float> sink(static_cast<size_t>(ourChunkFrames) * MusicStream::ourChannels);
        std::unique_lock<std::mutex> lock(myMutex);
        while (!myWake.wait_for(lock, std::chrono::milliseconds(10), [this] { return myStop; }))
        {
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
            const int64_t due = elapsed.count() * MusicStream::ourSampleRate / 1000000;
            while (mixed < due)
            {
                const int frames = static_cast<int>(std::min<int64_t>(due - mixed, ourChunkFrames));
                myOutput.Mix(sink.data(), frames);
                mixed += frames;
            }
        }
    }

    AudioOutput& myOutput;
    std::mutex myMutex;
    std::condition_variable myWake;
    bool myStop = false;
    std::thread myThread;  // last: starts once everything above is ready
};
}  // namespace

AudioOutput::AudioOutput(AudioMode aMode)
    : myEffects(std::make_unique<EffectPlayer>()),
      myMusicVolume(std::make_unique<GainRamp>(1.0f)),
      myEffectsVolume(std::make_unique<GainRamp>(1.0f)),
      myLimiter(std::make_unique<Limiter>())
{
    const size_t chunk = static_cast<size_t>(ourChunkFrames) * MusicStream::ourChannels;
    myScratch.resize(chunk);
    myMusic.resize(chunk);
    myEffectsMix.resize(chunk);
    if (aMode == AudioMode::Device)
    {
        SendAlsaMessagesToTheLog();
        auto device = std::make_unique<SdlDevice>(*this);
        if (device->HasDevice())
        {
            myDriver = std::move(device);
            return;
        }
    }
    if (aMode != AudioMode::Manual)
    {
        myDriver = std::make_unique<SilentClock>(*this);
    }
}

AudioOutput::~AudioOutput()
{
    myDriver.reset();
}

bool AudioOutput::HasDevice() const
{
    return myDriver && myDriver->HasDevice();
}

int AudioOutput::OpenStream(const std::string& aPath)
{
    const int index = myCount.load(std::memory_order_relaxed);
    if (index >= ourMaxStreams)
    {
        SetLastError("%s: too many music streams open at once", aPath.c_str());
        return -1;
    }
    auto stream = std::make_unique<MusicStream>();
    if (!stream->Open(aPath))
    {
        return -1;
    }
    Slot& slot = mySlots[static_cast<size_t>(index)];
    slot.myStream = std::move(stream);
    slot.myGain.store(1.0f, std::memory_order_relaxed);
    // Publishes the slot to the mixing thread.
    myCount.store(index + 1, std::memory_order_release);
    return index;
}

const AudioOutput::Slot& AudioOutput::OpenSlot(int aIndex) const
{
    if (aIndex < 0 || aIndex >= StreamCount())
    {
        Fatal("a music stream that was never opened was used");
    }
    return mySlots[static_cast<size_t>(aIndex)];
}

MusicStream& AudioOutput::Stream(int aIndex)
{
    return *OpenSlot(aIndex).myStream;
}

const MusicStream& AudioOutput::Stream(int aIndex) const
{
    return *OpenSlot(aIndex).myStream;
}

void AudioOutput::SetVolume(int aIndex, float aGain)
{
    OpenSlot(aIndex);
    mySlots[static_cast<size_t>(aIndex)].myGain.store(aGain, std::memory_order_relaxed);
}

int AudioOutput::LoadEffect(const std::string& aPath)
{
    return myEffects->Load(aPath);
}

int AudioOutput::EffectCount() const
{
    return myEffects->Count();
}

void AudioOutput::PlayEffect(int aIndex, float aGain)
{
    myEffects->Start(aIndex, ClampGain(aGain));
}

int AudioOutput::SoundingEffects() const
{
    return myEffects->Sounding();
}

void AudioOutput::SetMusicVolume(float aGain)
{
    myMusicVolume->SetTarget(aGain);
}

void AudioOutput::SetEffectsVolume(float aGain)
{
    myEffectsVolume->SetTarget(aGain);
}

void AudioOutput::Mix(float* aOut, int aFrames)
{
    const int count = myCount.load(std::memory_order_acquire);
    for (int done = 0; done < aFrames;)
    {
        const int frames = std::min(aFrames - done, ourChunkFrames);
        const int samples = frames * MusicStream::ourChannels;
        std::fill(myMusic.begin(), myMusic.begin() + samples, 0.0f);
        for (int index = 0; index < count; ++index)
        {
            Slot& slot = mySlots[static_cast<size_t>(index)];
            // A paused stream is not read at all: it keeps its place.
            if (slot.myStream->IsPaused())
            {
                continue;
            }
            slot.myStream->Read(myScratch.data(), frames);
            AddScaled(myMusic.data(), myScratch.data(), samples,
                      slot.myGain.load(std::memory_order_relaxed));
        }
        std::fill(myEffectsMix.begin(), myEffectsMix.begin() + samples, 0.0f);
        myEffects->MixInto(myEffectsMix.data(), frames);
        float* out = aOut + static_cast<std::ptrdiff_t>(done) * MusicStream::ourChannels;
        for (int frame = 0; frame < frames; ++frame)
        {
            const float music = myMusicVolume->Next();
            const float effects = myEffectsVolume->Next();
            for (int channel = 0; channel < MusicStream::ourChannels; ++channel)
            {
                const int i = frame * MusicStream::ourChannels + channel;
                out[i] = myMusic[static_cast<size_t>(i)] * music +
                         myEffectsMix[static_cast<size_t>(i)] * effects;
            }
        }
        myLimiter->Process(out, frames);
        ClampSamples(out, samples);
        done += frames;
    }
}

float AudioOutput::ClampGain(float aGain)
{
    return std::isnan(aGain) ? 0.0f : std::clamp(aGain, 0.0f, 1.0f);
}

void AudioOutput::AddScaled(float* aMix, const float* aSource, int aSamples, float aGain)
{
    const float gain = ClampGain(aGain);
    for (int i = 0; i < aSamples; ++i)
    {
        aMix[i] += aSource[i] * gain;
    }
}

void AudioOutput::ClampSamples(float* aSamples, int aCount)
{
    for (int i = 0; i < aCount; ++i)
    {
        aSamples[i] = std::isnan(aSamples[i]) ? 0.0f : std::clamp(aSamples[i], -1.0f, 1.0f);
    }
}
}  // namespace platform
