#pragma once
// The heroine's footsteps: one sounds each time a foot comes down in her walk, on the ground
// under her feet (the scene's collision bitmap says what it is). The steps keep the walk
// animation's own time: it runs while she shows a walking sheet and gets somewhere, it holds
// while she is stopped (a wall, an open bag, a conversation) and starts again from the first
// frame once she stands.
#include "collisionmap.h"
#include "player.h"

class Footsteps
{
public:
    // Once per logic frame of play, after she has moved: aElapsedMs of game time passed.
    void Follow(const Player& aPlayer, const CollisionMap& aMap, float aElapsedMs);

private:
    float myWalkMs = 0.0f;  // how far into the walk cycle she is
    Vector2<float> myLastPosition;
};
