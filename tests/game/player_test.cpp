#include "player.h"

#include <gtest/gtest.h>

#include "footsteps.h"
#include "worldfixtures.h"

namespace
{
using namespace worldfixtures;
using V = Vector2<float>;

constexpr char ourMapPath[] = "img/Levels/collision_player.bmp";

// A free 1024 x 1024 world (64 x 64 collision pixels), blocked only in the cells a test names.
class PlayerTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        myCamera.SetPosition(V(100, 100));
    }

    void LoadMap(const std::vector<std::pair<int, int>>& aBlockedCells = {})
    {
        testpictures::Picture picture = testpictures::Filled(64, 64, 0xFFFFFFFF);
        for (const auto& cell : aBlockedCells)
        {
            picture
                .pixels[static_cast<size_t>(cell.second) * 64 + static_cast<size_t>(cell.first)] =
                0xFF000000;
        }
        AddPicture(ourMapPath, picture);
        myMap.Init(16, ourMapPath, Engine());
    }

    void Start(const V& aPosition) { myPlayer.Init(Engine(), aPosition, myCamera); }

    // One logic frame with exactly these keys held.
    void Frame(std::initializer_list<uint8_t> aHeld)
    {
        ReleaseAllKeys();
        for (uint8_t key : aHeld)
        {
            SetKey(key, true);
        }
        ReadInput();
        myPlayer.Update(myInput, myCamera, myMap);
    }

    Camera myCamera;
    CollisionMap myMap;
    Player myPlayer;
};

TEST_F(PlayerTest, StartsOnTheWalkRightSheetWithItsScreenPosition)
{
    LoadMap();
    Start(V(500, 400));
    EXPECT_EQ(5, myPlayer.GetAnimationIndex());
    EXPECT_EQ(V(400, 300), myPlayer.GetScreenPosition());
    EXPECT_EQ(64.0f, myPlayer.GetFrameWidth());
}

TEST_F(PlayerTest, EachKeyStepsOneAxisWithItsWalkSheet)
{
    LoadMap();
    Start(V(500, 400));
    const struct
    {
        uint8_t key;
        V step;
        int sheet;
    } cases[] = {
        {ourKeyW, V(0, -0.2f), 1},
        {ourKeyS, V(0, 0.2f), 9},
        {ourKeyA, V(-0.2f, 0), 13},
        {ourKeyD, V(0.2f, 0), 5},
    };
    for (const auto& c : cases)
    {
        const V before = myPlayer.GetWorldPosition();
        Frame({c.key});
        EXPECT_EQ(before + c.step, myPlayer.GetWorldPosition()) << int(c.key);
        EXPECT_EQ(c.sheet, myPlayer.GetAnimationIndex()) << int(c.key);
    }
}

TEST_F(PlayerTest, UpWinsOverDownAndLeftOverRight)
{
    LoadMap();
    Start(V(500, 400));
    Frame({ourKeyW, ourKeyS});
    EXPECT_EQ(V(500, 400 - 0.2f), myPlayer.GetWorldPosition());
    EXPECT_EQ(1, myPlayer.GetAnimationIndex());

    Start(V(500, 400));
    Frame({ourKeyA, ourKeyD});
    EXPECT_EQ(V(500 - 0.2f, 400), myPlayer.GetWorldPosition());
    EXPECT_EQ(13, myPlayer.GetAnimationIndex());
}

TEST_F(PlayerTest, DiagonalsMoveBothAxesWithTheDiagonalSheets)
{
    LoadMap();
    const struct
    {
        uint8_t first;
        uint8_t second;
        V step;
        int sheet;
    } cases[] = {
        {ourKeyW, ourKeyD, V(0.2f, -0.2f), 3},
        {ourKeyS, ourKeyD, V(0.2f, 0.2f), 7},
        {ourKeyS, ourKeyA, V(-0.2f, 0.2f), 11},
        {ourKeyW, ourKeyA, V(-0.2f, -0.2f), 15},
    };
    for (const auto& c : cases)
    {
        Start(V(500, 400));
        Frame({c.first, c.second});
        EXPECT_EQ(V(500, 400) + c.step, myPlayer.GetWorldPosition()) << c.sheet;
        EXPECT_EQ(c.sheet, myPlayer.GetAnimationIndex());
    }
    // Three keys: W wins over S, and the later pair (A and W) sets the sheet.
    Start(V(500, 400));
    Frame({ourKeyW, ourKeyS, ourKeyA});
    EXPECT_EQ(V(500 - 0.2f, 400 - 0.2f), myPlayer.GetWorldPosition());
    EXPECT_EQ(15, myPlayer.GetAnimationIndex());
}

