#include "game.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "catchupclock.h"
#include "eventsingelton.h"
#include "framepacer.h"
#include "runtimefixtures.h"
#include "staticsprite.h"

namespace
{
// Runs on the logic thread; the test reads what it recorded only after the workers joined.
class RecordingObserver : public FrameObserver
{
public:
    struct Frame
    {
        float updateMs;
        float bufferMs;
    };

    void OnLogicFrame(const Game& /*aGame*/, RenderData& aBuffer, float aUpdateMs) override
    {
        myFrames.push_back(Frame{aUpdateMs, aBuffer.GetElapsed()});
        const int number = static_cast<int>(myFrames.size());
        if (mySprite != nullptr)
        {
            aBuffer.SubmitSprite(*mySprite, Vector2<float>(7.0f, 9.0f));
        }
        if (number == myPauseAt)
        {
            PostMaster::GetInstance()->paused = true;
        }
        if (number == myQuitAt)
        {
            PostMaster::GetInstance()->quitRequested = true;
        }
    }

    const StaticSprite* mySprite = nullptr;
    int myPauseAt = -1;
    int myQuitAt = -1;
    std::vector<Frame> myFrames;
};

// Threads of this process running a game worker.
int WorkerCount()
{
    int count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
    {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        count += name == "marrowen-logic" || name == "marrowen-render" ? 1 : 0;
    }
    return count;
}

// Swaps until aSwaps swaps were made or the game ends; the swaps made.
uint64_t RunSwaps(Game& aGame, uint64_t aSwaps)
{
    while (aGame.GetSwapCount() < aSwaps && aGame.SwapBuffers())
    {
    }
    return aGame.GetSwapCount();
}
}  // namespace

class GameTest : public HeadlessTest
{
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        UseStandInWorld();
    }

    GameOptions Options(bool aPaced = false)
    {
        GameOptions options;
        options.myFixedStepMs = 2.5f;
        options.myPaced = aPaced;
        options.myObserver = &myObserver;
        return options;
    }

    // The frame the engine presented last, after the game's workers ended.
    platform::PresentedFrame Presented()
    {
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        return frame;
    }

    RecordingObserver myObserver;
};

TEST_F(GameTest, TheFirstPresentedFrameIsEmptyAndTheFirstPictureFollowsOneSwapLater)
{
    StaticSprite sprite(myHGE, Picture("marker.dds", 4, 4));
    myObserver.mySprite = &sprite;
    {
        Game game(hgeCreate(HGE_VERSION), Options());
        game.Start();
        EXPECT_EQ(RunSwaps(game, 1), 1u);
        game.Stop();
        EXPECT_EQ(myObserver.myFrames.size(), 1u);  // the logic frame ran, into buffer 0
        const platform::PresentedFrame first = Presented();
        EXPECT_EQ(first.myNumber, 1u);
        EXPECT_EQ(first.myClearColor, 0u);
        EXPECT_TRUE(first.myQuads.empty());
    }
    {
        myObserver.myFrames.clear();
        Game game(hgeCreate(HGE_VERSION), Options());
        game.Start();
        RunSwaps(game, 2);
        game.Stop();
        // The marker is submitted before the world's own drawing, so it comes first.
        const platform::PresentedFrame second = Presented();
        ASSERT_FALSE(second.myQuads.empty());
        EXPECT_EQ(second.myQuads[0].tex, sprite.GetTexture());
        EXPECT_FLOAT_EQ(second.myQuads[0].v[0].x, 7.0f);
        EXPECT_FLOAT_EQ(second.myQuads[0].v[0].y, 9.0f);
    }
}

TEST_F(GameTest, WhilePausedUpdateGetsNoTimeButTheBufferKeepsTheTrueElapsedTime)
{
    myObserver.myPauseAt = 3;
    {
        Game game(hgeCreate(HGE_VERSION), Options());
        game.Start();
        RunSwaps(game, 8);
        game.Stop();
    }
    ASSERT_EQ(myObserver.myFrames.size(), 8u);
    for (size_t i = 1; i < myObserver.myFrames.size(); ++i)
    {
        const RecordingObserver::Frame& frame = myObserver.myFrames[i];
        EXPECT_FLOAT_EQ(frame.bufferMs, 2.5f) << i;  // one fixed step per swap
        EXPECT_FLOAT_EQ(frame.updateMs, i < 3 ? 2.5f : 0.0f) << i;
    }
}

TEST_F(GameTest, TheQuitRequestEndsTheRunWithinOnePassAndBothWorkersAreJoined)
{
    myObserver.myQuitAt = 5;
    {
        Game game(hgeCreate(HGE_VERSION), Options());
        EXPECT_EQ(WorkerCount(), 0);  // a game set up but not started runs no thread
        game.Start();
        EXPECT_EQ(WorkerCount(), 2);
        const auto start = std::chrono::steady_clock::now();
        while (game.SwapBuffers())
        {
            ASSERT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        }
        // No swap started a frame after the one that asked to quit.
        EXPECT_EQ(game.GetSwapCount(), 5u);
        EXPECT_FALSE(game.SwapBuffers());
    }
    // The destructor joined both (a thread left unjoined would have ended the program).
    EXPECT_EQ(WorkerCount(), 0);
    EXPECT_EQ(myObserver.myFrames.size(), 5u);
}

