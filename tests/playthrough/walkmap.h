#pragma once
// How the heroine can walk in a scene, worked out the way the game moves her: 0.2 px a frame
// along one axis at a time, allowed only where all four points of her foot patch are free. A
// path search over a grid of such moves finds a way to a goal.
#include <functional>
#include <vector>

#include "collisionmap.h"
#include "vector2.h"

using V = Vector2<float>;

class WalkMap
{
public:
    // A copy of aMap's cells, for a heroine whose frame is aFrameWidth x aFrameHeight.
    WalkMap(const CollisionMap& aMap, float aFrameWidth, float aFrameHeight);

    // The game's rule: all four points of her foot patch are free at aPosition.
    bool CanStand(const V& aPosition) const;
    // Every 0.2 px step from aFrom along one axis to aTo can be stood on.
    bool CanWalk(const V& aFrom, const V& aTo) const;

    // Corners of a way from aStart to a position where aGoal holds, moving aStep px along one
    // axis at a time and never standing where aAvoid holds; empty when there is none (the
    // first corner is aStart itself).
    std::vector<V> FindWay(const V& aStart, const std::function<bool(const V&)>& aGoal,
                           const std::function<bool(const V&)>& aAvoid, float aStep = 4.0f) const;

private:
    bool IsFree(const V& aPoint) const;

    std::vector<bool> myFree;
    int myWidth = 0;
    int myHeight = 0;
    float myFrameWidth;
    float myFrameHeight;
};
