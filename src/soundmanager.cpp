#include "soundmanager.h"

#include <algorithm>
#include <cmath>

#include "assertion.h"
#include "hge.h"

SoundManager* SoundManager::ourInstance = nullptr;

namespace
{
struct TrackFile
{
    const char* myName;
    const char* myPath;
};

// In table order: a track's index is its place here, and index 0 is the fallback.
constexpr TrackFile ourTrackFiles[] = {
    {"StartScreen", "aud/main_screen.mp3"},          {"Jungle", "aud/the_jungl_3_finished_v.mp3"},
    {"Village", "aud/the_village_2_finished_v.mp3"}, {"Vulcano", "aud/the_vulcano_2_finished.mp3"},
    {"Machine", "aud/The_time_machine_final.mp3"},
};

// The tracks were mixed for this gain; the output clamps it to full volume.
constexpr float ourTrackVolume = 2.03f;
// The quietest volume above silence, 1 per cent, lies this far below full volume.
constexpr double ourVolumeRangeDb = 30.0;
}  // namespace

void SoundManager::Create(platform::AudioMode aMode)
{
    MARROWEN_ASSERT(ourInstance == nullptr && "SoundManager has already been created",
                    "soundmanager");
    ourInstance = new SoundManager();
    ourInstance->Init(aMode);
}

void SoundManager::Destroy()
{
    delete ourInstance;
    ourInstance = nullptr;
}

SoundManager* SoundManager::Instance()
{
    MARROWEN_ASSERT(ourInstance != nullptr && "SoundManager has not been created", "soundmanager");
    return ourInstance;
}

SoundManager::SoundManager() = default;
SoundManager::~SoundManager() = default;

void SoundManager::Init(platform::AudioMode aMode)
{
    MARROWEN_ASSERT(myOutput == nullptr && "SoundManager: Init called twice", "soundmanager");
    // Headless runs (tests, automation) never touch the sound card; their music is silent but
    // keeps time all the same.
    const bool headless = hgeSelectedBackend() == HGE_BACKEND_HEADLESS;
    myOutput = std::make_unique<platform::AudioOutput>(
        aMode == platform::AudioMode::Device && headless ? platform::AudioMode::Silent : aMode);
    for (const TrackFile& file : ourTrackFiles)
    {
        SoundData track;
        track.myName = file.myName;
        track.myFilePath = file.myPath;
        myTracks.push_back(track);
    }
    for (SoundData& track : myTracks)
    {
        platform::ClearLastError();
        track.myStream = myOutput->OpenStream(track.myFilePath);
        MARROWEN_ASSERT(track.myStream >= 0 && "Could not open a music file", "soundmanager");
        myOutput->SetVolume(track.myStream, ourTrackVolume);
    }
    myCurrent.clear();
    LoadEffects();
}

void SoundManager::LoadEffects()
{
    for (const geometry::SoundEffectFile& file : geometry::ourSoundEffects)
    {
        EffectState& effect = myEffects[static_cast<size_t>(file.effect)];
        for (int variant = 0; variant < file.variants; ++variant)
        {
            platform::ClearLastError();
            const int index = myOutput->LoadEffect(geometry::SoundEffectPath(file, variant));
            MARROWEN_ASSERT(index >= 0 && "Could not load a sound effect", "soundmanager");
            effect.myFirst = variant == 0 ? index : effect.myFirst;
        }
    }
}

int SoundManager::FindTrack(const std::string& aName) const
{
    for (int index = GetTrackCount() - 1; index >= 0; --index)
    {
        if (GetTrack(index).myName == aName)
        {
            return index;
        }
    }
    return 0;
}

void SoundManager::SetPaused(int aIndex, bool aPaused)
{
    myOutput->Stream(GetTrack(aIndex).myStream).SetPaused(aPaused);
}

void SoundManager::Play(const std::string& aName)
{
    SetPaused(FindTrack(aName), false);
}

void SoundManager::ChangeMusic(const std::string& aName)
{
    if (aName.empty())
    {
        StopAll();
    }
    else if (myCurrent != aName)
    {
        SetPaused(FindTrack(myCurrent), true);
        myCurrent = aName;
    }
    // With no current name this pauses the fallback track, which the lookup of "" finds.
    SetPaused(FindTrack(myCurrent), myCurrent.empty());
}

void SoundManager::StopAll()
{
    for (int index = 0; index < GetTrackCount(); ++index)
    {
        SetPaused(index, true);
    }
    myCurrent.clear();
}

void SoundManager::Update()
{
    ++myFrame;
    for (const SoundData& track : myTracks)
    {
        const platform::MusicStream& stream = myOutput->Stream(track.myStream);
        if (stream.HasFailed())
        {
            platform::SetLastError("%s", stream.Problem().c_str());
            platform::Fatal("a music file could not be played to its end");
        }
    }
}

bool SoundManager::IsTrackPlaying(int aIndex) const
{
    return !myOutput->Stream(GetTrack(aIndex).myStream).IsPaused();
}

int64_t SoundManager::GetTrackPosition(int aIndex) const
{
    return myOutput->Stream(GetTrack(aIndex).myStream).Position();
}

void SoundManager::PlayEffect(geometry::SoundEffect aEffect)
{
    if (ourInstance != nullptr)
    {
        ourInstance->Play(aEffect);
    }
}

void SoundManager::Play(geometry::SoundEffect aEffect)
{
    EffectState& effect = myEffects[static_cast<size_t>(aEffect)];
    // The same effect asked for twice in one frame sounds once, not twice as loud.
    if (effect.myLastFrame == myFrame + 1)
    {
        return;
    }
    effect.myLastFrame = myFrame + 1;
    ++effect.myPlayCount;
    myOutput->PlayEffect(effect.myFirst + effect.myNextVariant);
    effect.myNextVariant = (effect.myNextVariant + 1) % geometry::SoundEffectRow(aEffect).variants;
}

int SoundManager::GetPlayCount(geometry::SoundEffect aEffect) const
{
    return myEffects[static_cast<size_t>(aEffect)].myPlayCount;
}

void SoundManager::SetVolumes(int aMusicPercent, int aEffectsPercent)
{
    myOutput->SetMusicVolume(VolumeGain(aMusicPercent));
    myOutput->SetEffectsVolume(VolumeGain(aEffectsPercent));
}

float SoundManager::VolumeGain(int aPercent)
{
    if (aPercent <= 0)
    {
        return 0.0f;
    }
    const double percent = std::min(aPercent, 100);
    return static_cast<float>(std::pow(10.0, (percent - 100.0) / 99.0 * ourVolumeRangeDb / 20.0));
}
