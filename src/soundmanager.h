#pragma once
// The music: one looping track at a time, chosen by name. Every track is opened at start-up
// as a stream and left paused; switching music pauses one stream and resumes another, so a
// track goes on where it was left, never from its beginning. No sound effects.
#include <cstdint>
#include <memory>
#include <string>

#include "arrays/growingarray.h"

namespace platform
{
class AudioOutput;
}

// One track: its name, its file and its stream in the music output.
struct SoundData
{
    std::string myName;
    std::string myFilePath;
    int myStream = -1;
};

class SoundManager
{
public:
    // Allocates the singleton and runs Init. Main thread, before the worker threads start.
    static void Create();
    // Stops the music and frees the singleton; after the worker threads have ended.
    static void Destroy();
    // The singleton, between Create and Destroy.
    static SoundManager* Instance();

    ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    // Opens the five tracks in table order, each looping, paused, at volume 2.03 (the mix
    // clamps it to full volume). A missing or undecodable file ends the program.
    void Init();
    // Resumes the named track; the current name stays as it is.
    void Play(const std::string& aName);
    // Makes aName the current track: the previous one pauses, aName's track resumes; "" stops
    // all.
    void ChangeMusic(const std::string& aName);
    // Pauses every track and empties the current name.
    void StopAll();
    // Once per logic frame: a track whose file turned out damaged while playing ends the game.
    void Update();

    // The name that should be playing; "" when none.
    const std::string& GetCurrent() const { return myCurrent; }
    int GetTrackCount() const { return myTracks.Size(); }
    const SoundData& GetTrack(int aIndex) const { return myTracks[aIndex]; }
    // The index of the last track named aName; 0 ("StartScreen") when none is.
    int FindTrack(const std::string& aName) const;
    bool IsTrackPlaying(int aIndex) const;
    // Frames the track has played since it last started from its beginning.
    int64_t GetTrackPosition(int aIndex) const;

private:
    SoundManager();
    void SetPaused(int aIndex, bool aPaused);

    static SoundManager* ourInstance;

    std::unique_ptr<platform::AudioOutput> myOutput;
    GrowingArray<SoundData> myTracks;
    std::string myCurrent;
};
