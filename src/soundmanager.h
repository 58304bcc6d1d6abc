#pragma once
// The music and the sound effects. Music: one looping track at a time, chosen by name. Every
// track is opened at start-up as a stream and left paused; switching music pauses one stream
// and resumes another, so a track goes on where it was left, never from its beginning.
// Effects: every effect of the shared table is decoded into memory at start-up and played over
// the music when the game asks for it; they never change anything in the game, so recordings
// play back the same with or without them. The music and the effects have a volume each.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audiooutput.h"
#include "soundeffects.h"

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
    static void Create(platform::AudioMode aMode = platform::AudioMode::Device);
    // Stops the music and frees the singleton; after the worker threads have ended.
    static void Destroy();
    // The singleton, between Create and Destroy.
    static SoundManager* Instance();

    ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    // Opens the five tracks in table order, each looping, paused, at volume 2.03 (the mix
    // clamps it to full volume), and loads every sound effect. A missing or undecodable file
    // ends the program. aMode "Device" means the sound card unless the game runs headless.
    void Init(platform::AudioMode aMode = platform::AudioMode::Device);
    // Resumes the named track; the current name stays as it is.
    void Play(const std::string& aName);
    // Makes aName the current track: the previous one pauses, aName's track resumes; "" stops
    // all.
    void ChangeMusic(const std::string& aName);
    // Pauses every track and empties the current name.
    void StopAll();
    // Once per logic frame: a track whose file turned out damaged while playing ends the game.
    void Update();

    // Logic thread: plays aEffect over the music, its variants in turn; asked again in the same
    // logic frame, it sounds once. Without a sound manager (objects tested on their own) it
    // does nothing.
    static void PlayEffect(geometry::SoundEffect aEffect);
    // The music's and the effects' volume in per cent, 0 to 100; heard at once, in a ramp of a
    // few milliseconds.
    void SetVolumes(int aMusicPercent, int aEffectsPercent);
    // The gain of a volume in per cent: 0 is silence, and from 1 to 100 every per cent is
    // 0.3 dB, so each step of 10 doubles or halves the sound's power.
    static float VolumeGain(int aPercent);
    // How many times aEffect has sounded since the start.
    int GetPlayCount(geometry::SoundEffect aEffect) const;
    // The output itself, for tests that pull and measure its mix.
    platform::AudioOutput& GetOutput() { return *myOutput; }

    // The name that should be playing; "" when none.
    const std::string& GetCurrent() const { return myCurrent; }
    int GetTrackCount() const { return static_cast<int>(myTracks.size()); }
    const SoundData& GetTrack(int aIndex) const { return myTracks[static_cast<size_t>(aIndex)]; }
    // The index of the last track named aName; 0 ("StartScreen") when none is.
    int FindTrack(const std::string& aName) const;
    bool IsTrackPlaying(int aIndex) const;
    // Frames the track has played since it last started from its beginning.
    int64_t GetTrackPosition(int aIndex) const;

private:
    // The first of an effect's variants in the output, when it last sounded and how often.
    struct EffectState
    {
        int myFirst = -1;
        int myNextVariant = 0;
        uint64_t myLastFrame = 0;  // the logic frame + 1; 0: never
        int myPlayCount = 0;
    };

    SoundManager();
    void SetPaused(int aIndex, bool aPaused);
    void LoadEffects();
    void Play(geometry::SoundEffect aEffect);

    static SoundManager* ourInstance;

    std::unique_ptr<platform::AudioOutput> myOutput;
    std::vector<SoundData> myTracks;
    std::string myCurrent;
    std::array<EffectState, geometry::ourSoundEffectCount> myEffects;
    uint64_t myFrame = 0;  // logic frames seen by Update
};
