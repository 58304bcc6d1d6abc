#pragma once
// A scene's pictures: the floor layer drawn under the characters (its first picture is the
// scene and sets the scene's size) and the overlay layer drawn over them.
#include <vector>

#include "renderdata.h"
#include "staticsprite.h"

class Map
{
public:
    void AddFloorTile(StaticSprite aSprite, const Vector2<float>& aPosition);
    void AddOverlayTile(StaticSprite aSprite, const Vector2<float>& aPosition);

    // Each picture at its world position minus the camera, in the order added.
    void SubmitFloor(RenderData& aBuffer, const Vector2<float>& aCamera) const;
    void SubmitOverlay(RenderData& aBuffer, const Vector2<float>& aCamera) const;

    // The size of the first floor picture; asking an empty map ends the program.
    int GetMapWidth() const;
    int GetMapHeight() const;

private:
    static void Submit(RenderData& aBuffer, const std::vector<StaticSprite>& aSprites,
                       const std::vector<Vector2<float>>& aPositions,
                       const Vector2<float>& aCamera);

    std::vector<StaticSprite> myFloor;
    std::vector<Vector2<float>> myFloorPositions;
    std::vector<StaticSprite> myOverlay;
    std::vector<Vector2<float>> myOverlayPositions;
};
