#include "robot.h"

#include "bounds.h"

#include "eventsingelton.h"

namespace
{
struct Sheet
{
    const char* path;
    int frames;
    float msPerFrame;
};

// Walk sheets have even indices from 2 to 16; the idling sheet of a direction follows its walk.
const Sheet ourSheets[18] = {
    {"img/animation/RobotAni/robot_deactivated/r_deactivated.dds", 1, 1.0f},
    {"img/animation/RobotAni/robot_activate/r_activate.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_walk/r_walk_up.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_idling/r_idling_up.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_walk/r_walk_right_up.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_idling/r_idling_right_up.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_walk/r_walk_right.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_idling/r_idling_right.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_walk/r_walk_right_down.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_idling/r_idling_right_down.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_walk/r_walk_down.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_idling/r_idling_down.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_walk/r_walk_left_down.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_idling/r_idling_left_down.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_walk/r_walk_left.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_idling/r_idling_left.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_walk/r_walk_left_up.dds", 16, 20.0f},
    {"img/animation/RobotAni/robot_idling/r_idling_left_up.dds", 16, 20.0f},
};

constexpr int ourWalkUp = 2;
constexpr int ourWalkRightUp = 4;
constexpr int ourWalkRight = 6;
constexpr int ourWalkRightDown = 8;
constexpr int ourWalkDown = 10;
constexpr int ourWalkLeftDown = 12;
constexpr int ourWalkLeft = 14;
constexpr int ourWalkLeftUp = 16;

constexpr float ourFollowDistance = 100.0f;
constexpr float ourIdleAfterMs = 100.0f;
constexpr float ourNearDistance = 50.0f;

// A 2 x 2 rotation, row-vector convention: [x y] * [[c s] [-s c]].
struct Rotation
{
    float c;
    float s;

    static Rotation ByAngle(float aRadians) { return {std::cos(aRadians), std::sin(aRadians)}; }
    Rotation Then(const Rotation& aNext) const
    {
        return {c * aNext.c - s * aNext.s, c * aNext.s + s * aNext.c};
    }
};

// Rotates (1, 0) to -157.5 degrees and on by 45 degrees three times; the x components are the
// limits, in that order.
std::array<float, 4> SectorLimits()
{
    std::array<float, 4> limits{};
    Rotation rotation = Rotation::ByAngle(-2.74889f);
    const Rotation step = Rotation::ByAngle(0.785398f);
    limits[0] = rotation.c;
    for (int i = 1; i < 4; ++i)
    {
        rotation = rotation.Then(step);
        limits[i] = rotation.c;
    }
    return limits;
}
}  // namespace

Robot::Robot() : mySectorLimits(SectorLimits()) {}

void Robot::Init(HGE* aHGE)
{
    myPrompt = StaticSprite(aHGE, "img/icon/icon_e.dds");
    myActivated = false;
    myFollowing = true;
    myAnimationIndex = 0;
    myAnimations = AnimationBase(aHGE);
    for (const Sheet& sheet : ourSheets)
    {
        myAnimations.AddSheet(sheet.path, sheet.frames, sheet.msPerFrame);
    }
    myAnimations.Init();
    myAnimations.SetAnimation(myAnimationIndex);
    myAnimations.SetPosition(myScreenPosition);
}

void Robot::Update(float /*aElapsed*/, const Camera& aCamera, const Vector2<float>& aHeroine)
{
    myScreenPosition = myWorldPosition - aCamera.GetPosition();
    myAnimations.SetPosition(myScreenPosition);
    const PostMaster& flags = *PostMaster::GetInstance();
    if (flags.notepadOpen || flags.conversationRunning || flags.inventoryOpen || flags.paused)
    {
        myAnimations.Pause();
    }
    else
    {
        myAnimations.Unpause();
    }
    myNear = Reaches(aHeroine);
}

bool Robot::Reaches(const Vector2<float>& aHeroine) const
{
    const Vector2<float> near(ourNearDistance, ourNearDistance);
    return StrictlyInside(myWorldPosition - near, myWorldPosition + near, aHeroine);
}

void Robot::Follow(const Vector2<float>& aTarget, float aElapsed)
{
    if (!myActivated || !myFollowing)
    {
        return;
    }
    Vector2<float> direction = aTarget - myWorldPosition;
    const float distance = direction.Length();
    if (distance > ourFollowDistance)
    {
        direction = direction / distance;
        ChooseWalkSheet(direction);
        direction *= mySpeed * aElapsed;
        myWorldPosition += direction;
        myWaitTime = 0.0f;
    }
    else
    {
        myWaitTime += aElapsed;
        if (myWaitTime > ourIdleAfterMs)
        {
            ToIdle();
        }
    }
}

void Robot::ChooseWalkSheet(const Vector2<float>& aDirection)
{
    // Screen y grows downwards; a direction on a limit belongs to the sector to its right.
    const bool down = aDirection.y >= 0;
    int sheet = ourWalkRight;
    if (aDirection.x < mySectorLimits[0])
    {
        sheet = ourWalkLeft;
    }
    else if (aDirection.x < mySectorLimits[1])
    {
        sheet = down ? ourWalkLeftDown : ourWalkLeftUp;
    }
    else if (aDirection.x < mySectorLimits[2])
    {
        sheet = down ? ourWalkDown : ourWalkUp;
    }
    else if (aDirection.x < mySectorLimits[3])
    {
        sheet = down ? ourWalkRightDown : ourWalkRightUp;
    }
    SetAnimationIndex(sheet);
}

void Robot::ToIdle()
{
    // The switched-off and activate sheets have no idling sheet.
    if (myAnimationIndex > 1 && myAnimationIndex % 2 == 0)
    {
        myAnimationIndex += 1;
    }
    myAnimations.SetAnimation(myAnimationIndex);
}

void Robot::Submit(RenderData& aBuffer)
{
    aBuffer.SubmitAnimation(myAnimations, myScreenPosition);
}

void Robot::SubmitPrompt(RenderData& aBuffer) const
{
    if (!myActivated && myNear)
    {
        aBuffer.SubmitSprite(
            myPrompt, Vector2<float>(myScreenPosition.x + 50.0f, myScreenPosition.y - 50.0f));
    }
}

void Robot::SetFollowing(bool aFollowing)
{
    myFollowing = aFollowing;
    if (!myFollowing)
    {
        ToIdle();
    }
}

Robot::State Robot::GetState() const
{
    return State{myActivated, myWorldPosition, myFollowing, myAnimationIndex};
}

void Robot::SetState(const State& aState)
{
    myActivated = aState.activated;
    myWorldPosition = aState.position;
    myFollowing = aState.following;
    SetAnimationIndex(aState.animation);
}

void Robot::SetAnimationIndex(int aIndex)
{
    myAnimationIndex = aIndex;
    myAnimations.SetAnimation(aIndex);
}

void Robot::CopyStateFrom(const Robot& aOther)
{
    myNear = aOther.myNear;
    myActivated = aOther.myActivated;
    mySpeed = aOther.mySpeed;
    myWorldPosition = aOther.myWorldPosition;
    myScreenPosition = aOther.myScreenPosition;
    myWaitTime = aOther.myWaitTime;
    myFollowing = aOther.myFollowing;
    SetAnimationIndex(aOther.myAnimationIndex);
}
