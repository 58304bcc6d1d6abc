#pragma once
// The world position of the screen's top-left corner. Everything in a scene is drawn at its
// world position minus the camera.
#include "vector2.h"

class Camera
{
public:
    // Centres the 1024 x 768 view on a heroine standing at aTarget.
    void Focus(const Vector2<float>& aTarget);
    // Keeps the view inside a map of the given size; a map smaller than the screen keeps its
    // right or bottom edge at the screen edge.
    void Clamp(int aMapWidth, int aMapHeight);
    // Shifts the view by a world offset.
    void Move(const Vector2<float>& aOffset) { myPosition += aOffset; }

    const Vector2<float>& GetPosition() const { return myPosition; }
    void SetPosition(const Vector2<float>& aPosition) { myPosition = aPosition; }

private:
    Vector2<float> myPosition;
};