TEST_F(PlayerTest, ReleasingEveryKeyShowsTheStandSheetOfTheLastDirection)
{
    LoadMap();
    Start(V(500, 400));
    Frame({ourKeyD});
    Frame({});
    EXPECT_EQ(4, myPlayer.GetAnimationIndex());
    Frame({});
    EXPECT_EQ(4, myPlayer.GetAnimationIndex());  // already standing: stays

    Frame({ourKeyW, ourKeyA});
    Frame({});
    EXPECT_EQ(14, myPlayer.GetAnimationIndex());

    // Any other key held keeps the walk sheet playing on the spot.
    Frame({ourKeyW});
    const V position = myPlayer.GetWorldPosition();
    Frame({ourKeyE});
    EXPECT_EQ(1, myPlayer.GetAnimationIndex());
    EXPECT_EQ(position, myPlayer.GetWorldPosition());
    EXPECT_EQ(1, myPlayer.GetAnimation().GetCurrentAnimation());
}

TEST_F(PlayerTest, ThreeFreePointsOutOfFourBlockTheStep)
{
    // Her foot patch is x + 14 .. x + 43 and y + 78 .. y + 100. Cell (10, 10) covers world
    // 160 .. 175.9 on both axes: a step right from x = 116.9 puts only the lower right point
    // (x + 43, y + 100) on it.
    LoadMap({{10, 10}});
    Start(V(116.9f, 70));
    Frame({ourKeyD});
    EXPECT_EQ(V(116.9f, 70), myPlayer.GetWorldPosition());
    EXPECT_EQ(5, myPlayer.GetAnimationIndex());  // the walk sheet plays against the wall

    // The other axis still moves: she slides along the wall.
    Frame({ourKeyW, ourKeyD});
    EXPECT_EQ(V(116.9f, 70 - 0.2f), myPlayer.GetWorldPosition());
    EXPECT_EQ(3, myPlayer.GetAnimationIndex());

    // Walking away is free again.
    Frame({ourKeyA});
    EXPECT_FLOAT_EQ(116.7f, myPlayer.GetWorldPosition().x);
}

TEST_F(PlayerTest, TheEdgeOfTheCollisionMapStopsHer)
{
    LoadMap();
    // Her lowest points are at y + 100: the map ends at 1024.
    Start(V(500, 923.9f));
    Frame({ourKeyS});
    EXPECT_EQ(V(500, 923.9f), myPlayer.GetWorldPosition());
}

TEST_F(PlayerTest, TheCameraFollowsOnlyBeyondTheDeadZoneMargins)
{
    LoadMap();
    // Camera (100, 100): the margins are at world y 406 and 559, x 508 and 712.
    const struct
    {
        V start;
        uint8_t key;
        V cameraStep;
    } cases[] = {
        {V(600, 406.1f), ourKeyW, V(0, -0.2f)}, {V(600, 406.3f), ourKeyW, V(0, 0)},
        {V(600, 558.9f), ourKeyS, V(0, 0.2f)},  {V(600, 558.7f), ourKeyS, V(0, 0)},
        {V(508.1f, 450), ourKeyA, V(-0.2f, 0)}, {V(508.3f, 450), ourKeyA, V(0, 0)},
        {V(711.9f, 450), ourKeyD, V(0.2f, 0)},  {V(711.7f, 450), ourKeyD, V(0, 0)},
    };
    for (const auto& c : cases)
    {
        myCamera.SetPosition(V(100, 100));
        Start(c.start);
        Frame({c.key});
        EXPECT_EQ(V(100, 100) + c.cameraStep, myCamera.GetPosition())
            << c.start.x << ", " << c.start.y;
    }
}

TEST_F(PlayerTest, EachAxisPushesTheCameraAlongItselfOnly)
{
    LoadMap();
    // High on the screen (y 300 <= 306) and far left (x 400 <= 408): a step right must not
    // scroll up, and a step down must not scroll left.
    myCamera.SetPosition(V(100, 100));
    Start(V(500, 400));
    Frame({ourKeyD});
    EXPECT_EQ(V(100, 100), myCamera.GetPosition());
    Frame({ourKeyS});
    EXPECT_EQ(V(100, 100), myCamera.GetPosition());
    // Low and far right (y 460 >= 459, x 613 >= 612): a step up or left scrolls neither.
    Start(V(713, 560));
    Frame({ourKeyW});
    EXPECT_EQ(V(100, 100), myCamera.GetPosition());
    Frame({ourKeyA});
    EXPECT_EQ(V(100, 100), myCamera.GetPosition());
}

