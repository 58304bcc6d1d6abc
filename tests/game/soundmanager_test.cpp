// The music and the effects with the generated files: the sound manager's switching rules, the
// output's mix of real streams and effects at the settings' volumes, and the music a running
// game chooses. On the silent output, which keeps time like a sound card would, or on one the
// test mixes itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "audiooutput.h"
#include "effectsamples.h"
#include "filepaths.h"
#include "game.h"
#include "mixstages.h"
#include "runtimefixtures.h"
#include "settings.h"
#include "soundmanager.h"

namespace
{
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
constexpr int ourRate = platform::MusicStream::ourSampleRate;
enum Track
{
    StartScreen,
    Jungle,
    Village,
    Vulcano,
    Machine
};

class SoundManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myCreated = Clock::now();
        SoundManager::Create();
        mySound = SoundManager::Instance();
    }
    void TearDown() override { SoundManager::Destroy(); }

    // Waits (a few seconds at most) until the track has played past aFrames.
    bool PlaysPast(int aTrack, int64_t aFrames) const
    {
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (mySound->GetTrackPosition(aTrack) <= aFrames && Clock::now() < deadline)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return mySound->GetTrackPosition(aTrack) > aFrames;
    }
    std::vector<int> Playing() const
    {
        std::vector<int> playing;
        for (int index = 0; index < mySound->GetTrackCount(); ++index)
        {
            if (mySound->IsTrackPlaying(index))
            {
                playing.push_back(index);
            }
        }
        return playing;
    }

    SoundManager* mySound = nullptr;
    Clock::time_point myCreated;  // before the music's clock started
};

TEST_F(SoundManagerTest, OpensTheFiveTracksInOrderAllPaused)
{
    const char* names[] = {"StartScreen", "Jungle", "Village", "Vulcano", "Machine"};
    ASSERT_EQ(mySound->GetTrackCount(), 5);
    for (int index = 0; index < 5; ++index)
    {
        EXPECT_EQ(mySound->GetTrack(index).myName, names[index]);
        EXPECT_EQ(mySound->FindTrack(names[index]), index);
    }
    EXPECT_EQ(mySound->GetTrack(Machine).myFilePath, "aud/The_time_machine_final.mp3");
    EXPECT_TRUE(Playing().empty());
    EXPECT_EQ(mySound->GetCurrent(), "");
}

TEST_F(SoundManagerTest, ReturningToASceneResumesItsTrackWhereItStopped)
{
    mySound->ChangeMusic("Jungle");
    ASSERT_TRUE(PlaysPast(Jungle, ourRate / 10));
    mySound->ChangeMusic("Village");
    EXPECT_EQ(Playing(), std::vector<int>{Village});
    const int64_t left = mySound->GetTrackPosition(Jungle);
    // Paused: the jungle track stands still while the village plays on.
    ASSERT_TRUE(PlaysPast(Village, ourRate / 10));
    EXPECT_EQ(mySound->GetTrackPosition(Jungle), left);

    mySound->ChangeMusic("Jungle");
    EXPECT_EQ(Playing(), std::vector<int>{Jungle});
    EXPECT_GE(mySound->GetTrackPosition(Jungle), left);
    EXPECT_TRUE(PlaysPast(Jungle, left + ourRate / 20));
}

TEST_F(SoundManagerTest, TheSameNameAgainKeepsTheTrackPlayingOn)
{
    // Volcano, cave and blown-up cave share one name: every frame of every transfer asks again.
    mySound->ChangeMusic("Vulcano");
    ASSERT_TRUE(PlaysPast(Vulcano, ourRate / 20));
    int64_t before = mySound->GetTrackPosition(Vulcano);
    for (int frame = 0; frame < 50; ++frame)
    {
        mySound->ChangeMusic("Vulcano");
        ASSERT_EQ(Playing(), std::vector<int>{Vulcano});
        const int64_t now = mySound->GetTrackPosition(Vulcano);
        EXPECT_GE(now, before);
        before = now;
    }
    EXPECT_EQ(mySound->GetCurrent(), "Vulcano");
    EXPECT_TRUE(PlaysPast(Vulcano, before));
}

TEST_F(SoundManagerTest, AnUnknownNameFallsBackToTheTitleTrack)
{
    mySound->ChangeMusic("Nowhere");
    EXPECT_EQ(mySound->GetCurrent(), "Nowhere");
    EXPECT_EQ(Playing(), std::vector<int>{StartScreen});
    // Leaving the unknown name pauses what it played: the title track.
    mySound->ChangeMusic("Machine");
    EXPECT_EQ(Playing(), std::vector<int>{Machine});
}

