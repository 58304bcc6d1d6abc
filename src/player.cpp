#include "player.h"

#include "eventsingelton.h"
#include "heroineframe.h"

namespace
{
// Sheet indices: 2k stands and 2k + 1 walks in direction k, clockwise from up.
constexpr int ourWalkUp = 1;
constexpr int ourWalkUpRight = 3;
constexpr int ourWalkRight = 5;
constexpr int ourWalkDownRight = 7;
constexpr int ourWalkDown = 9;
constexpr int ourWalkDownLeft = 11;
constexpr int ourWalkLeft = 13;
constexpr int ourWalkUpLeft = 15;

const char* const ourSheets[16] = {
    "img/animation/HeroineAni/h_stand_up.dds",
    "img/animation/HeroineAni/h_walk_up.dds",
    "img/animation/HeroineAni/h_stand_up_right.dds",
    "img/animation/HeroineAni/h_walk_right_up.dds",
    "img/animation/HeroineAni/h_stand_right.dds",
    "img/animation/HeroineAni/h_walk_right.dds",
    "img/animation/HeroineAni/h_stand_down_right.dds",
    "img/animation/HeroineAni/h_walk_right_down.dds",
    "img/animation/HeroineAni/h_stand_down.dds",
    "img/animation/HeroineAni/h_walk_down.dds",
    "img/animation/HeroineAni/h_stand_down_left.dds",
    "img/animation/HeroineAni/h_walk_left_down.dds",
    "img/animation/HeroineAni/h_stand_left.dds",
    "img/animation/HeroineAni/h_walk_left.dds",
    "img/animation/HeroineAni/h_stand_up_left.dds",
    "img/animation/HeroineAni/h_walk_left_up.dds",
};
constexpr float ourStandMsPerFrame = 0.01f;

// The dead zone of the screen: the camera follows once she steps beyond these lines.
constexpr float ourMarginTop = 306.0f;
constexpr float ourMarginBottom = 459.0f;
constexpr float ourMarginLeft = 408.0f;
constexpr float ourMarginRight = 612.0f;
}  // namespace

Player::Player() = default;

void Player::Init(HGE* aHGE, const Vector2<float>& aStart, const Camera& aCamera)
{
    myAnimations = AnimationBase(aHGE);
    myWorldPosition = aStart;
    myScreenPosition = Vector2<float>();
    myAnimationIndex = ourWalkRight;
    for (int i = 0; i < 16; ++i)
    {
        const bool walk = (i % 2) == 1;
        myAnimations.AddSheet(ourSheets[i], walk ? ourWalkFrames : 1,
                              walk ? ourWalkMsPerFrame : ourStandMsPerFrame);
    }
    myAnimations.Init();
    myAnimations.SetAnimation(myAnimationIndex);
    myScreenPosition = myWorldPosition - aCamera.GetPosition();
    mySpeed = 0.2f;
    myAnimations.SetPosition(myScreenPosition);
}

void Player::Update(InputWrapper& aInput, Camera& aCamera, CollisionMap aMap)
{
    if (aInput.Held(Action::WalkUp))
    {
        myAnimationIndex = ourWalkUp;
        Step(Vector2<float>(0, -mySpeed), aCamera, aMap);
    }
    else if (aInput.Held(Action::WalkDown))
    {
        myAnimationIndex = ourWalkDown;
        Step(Vector2<float>(0, mySpeed), aCamera, aMap);
    }

    if (aInput.Held(Action::WalkLeft))
    {
        myAnimationIndex = ourWalkLeft;
        Step(Vector2<float>(-mySpeed, 0), aCamera, aMap);
    }
    else if (aInput.Held(Action::WalkRight))
    {
        myAnimationIndex = ourWalkRight;
        Step(Vector2<float>(mySpeed, 0), aCamera, aMap);
    }

    // Later pairs override earlier ones.
    if (aInput.Held(Action::WalkUp) && aInput.Held(Action::WalkRight))
    {
        myAnimationIndex = ourWalkUpRight;
    }
    if (aInput.Held(Action::WalkRight) && aInput.Held(Action::WalkDown))
    {
        myAnimationIndex = ourWalkDownRight;
    }
    if (aInput.Held(Action::WalkLeft) && aInput.Held(Action::WalkDown))
    {
        myAnimationIndex = ourWalkDownLeft;
    }
    if (aInput.Held(Action::WalkLeft) && aInput.Held(Action::WalkUp))
    {
        myAnimationIndex = ourWalkUpLeft;
    }

    // Standing: the stand sheet of the direction she last walked.
    if (aInput.NoKeyDown() && IsWalking())
    {
        myAnimationIndex -= 1;
    }
    myAnimations.SetAnimation(myAnimationIndex);
}

void Player::Step(const Vector2<float>& aStep, Camera& aCamera, const CollisionMap& aMap)
{
    const Vector2<float> test = myWorldPosition + aStep;
    if (!CanStandAt(test, aMap))
    {
        return;
    }
    myWorldPosition = test;
    const Vector2<float> onScreen = test - aCamera.GetPosition();
    const bool pastMargin = (aStep.y < 0 && onScreen.y <= ourMarginTop) ||
                            (aStep.y > 0 && onScreen.y >= ourMarginBottom) ||
                            (aStep.x < 0 && onScreen.x <= ourMarginLeft) ||
                            (aStep.x > 0 && onScreen.x >= ourMarginRight);
    if (pastMargin)
    {
        aCamera.Move(aStep);
    }
}

void Player::Face(int aIndex)
{
    myAnimationIndex = aIndex;
    myAnimations.SetAnimation(myAnimationIndex);
}

bool Player::CanStandAt(const Vector2<float>& aPosition, const CollisionMap& aMap) const
{
    // The corners of her foot patch, from her frame's bottom-right corner.
    const float right = aPosition.x + myAnimations.GetWidth();
    const float bottom = aPosition.y + myAnimations.GetHeight();
    const float patchRight = right - geometry::ourPatchRightInset;
    const float patchLeft = right - geometry::ourPatchLeftInset;
    const float patchBottom = bottom - geometry::ourPatchBottomInset;
    const float patchTop = bottom - geometry::ourPatchTopInset;
    const Vector2<float> points[4] = {
        Vector2<float>(patchRight, patchBottom),
        Vector2<float>(patchLeft, patchBottom),
        Vector2<float>(patchRight, patchTop),
        Vector2<float>(patchLeft, patchTop),
    };
    for (const Vector2<float>& point : points)
    {
        if (!aMap.IsFree(point))
        {
            return false;
        }
    }
    return true;
}

void Player::UpdateScreen(float /*aElapsed*/, Camera aCamera)
{
    myScreenPosition = myWorldPosition - aCamera.GetPosition();
    myAnimations.SetPosition(myScreenPosition);
    const PostMaster& flags = *PostMaster::GetInstance();
    if (flags.notepadOpen || flags.inventoryOpen || flags.conversationRunning || flags.paused)
    {
        myAnimations.Pause();
    }
    else
    {
        myAnimations.Unpause();
    }
}

void Player::Submit(RenderData& aBuffer)
{
    aBuffer.SubmitAnimation(myAnimations, myScreenPosition);
}
