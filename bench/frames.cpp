// marrowen-frames: the logic thread's work per frame in each scene, while the whole story is
// played (the attract mode's route, headless, fixed step, as fast as it goes), and the peak
// memory at its end. The frames of walking that start a footstep are set beside those of
// walking that start none, the frames that start another sound effect (along with the event
// it goes with: a change of scene, a conversation, ...) beside all others, and the cost of
// starting an effect is measured on its own.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "benchroute.h"
#include "benchstats.h"
#include "game.h"
#include "soundmanager.h"

namespace
{
bool IsFootstep(geometry::SoundEffect aEffect)
{
    return aEffect >= geometry::SoundEffect::StepGrass;
}

// Effects started since the start of the run: footsteps, or the others.
int EffectsStarted(bool aFootsteps)
{
    int started = 0;
    for (const geometry::SoundEffectFile& effect : geometry::ourSoundEffects)
    {
        if (IsFootstep(effect.effect) == aFootsteps)
        {
            started += SoundManager::Instance()->GetPlayCount(effect.effect);
        }
    }
    return started;
}

class FrameTimes : public FrameObserver
{
public:
    void OnLogicFrame(const Game& /*aGame*/, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
    }
    void OnLogicFrameTime(const Game& aGame, int64_t aNanoseconds) override
    {
        const int steps = EffectsStarted(true);
        const int others = EffectsStarted(false);
        const double microseconds = static_cast<double>(aNanoseconds) / 1000.0;
        const Vector2<float> heroine = aGame.GetPlayer().GetWorldPosition();
        const bool walking = aGame.GetPlayer().IsWalking() && heroine != myHeroine;
        if (aGame.GetStartScreen().IsStarted())
        {
            myMicroseconds[aGame.GetCurrentSceneName()].push_back(microseconds);
            std::vector<double>& kind = others != myOthers ? myWithEvent
                                        : steps != mySteps ? myWithStep
                                        : walking          ? myWalking
                                                           : myWithout;
            kind.push_back(microseconds);
        }
        mySteps = steps;
        myOthers = others;
        myHeroine = heroine;
    }

    std::map<std::string, std::vector<double>> myMicroseconds;
    // Frames of play that started a footstep, another effect, or none.
    std::vector<double> myWithStep;
    std::vector<double> myWithEvent;
    std::vector<double> myWalking;  // without an effect
    std::vector<double> myWithout;  // neither walking nor an effect
    int mySteps = 0;
    int myOthers = 0;
    Vector2<float> myHeroine;
};

void Print(const char* aWhat, const std::vector<double>& aMicroseconds)
{
    printf("logic frame us, %s: median %.1f, p99 %.1f (%zu frames)\n", aWhat,
           benchstats::Percentile(aMicroseconds, 0.5), benchstats::Percentile(aMicroseconds, 0.99),
           aMicroseconds.size());
}

// Nanoseconds a footstep takes to start, each in a logic frame of its own (the sound manager's
// own step between them is timed apart and taken off).
double NanosecondsToStartAnEffect()
{
    using Clock = std::chrono::steady_clock;
    constexpr int ourRounds = 20000;
    SoundManager& sound = *SoundManager::Instance();
    const auto timed = [&](bool aStart)
    {
        const Clock::time_point start = Clock::now();
        for (int round = 0; round < ourRounds; ++round)
        {
            if (aStart)
            {
                SoundManager::PlayEffect(geometry::SoundEffect::StepGrass);
            }
            sound.Update();
        }
        return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    };
    const double frames = timed(false);
    return (timed(true) - frames) / ourRounds;
}
}  // namespace

int main()
{
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    HGE* hge = hgeCreate(HGE_VERSION);
    std::vector<InputEvent> events;
    if (!benchroute::Read(hge, "marrowen-frames", events))
    {
        return 1;
    }
    ReplayFeed replay(std::move(events));
    FrameTimes times;
    const GameOptions options = benchroute::Options(replay, times);
    double startNs = 0.0;
    {
        Game game(hge, options);
        game.Start();
        while (game.SwapBuffers())
        {
        }
        game.Stop();
        printf("end picture reached: %s\n", game.GetBillboard().IsShown() ? "yes" : "no");
        printf("sound effects started on the way: %d footsteps, %d others\n", EffectsStarted(true),
               EffectsStarted(false));
        startNs = NanosecondsToStartAnEffect();
    }
    for (const auto& [scene, microseconds] : times.myMicroseconds)
    {
        Print(scene.c_str(), microseconds);
    }
    Print("walking, a footstep started", times.myWithStep);
    Print("walking, no effect started", times.myWalking);
    Print("another effect started, with its event", times.myWithEvent);
    Print("not walking, no effect started", times.myWithout);
    printf("starting a sound effect ns: %.0f\n", startNs);
    printf("peak memory at the end of the story MB: %.0f\n", benchstats::PeakMemoryMb());
    return 0;
}