TEST_F(SoundManagerTest, NoNameStopsEverythingAndTheTitleMusicLeavesCurrentAlone)
{
    mySound->ChangeMusic("Village");
    mySound->Play("Jungle");
    EXPECT_EQ(Playing(), (std::vector<int>{Jungle, Village}));
    EXPECT_EQ(mySound->GetCurrent(), "Village");

    mySound->ChangeMusic("");
    EXPECT_TRUE(Playing().empty());
    EXPECT_EQ(mySound->GetCurrent(), "");

    mySound->Play("StartScreen");
    EXPECT_EQ(Playing(), std::vector<int>{StartScreen});
    EXPECT_EQ(mySound->GetCurrent(), "");
    mySound->StopAll();
    EXPECT_TRUE(Playing().empty());
}

TEST_F(SoundManagerTest, SilentMusicAndEffectsKeepRealTime)
{
    // An effect plays out without a sound card too, in its own time (0.75 s).
    SoundManager::PlayEffect(geometry::SoundEffect::Curtain);
    const auto effectStart = Clock::now();
    bool sounded = false;
    while ((!sounded || mySound->GetOutput().SoundingEffects() > 0) &&
           Clock::now() < effectStart + 5s)
    {
        sounded = sounded || mySound->GetOutput().SoundingEffects() > 0;
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_TRUE(sounded);
    EXPECT_EQ(mySound->GetOutput().SoundingEffects(), 0);
    EXPECT_GE(Clock::now() - effectStart, 500ms) << "not faster than real time";

    mySound->ChangeMusic("Machine");
    // It goes on without a sound card, however busy the machine...
    const int64_t target = static_cast<int64_t>(0.3 * ourRate);
    ASSERT_TRUE(PlaysPast(Machine, target));
    // ...and never faster than the clock (it mixes in chunks of at most 10 ms). The clock
    // counts from its own start: after a stall it catches up at once, and a track started
    // during the stall gets that time too, so the bound counts from the clock's start.
    const int64_t played = mySound->GetTrackPosition(Machine);
    const double seconds = std::chrono::duration<double>(Clock::now() - myCreated).count();
    EXPECT_LE(played, static_cast<int64_t>((seconds + 0.02) * ourRate));
}

// The output on real streams, mixed by hand.
std::vector<float> Mixed(platform::AudioOutput& aOutput, int aFrames)
{
    std::vector<float> out(static_cast<size_t>(aFrames) * 2);
    aOutput.Mix(out.data(), aFrames);
    return out;
}

TEST(AudioOutputStreams, PausingKeepsThePositionAndMutesTheStream)
{
    platform::AudioOutput output(platform::AudioMode::Manual);
    const int stream = output.OpenStream("aud/the_village_2_finished_v.mp3");
    ASSERT_GE(stream, 0) << platform::LastError();
    EXPECT_TRUE(output.Stream(stream).IsPaused());
    EXPECT_EQ(Mixed(output, 1000), std::vector<float>(2000, 0.0f));
    EXPECT_EQ(output.Stream(stream).Position(), 0);

    output.Stream(stream).SetPaused(false);
    Mixed(output, 4410);
    EXPECT_EQ(output.Stream(stream).Position(), 4410);
    output.Stream(stream).SetPaused(true);
    EXPECT_EQ(Mixed(output, 4410), std::vector<float>(size_t{2} * 4410, 0.0f));
    EXPECT_EQ(output.Stream(stream).Position(), 4410);
}

std::vector<float> Decoded(const std::string& aTrack, int aFrames)
{
    platform::MusicStream stream;
    EXPECT_TRUE(stream.Open(platform::ResolvePath(aTrack))) << platform::LastError();
    stream.SetPaused(false);
    std::vector<float> samples(static_cast<size_t>(aFrames) * 2);
    stream.Read(samples.data(), aFrames);
    return samples;
}

float Peak(const std::vector<float>& aSamples)
{
    float peak = 0.0f;
    for (float sample : aSamples)
    {
        peak = std::max(peak, std::fabs(sample));
    }
    return peak;
}

TEST(AudioOutputStreams, EachStreamSoundsAsDecodedAndLoudSumsStayUnderFullScale)
{
    const char* path = "aud/the_jungl_3_finished_v.mp3";
    const int frames = ourRate;
    const std::vector<float> expected = Decoded(path, frames);

    // One stream at the game's 2.03 sounds exactly as decoded.
    platform::AudioOutput single(platform::AudioMode::Manual);
    const int one = single.OpenStream(path);
    single.SetVolume(one, 2.03f);
    single.Stream(one).SetPaused(false);
    EXPECT_EQ(Mixed(single, frames), expected);

    // Two copies of the track at 2.03 and a crowd of the loudest effects: the limiter holds
    // every sample under full scale, and the mix stays as loud as it may.
    platform::AudioOutput loud(platform::AudioMode::Manual);
    for (int copy = 0; copy < 2; ++copy)
    {
        const int index = loud.OpenStream(path);
        loud.SetVolume(index, 2.03f);
        loud.Stream(index).SetPaused(false);
    }
    for (const geometry::SoundEffect effect :
         {geometry::SoundEffect::Blast, geometry::SoundEffect::MachineStarts})
    {
        const int index = loud.LoadEffect(SoundEffectPath(geometry::SoundEffectRow(effect), 0));
        ASSERT_GE(index, 0) << platform::LastError();
        for (int i = 0; i < 8; ++i)
        {
            loud.PlayEffect(index);
        }
    }
    const std::vector<float> mix = Mixed(loud, 3 * frames);
    EXPECT_LE(Peak(mix), platform::Limiter::ourCeiling * 1.00001f);
    EXPECT_GE(Peak(mix), platform::Limiter::ourCeiling * 0.99f);
}

// The mix as the player hears it, at the volumes of the settings: full volume as the files
// are, 0 silent, and in between 0.3 dB for every per cent below 100.
TEST(SoundMix, TheMixedLevelFollowsTheVolumesOfTheSettings)
{
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    const int frames = ourRate / 2;
    const size_t ramp = platform::GainRamp::ourFullSwingFrames;
    const std::vector<float> track = Decoded("aud/the_village_2_finished_v.mp3", frames);
    const geometry::SoundEffectFile& blast = geometry::SoundEffectRow(geometry::SoundEffect::Blast);
    std::vector<float> effect;
    ASSERT_TRUE(platform::DecodeEffect(SoundEffectPath(blast, 0), effect)) << platform::LastError();
    const auto level = [](const std::vector<float>& aSamples, size_t aFrom, size_t aStep)
    {
        double sum = 0.0;
        for (size_t i = aFrom; i < aSamples.size(); i += aStep)
        {
            sum += static_cast<double>(aSamples[i]) * aSamples[i];
        }
        const size_t counted = (aSamples.size() - aFrom) / aStep;
        return std::sqrt(sum / static_cast<double>(counted));
    };
    const auto decibels = [](double aRatio) { return 20.0 * std::log10(aRatio); };
    for (const auto& [music, effects] : {std::pair{100, 40}, {50, 100}, {10, 0}, {0, 70}})
    {
        SCOPED_TRACE(testing::Message() << "music " << music << " %, effects " << effects << " %");
        Settings settings;
        settings.musicVolume = music;
        settings.effectsVolume = effects;
        SoundManager::Create(platform::AudioMode::Manual);
        SoundManager& sound = *SoundManager::Instance();
        sound.SetVolumes(settings.musicVolume, settings.effectsVolume);
        sound.ChangeMusic("Village");
        const std::vector<float> heardMusic = Mixed(sound.GetOutput(), frames);
        sound.StopAll();
        SoundManager::PlayEffect(geometry::SoundEffect::Blast);
        const std::vector<float> heardEffect =
            Mixed(sound.GetOutput(), static_cast<int>(effect.size()));
        SoundManager::Destroy();

        // Past the first ramp from full volume; the effect is mono, on both channels.
        const double musicLevel = level(heardMusic, 2 * ramp, 1) / level(track, 2 * ramp, 1);
        const double effectLevel = level(heardEffect, 0, 2) / level(effect, 0, 1);
        const std::pair<int, double> heard[] = {{music, musicLevel}, {effects, effectLevel}};
        for (const auto& [percent, ratio] : heard)
        {
            if (percent == 0)
            {
                EXPECT_EQ(ratio, 0.0) << "silent";
            }
            else
            {
                EXPECT_NEAR(decibels(ratio), -0.3 * (100 - percent), 0.5) << percent << " %";
            }
        }
    }
}

// A whole game: the title music while the title phase lasts, the scene's track in play.
class GameMusicTest : public HeadlessTest, public FrameObserver
{
protected:
    void OnLogicFrame(const Game& /*aGame*/, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        const SoundManager& sound = *SoundManager::Instance();
        myCurrent = sound.GetCurrent();
        myPlaying.clear();
        for (int index = 0; index < sound.GetTrackCount(); ++index)
        {
            if (sound.IsTrackPlaying(index))
            {
                myPlaying.push_back(index);
            }
        }
    }

    void Run(bool aPlay)
    {
        UseStandInWorld();
        GameOptions options;
        options.myStartInPlay = aPlay;
        options.myFixedStepMs = 2.0f;
        options.myPaced = false;
        options.myObserver = this;
        Game game(hgeCreate(HGE_VERSION), options);
        game.Start();
        while (game.GetSwapCount() < 20 && game.SwapBuffers())
        {
        }
        game.Stop();
    }

    std::string myCurrent = "unset";
    std::vector<int> myPlaying;
};

TEST_F(GameMusicTest, TheTitlePhasePlaysTheTitleTrack)
{
    Run(false);
    EXPECT_EQ(myCurrent, "");
    EXPECT_EQ(myPlaying, std::vector<int>{StartScreen});
}

TEST_F(GameMusicTest, PlayStartsInTheTimeMachineWithItsTrack)
{
    Run(true);
    EXPECT_EQ(myCurrent, "Machine");
    EXPECT_EQ(myPlaying, std::vector<int>{Machine});
}
}  // namespace
