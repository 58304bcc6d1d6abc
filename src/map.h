#pragma once
// A scene's floor layer, drawn under the characters; its first picture is the scene and sets
// the scene's size. (What stands up from it is the scene's Foreground.)
#include <vector>

#include "renderdata.h"
#include "staticsprite.h"

class Map
{
public:
    void AddFloorTile(StaticSprite aSprite, const Vector2<float>& aPosition);

    // Each picture at its world position minus the camera, in the order added.
    void SubmitFloor(RenderData& aBuffer, const Vector2<float>& aCamera) const;

    // The size of the first floor picture; asking an empty map ends the program.
    int GetMapWidth() const;
    int GetMapHeight() const;

private:
    std::vector<StaticSprite> myFloor;
    std::vector<Vector2<float>> myFloorPositions;
};