TEST_F(PlayerTest, ABlockedStepDoesNotPushTheCamera)
{
    LoadMap({{31, 27}});  // world x 496 .. 511.9, y 432 .. 447.9
    Start(V(460, 406.1f - 64));
    myCamera.SetPosition(V(100, 100 - 64));
    // Lower points at y + 100 = 442.1: the step up keeps them in row 27 and x + 43 = 503 hits.
    Frame({ourKeyW});
    EXPECT_EQ(V(460, 406.1f - 64), myPlayer.GetWorldPosition());
    EXPECT_EQ(V(100, 100 - 64), myCamera.GetPosition());
}

TEST_F(PlayerTest, UpdateScreenFollowsTheCameraAndPausesWithOverlays)
{
    LoadMap();
    Start(V(500, 400));
    myPlayer.UpdateScreen(16.0f, myCamera);
    EXPECT_EQ(V(400, 300), myPlayer.GetScreenPosition());
    EXPECT_FALSE(myPlayer.GetAnimation().IsPaused());

    bool PostMaster::*const flags[] = {&PostMaster::notepadOpen, &PostMaster::inventoryOpen,
                                       &PostMaster::conversationRunning, &PostMaster::paused};
    for (bool PostMaster::*flag : flags)
    {
        PostMaster::GetInstance()->*flag = true;
        myPlayer.UpdateScreen(16.0f, myCamera);
        EXPECT_TRUE(myPlayer.GetAnimation().IsPaused());
        PostMaster::GetInstance()->*flag = false;
        myPlayer.UpdateScreen(16.0f, myCamera);
        EXPECT_FALSE(myPlayer.GetAnimation().IsPaused());
    }
}

// Her footsteps keep the time of her walk (a foot comes down 250 ms into it, then every 400 ms)
// and sound on the ground under her feet: grass left of x = 512, the deck's metal right of it,
// a wall at x = 992.
TEST_F(PlayerTest, FootstepsFollowHerWalkOnTheGroundUnderHerFeet)
{
    testpictures::Picture picture = testpictures::Filled(64, 64, geometry::ourGrassColour);
    for (size_t cell = 0; cell < picture.pixels.size(); ++cell)
    {
        const size_t column = cell % 64;
        picture.pixels[cell] = column == 62   ? 0xFF000000u
                               : column >= 32 ? geometry::ourMetalColour
                                              : geometry::ourGrassColour;
    }
    AddPicture(ourMapPath, picture);
    myMap.Init(16, ourMapPath, Engine());
    Start(V(300, 400));
    const HeardEffects heard;
    Footsteps steps;
    // Logic frames of 2 ms with aHeld, for aMs milliseconds; steps on grass and on metal.
    const auto walk = [&](std::initializer_list<uint8_t> aHeld, int aMs)
    {
        for (int ms = 0; ms < aMs; ms += 2)
        {
            Frame(aHeld);
            steps.Follow(myPlayer, myMap, 2.0f);
            heard.NextFrame();
        }
        return std::pair(heard.Count(geometry::SoundEffect::StepGrass),
                         heard.Count(geometry::SoundEffect::StepMetal));
    };
    // 3.9 s to the right at 100 px/s: her feet pass x = 512 after 1.8 s.
    EXPECT_EQ(walk({ourKeyD}, 3900), std::pair(4, 6));
    EXPECT_EQ(walk({}, 1000), std::pair(4, 6)) << "standing still";
    EXPECT_EQ(walk({ourKeyD}, 200), std::pair(4, 6)) << "a new walk starts from its first frame";
    EXPECT_EQ(walk({ourKeyD}, 100), std::pair(4, 7));
    // Against the wall her legs go on, but she gets nowhere and makes no sound.
    myPlayer.SetWorldPosition(V(940, 400));
    EXPECT_EQ(walk({ourKeyD}, 2000), std::pair(4, 7));
    EXPECT_NEAR(myPlayer.GetWorldPosition().x, 948.8f, 0.01f) << "at the wall";
}
}  // namespace