TEST_F(GameTest, StoppingFromTheMainThreadJoinsBothWorkersQuickly)
{
    std::chrono::steady_clock::time_point start;
    {
        Game game(hgeCreate(HGE_VERSION), Options(true));
        game.Start();
        RunSwaps(game, 20);
        start = std::chrono::steady_clock::now();
        game.Stop();
        EXPECT_EQ(WorkerCount(), 0);
        EXPECT_FALSE(game.SwapBuffers());
        game.Stop();
    }
    // The window-closed path: stopping and tearing the whole game down.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(GameTest, SwapsComeAtMostEveryTwoMilliseconds)
{
    Game game(hgeCreate(HGE_VERSION), Options(true));
    game.Start();
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(300))
    {
        game.SwapBuffers();
    }
    const double elapsedMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    game.Stop();
    EXPECT_LE(static_cast<double>(game.GetSwapCount()), elapsedMs / 2.0 + 1.0);
    EXPECT_GE(game.GetSwapCount(), 10u);
}

TEST(GameHandshake, AnEndingPassRaisesTheQuitFlagAndNeverReportsItsFrameDone)
{
    std::atomic<bool> quit{false};
    std::atomic<bool> done{false};
    EXPECT_TRUE(Game::FinishLogicPass(false, false, quit, done));  // an idle pass
    EXPECT_FALSE(done.load());
    EXPECT_TRUE(Game::FinishLogicPass(false, true, quit, done));
    EXPECT_TRUE(done.load());
    EXPECT_FALSE(quit.load());

    // The main thread swaps only on done flags: the frame that asked to end leaves it clear.
    done.store(false);
    EXPECT_FALSE(Game::FinishLogicPass(true, true, quit, done));
    EXPECT_TRUE(quit.load());
    EXPECT_FALSE(done.load());
}

TEST(GameDeathTest, WithoutAWindowTheGameEndsWithOneLineAndStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
            hgeSelectBackend(HGE_BACKEND_WINDOW);
            Game game(hgeCreate(HGE_VERSION));
            game.Start();
        },
        testing::ExitedWithCode(1), "^Marrowen: no window: .*could not be opened\\)\n$");
}

TEST(FramePacer, SmallDelaysAreMadeUpButAStallRestartsTheSchedule)
{
    constexpr int64_t ms = 1000000;
    FramePacer pacer(2 * ms);
    EXPECT_TRUE(pacer.IsDueAt(0));  // the first swap is due at once
    pacer.MarkSwapAt(100 * ms);
    EXPECT_FALSE(pacer.IsDueAt(101 * ms));
    EXPECT_TRUE(pacer.IsDueAt(102 * ms));
    pacer.MarkSwapAt(102 * ms);  // on time: the next deadline is at 104 ms

    // Up to five periods late: the next deadline stays on the old schedule, already due.
    pacer.MarkSwapAt(114 * ms);
    EXPECT_TRUE(pacer.IsDueAt(114 * ms));
    EXPECT_FALSE(pacer.IsDueAt(105 * ms));

    // A stall of more than five periods: a new schedule from then, not the missed deadlines
    // one after another.
    pacer.MarkSwapAt(200 * ms);
    EXPECT_FALSE(pacer.IsDueAt(201 * ms));
    EXPECT_TRUE(pacer.IsDueAt(202 * ms));
}

TEST(FramePacer, WaitingReachesTheDeadline)
{
    FramePacer pacer(2000000);
    pacer.MarkSwap();
    pacer.WaitForDeadline();
    EXPECT_TRUE(pacer.IsDue());
}

TEST(CatchUpClock, AFallingBehindPictureGetsTheFramesRealTimeCallsFor)
{
    constexpr int64_t ms = 1000000;
    CatchUpClock clock(2 * ms, 10);
    EXPECT_EQ(1, clock.FramesDue(1000 * ms));  // the first buffer: one frame
    // A picture that keeps up: one frame a buffer, even when a buffer comes a little early.
    EXPECT_EQ(1, clock.FramesDue(1002 * ms));
    EXPECT_EQ(1, clock.FramesDue(1003 * ms));
    // Every 2 ms of real time counts once: a second of 60 pictures gets 500 frames, about 8
    // a picture.
    int frames = 0;
    for (int picture = 1; picture <= 60; ++picture)
    {
        const int due = clock.FramesDue(1003 * ms + int64_t{picture} * 1000 * ms / 60);
        EXPECT_GE(due, 7);
        EXPECT_LE(due, 9);
        frames += due;
    }
    EXPECT_NEAR(500, frames, 1);
    // A stall: ten frames at most, and the rest of the lost time is let go.
    const int64_t afterStall = 3003 * ms;
    EXPECT_EQ(10, clock.FramesDue(afterStall));
    EXPECT_EQ(1, clock.FramesDue(afterStall + 2 * ms));
}
