#include "soundmanager.h"

#include "assertion.h"
#include "audiooutput.h"
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
}  // namespace

void SoundManager::Create()
{
    MARROWEN_ASSERT(ourInstance == nullptr && "SoundManager has already been created",
                    "soundmanager");
    ourInstance = new SoundManager();
    ourInstance->Init();
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

void SoundManager::Init()
{
    MARROWEN_ASSERT(myOutput == nullptr && "SoundManager: Init called twice", "soundmanager");
    // Headless runs (tests, automation) never touch the sound card; their music is silent but
    // keeps time all the same.
    const bool headless = hgeSelectedBackend() == HGE_BACKEND_HEADLESS;
    myOutput = std::make_unique<platform::AudioOutput>(headless ? platform::AudioMode::Silent
                                                                : platform::AudioMode::Device);
    myTracks.Init(5, 5, false);
    for (const TrackFile& file : ourTrackFiles)
    {
        SoundData track;
        track.myName = file.myName;
        track.myFilePath = file.myPath;
        myTracks.Add(track);
    }
    for (int index = 0; index < myTracks.Size(); ++index)
    {
        SoundData& track = myTracks[index];
        platform::ClearLastError();
        track.myStream = myOutput->OpenStream(track.myFilePath);
        MARROWEN_ASSERT(track.myStream >= 0 && "Could not open a music file", "soundmanager");
        myOutput->SetVolume(track.myStream, ourTrackVolume);
    }
    myCurrent.clear();
}

int SoundManager::FindTrack(const std::string& aName) const
{
    for (int index = myTracks.Size() - 1; index >= 0; --index)
    {
        if (myTracks[index].myName == aName)
        {
            return index;
        }
    }
    return 0;
}

void SoundManager::SetPaused(int aIndex, bool aPaused)
{
    myOutput->Stream(myTracks[aIndex].myStream).SetPaused(aPaused);
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
    for (int index = 0; index < myTracks.Size(); ++index)
    {
        SetPaused(index, true);
    }
    myCurrent.clear();
}

void SoundManager::Update()
{
    for (int index = 0; index < myTracks.Size(); ++index)
    {
        const platform::MusicStream& stream = myOutput->Stream(myTracks[index].myStream);
        if (stream.HasFailed())
        {
            platform::SetLastError("%s", stream.Problem().c_str());
            platform::Fatal("a music file could not be played to its end");
        }
    }
}

bool SoundManager::IsTrackPlaying(int aIndex) const
{
    return !myOutput->Stream(myTracks[aIndex].myStream).IsPaused();
}

int64_t SoundManager::GetTrackPosition(int aIndex) const
{
    return myOutput->Stream(myTracks[aIndex].myStream).Position();
}
