#pragma once
// A thing in a scene that reacts when the heroine comes close: a villager to talk to, the raft,
// the raft tree, the magnetic stone, the time machine's engine. It has a picture in the world,
// the use-key prompt drawn above it while she is in range, and a used mark its level keeps.
// The members of the family differ only in data: picture, place, reach and prompt rule.
#include <string>

#include "camera.h"
#include "hge.h"
#include "renderdata.h"
#include "staticsprite.h"

// How far from the thing's world position the heroine's position may lie, each bound strict:
// x - left < heroine.x < x + right, and likewise up and down.
struct Reach
{
    float left;
    float right;
    float up;
    float down;

    // The same half-size on both axes.
    static Reach Box(float aHalfSize) { return Reach{aHalfSize, aHalfSize, aHalfSize, aHalfSize}; }
};

enum class PromptRule
{
    InRange,               // shown whenever she is in range
    InRangeOnceRobotIsOn,  // shown in range once the robot has been switched on
};

class Interactable
{
public:
    // Draws nothing and is never in range: a level's member before the real one is assigned.
    Interactable() = default;
    // Loads aPicture and the prompt; aPosition is the picture's top-left in world pixels.
    Interactable(HGE* aHGE, const std::string& aPicture, const Vector2<float>& aPosition,
                 const Reach& aReach, PromptRule aPrompt = PromptRule::InRange);

    // Screen position from the camera, then the range test against the heroine's position.
    void Update(const Camera& aCamera, const Vector2<float>& aHeroine);
    // The picture.
    void Submit(RenderData& aBuffer) const;
    // The prompt 30 right of and 60 above the picture when the rule allows; drawn over the
    // heroine, so she never hides it.
    void SubmitPrompt(RenderData& aBuffer) const;

    // Gone from the scene for good: nothing is drawn and nothing is in range any more. (The
    // pictures stay where they are: the frame being drawn may still show them.)
    void Vanish() { myPresent = false; }

    bool IsInRange() const { return myInRange; }
    // Whether a heroine at aHeroine would be in range.
    bool Reaches(const Vector2<float>& aHeroine) const;
    // The used mark: the level's note that the thing has been used or commented on.
    void SetUsed(bool aUsed = true) { myUsed = aUsed; }
    bool IsUsed() const { return myUsed; }

    const Vector2<float>& GetWorldPosition() const { return myWorldPosition; }
    void SetWorldPosition(const Vector2<float>& aPosition) { myWorldPosition = aPosition; }

private:
    bool myPresent = false;
    StaticSprite myPicture;
    StaticSprite myPrompt;
    Vector2<float> myWorldPosition;
    Vector2<float> myScreenPosition;
    Reach myReach{0.0f, 0.0f, 0.0f, 0.0f};
    PromptRule myPromptRule = PromptRule::InRange;
    bool myInRange = false;
    bool myUsed = false;
};

// The members of the family with everything built in.
namespace interactables
{
// The village woman, the boy and the native, at their places in the village.
Interactable VillageWoman(HGE* aHGE);
Interactable VillageBoy(HGE* aHGE);
Interactable VillageNative(HGE* aHGE);
// The big tree by the crash site, which the axe makes into logs.
Interactable RaftTree(HGE* aHGE);
// The magnetic rock stuck in the cave wall.
Interactable MagneticStone(HGE* aHGE);
// The time machine's engine: an invisible spot with its own lopsided reach.
Interactable EngineSpot(HGE* aHGE);
}  // namespace interactables
