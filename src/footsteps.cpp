#include "footsteps.h"

#include <cmath>

#include "feetpoint.h"
#include "soundmanager.h"

namespace
{
using geometry::Ground;
using geometry::SoundEffect;

constexpr float ourCycleMs = Player::ourWalkFrames * Player::ourWalkMsPerFrame;

SoundEffect StepOn(Ground aGround)
{
    switch (aGround)
    {
        case Ground::Sand:
            return SoundEffect::StepSand;
        case Ground::Stone:
            return SoundEffect::StepStone;
        case Ground::Metal:
            return SoundEffect::StepMetal;
        case Ground::Grass:
            break;
    }
    return SoundEffect::StepGrass;
}
}  // namespace

void Footsteps::Follow(const Player& aPlayer, const CollisionMap& aMap, float aElapsedMs)
{
    const Vector2<float> position = aPlayer.GetWorldPosition();
    const bool moved = position != myLastPosition;
    myLastPosition = position;
    if (!aPlayer.IsWalking())
    {
        myWalkMs = 0.0f;
        return;
    }
    if (!moved)
    {
        return;
    }
    const float before = myWalkMs;
    const float after = before + aElapsedMs;
    myWalkMs = std::fmod(after, ourCycleMs);
    for (int frame : Player::ourFootDownFrames)
    {
        // A frame shows once its predecessor's time is up: frame k from (k + 1) x 50 ms on.
        const float down = static_cast<float>(frame + 1) * Player::ourWalkMsPerFrame;
        if ((before < down && down <= after) ||
            (before < down + ourCycleMs && down + ourCycleMs <= after))
        {
            const Vector2<float> feet = FeetPoint(position, aPlayer.GetFrameWidth());
            SoundManager::PlayEffect(StepOn(aMap.GroundAt(feet)));
        }
    }
}
