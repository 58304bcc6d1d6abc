#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <unistd.h>

#include "timer/orvsystemtimer.h"
#include "timer/timer.h"
#include "timer/timermanager.h"

namespace
{
// master -> game -> frame, and master -> other, as the game and a sibling use them.
struct TimerTree
{
    TimerTree()
    {
        master = manager.GetMasterTimer();
        game = manager.CreateTimer();
        frame = manager.CreateTimer();
        other = manager.CreateTimer();
        master->AddChild(game);
        game->AddChild(frame);
        master->AddChild(other);
    }
    TimerManager manager;
    Tools::Timer* master;
    Tools::Timer* game;
    Tools::Timer* frame;
    Tools::Timer* other;
};
}  // namespace

TEST(Timer, APausedTimerFreezesItsSubtreeAndResumingDoesNotCatchUp)
{
    TimerTree tree;
    tree.master->Update(Duration(0.010));
    tree.game->Pause();
    tree.master->Update(Duration(0.020));
    EXPECT_FLOAT_EQ(tree.game->GetTotal().InMilliseconds(), 10.0f);
    EXPECT_FLOAT_EQ(tree.frame->GetTotal().InMilliseconds(), 10.0f);
    EXPECT_FLOAT_EQ(tree.other->GetTotal().InMilliseconds(), 30.0f);

    tree.game->Resume();
    tree.master->Update(Duration(0.005));
    EXPECT_FLOAT_EQ(tree.frame->GetTotal().InMilliseconds(), 15.0f);
    EXPECT_FLOAT_EQ(tree.frame->GetDelta().InMilliseconds(), 15.0f);

    tree.game->TogglePause();
    EXPECT_TRUE(tree.game->IsPaused());
}

TEST(Timer, GetDeltaGivesTheTimeSinceThePreviousReadAndThenZero)
{
    TimerTree tree;
    tree.master->Update(Duration(0.002));
    tree.master->Update(Duration(0.003));
    EXPECT_FLOAT_EQ(tree.frame->GetDelta().InMilliseconds(), 5.0f);
    EXPECT_FLOAT_EQ(tree.frame->GetDelta().InMilliseconds(), 0.0f);
    tree.master->Update(Duration(0.0015));
    EXPECT_FLOAT_EQ(tree.frame->GetDelta().InMilliseconds(), 1.5f);
}

TEST(Timer, DurationConversions)
{
    const Duration day(int64_t{86400});
    EXPECT_FLOAT_EQ(day.InDays(), 1.0f);
    EXPECT_FLOAT_EQ(day.InHours(), 24.0f);
    EXPECT_FLOAT_EQ(Duration(int32_t{90}).InMinutes(), 1.5f);
    EXPECT_FLOAT_EQ(Duration(0.25).InMilliseconds(), 250.0f);
}

TEST(TimerManager, FeedsTheWallClockTimeOrAFixedStep)
{
    TimerTree tree;
    tree.manager.Update();
    tree.frame->GetDelta();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    tree.manager.Update();
    const float measured = tree.frame->GetDelta().InMilliseconds();
    EXPECT_GE(measured, 20.0f);
    EXPECT_LT(measured, 1000.0f);

    tree.manager.SetFixedStep(Duration(0.004));
    tree.manager.Update();
    tree.manager.Update();
    EXPECT_FLOAT_EQ(tree.frame->GetDelta().InMilliseconds(), 8.0f);
}

TEST(TimerManager, HandsOutTimersThatNeverMove)
{
    TimerManager manager;
    Tools::Timer* first = manager.CreateTimer();
    for (int i = 0; i < 100; ++i)
    {
        manager.CreateTimer();
    }
    manager.GetMasterTimer()->AddChild(first);
    manager.SetFixedStep(Duration(0.001));
    manager.Update();
    EXPECT_FLOAT_EQ(first->GetTotal().InMilliseconds(), 1.0f);
}

TEST(TimerDeathTest, ASystemTimerWithoutMasterEndsTheProgram)
{
    OrvSystemTimer timer;
    EXPECT_EXIT(timer.Update(), testing::ExitedWithCode(1), "timer/orvsystemtimer");
    // The error line goes to standard output before the check ends the program; the death
    // test sees only standard error, so the child sends one to the other.
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            timer.Update();
        },
        testing::ExitedWithCode(1), "ORVSYSTEMTIMER ERROR: Update called without a MasterTimer\\.");
}

TEST(TimerDeathTest, TheTenThousandAndFirstTimerEndsTheProgram)
{
    // Growing the store would move every timer and leave the handed-out pointers dangling.
    TimerManager manager;
    for (int i = 1; i < TimerManager::ourMaxTimers; ++i)
    {
        manager.CreateTimer();
    }
    EXPECT_EXIT(manager.CreateTimer(), testing::ExitedWithCode(1), "no room for another timer");
}
