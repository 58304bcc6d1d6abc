#pragma once
// The heroine: walks with W A S D over the current scene, kept out of walls by the scene's
// collision map, pushing the camera when she nears the screen edges. One object for the whole
// run; every scene works with it.
#include "animationbase.h"
#include "camera.h"
#include "collisionmap.h"
#include "inputwrapper/inputwrapper.h"
#include "renderdata.h"

class Player
{
public:
    // Her walk: each walking sheet has sixteen frames of 50 ms, and her feet come down as the
    // drawing swings one leg furthest forward, at frames 4 and 12.
    static constexpr int ourWalkFrames = 16;
    static constexpr float ourWalkMsPerFrame = 50.0f;
    static constexpr int ourFootDownFrames[2] = {4, 12};

    Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Loads the sixteen sheets and places her at aStart (world pixels, top-left of her frame).
    void Init(HGE* aHGE, const Vector2<float>& aStart, const Camera& aCamera);

    // One movement step from the held keys: each axis tested and moved on its own.
    void Update(InputWrapper& aInput, Camera& aCamera, CollisionMap aMap);
    // Screen position from the (clamped) camera; her animation pauses while an overlay screen,
    // a conversation or the quit menu is up.
    void UpdateScreen(float aElapsed, Camera aCamera);
    void Submit(RenderData& aBuffer);

    const Vector2<float>& GetWorldPosition() const { return myWorldPosition; }
    // The screen position follows at the next UpdateScreen.
    void SetWorldPosition(const Vector2<float>& aPosition) { myWorldPosition = aPosition; }
    const Vector2<float>& GetScreenPosition() const { return myScreenPosition; }
    // Width of one frame of her sheets.
    float GetFrameWidth() const { return myAnimations.GetWidth(); }
    int GetAnimationIndex() const { return myAnimationIndex; }
    // Whether she shows one of her walking sheets (not whether she gets anywhere).
    bool IsWalking() const { return myAnimationIndex % 2 == 1; }
    // Shows sheet aIndex (0 to 15): the way she faces, standing or walking.
    void Face(int aIndex);
    const AnimationBase& GetAnimation() const { return myAnimations; }
    // Whether her frame at aPosition has all four points of its foot patch on free ground.
    bool CanStandAt(const Vector2<float>& aPosition, const CollisionMap& aMap) const;

    // Hold her animation still, and let it go again (conversations use these).
    void PauseAnimation() { myAnimations.Pause(); }
    void ResumeAnimation() { myAnimations.Unpause(); }

private:
    // Tries one step by aStep; the camera follows when her new screen position passes a margin.
    void Step(const Vector2<float>& aStep, Camera& aCamera, const CollisionMap& aMap);

    int myAnimationIndex = 5;
    AnimationBase myAnimations{nullptr};
    Vector2<float> myWorldPosition;
    Vector2<float> myScreenPosition;
    float mySpeed = 0.0f;
};
