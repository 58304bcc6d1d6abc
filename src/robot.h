#pragma once
// Roderick, the heroine's robot. Switched off until a scene's script switches him on; then he
// follows her, facing one of eight directions, and idles once he has caught up. Every scene
// keeps its own robot; the level switch carries the state over.
#include <array>

#include "animationbase.h"
#include "camera.h"
#include "renderdata.h"
#include "staticsprite.h"

class Robot
{
public:
    Robot();

    // Loads the prompt and the eighteen sheets; switched off, at (480, 880).
    void Init(HGE* aHGE);

    // Screen position, pausing with the overlay screens, and whether the heroine stands within
    // 50 pixels on both axes (strictly).
    void Update(float aElapsed, const Camera& aCamera, const Vector2<float>& aHeroine);
    // Walks towards aTarget while more than 100 pixels away; idles after 100 ms close by.
    void Follow(const Vector2<float>& aTarget, float aElapsed);
    // The robot.
    void Submit(RenderData& aBuffer);
    // The use-key prompt beside him while switched off and the heroine is near; drawn over her.
    void SubmitPrompt(RenderData& aBuffer) const;

    void Activate() { myActivated = true; }
    bool IsActivated() const { return myActivated; }
    bool IsNear() const { return myNear; }
    // Whether a heroine at aHeroine would be near: within 50 pixels on both axes, strictly.
    bool Reaches(const Vector2<float>& aHeroine) const;
    // Stopped, he turns to idle at once.
    void SetFollowing(bool aFollowing);
    const Vector2<float>& GetWorldPosition() const { return myWorldPosition; }
    void SetWorldPosition(const Vector2<float>& aPosition) { myWorldPosition = aPosition; }
    void SetAnimationIndex(int aIndex);
    int GetAnimationIndex() const { return myAnimationIndex; }
    const AnimationBase& GetAnimation() const { return myAnimations; }
    // Cosines of -157.5, -112.5, -67.5 and -22.5 degrees: the limits of the walk sectors.
    const std::array<float, 4>& GetSectorLimits() const { return mySectorLimits; }

    // What a saved game keeps: switched on, where, following, and the sheet he shows.
    struct State
    {
        bool activated = false;
        Vector2<float> position;
        bool following = true;
        int animation = 0;
    };
    State GetState() const;
    void SetState(const State& aState);

    // Takes over everything but the pictures from the robot of another scene.
    void CopyStateFrom(const Robot& aOther);
    // The walk sheet of the sector a unit direction falls in; a direction on a limit belongs
    // to the sector with the higher x.
    void ChooseWalkSheet(const Vector2<float>& aDirection);

private:
    void ToIdle();

    bool myNear = false;
    bool myActivated = false;
    int myAnimationIndex = 0;
    float mySpeed = 0.9f;
    AnimationBase myAnimations{nullptr};
    StaticSprite myPrompt;
    Vector2<float> myWorldPosition = Vector2<float>(480.0f, 880.0f);
    Vector2<float> myScreenPosition;
    std::array<float, 4> mySectorLimits{};
    float myWaitTime = 0.0f;
    bool myFollowing = true;
};
