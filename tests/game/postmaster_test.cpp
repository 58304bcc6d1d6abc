#include <gtest/gtest.h>

#include "eventsingelton.h"

TEST(PostMaster, CreateGivesAllFlagsClearAndDestroyForgetsIt)
{
    PostMaster::Create();
    PostMaster* flags = PostMaster::GetInstance();
    EXPECT_FALSE(flags->paused || flags->quitRequested || flags->openingFinished ||
                 flags->conversationRunning || flags->inventoryOpen || flags->notepadOpen ||
                 flags->raftMade || flags->robotActivated);
    flags->quitRequested = true;
    PostMaster::Destroy();
    PostMaster::Destroy();  // safe without an instance
    PostMaster::Create();
    EXPECT_FALSE(PostMaster::GetInstance()->quitRequested);
    PostMaster::Destroy();
}

TEST(PostMasterDeathTest, UseWithoutAnInstanceOrASecondCreateEndsTheProgram)
{
    EXPECT_EXIT(PostMaster::GetInstance(), testing::ExitedWithCode(1),
                "ourInstance has not been initialized.*eventsingelton");
    PostMaster::Create();
    EXPECT_EXIT(PostMaster::Create(), testing::ExitedWithCode(1), "already been created");
    PostMaster::Destroy();
}
