#include "camera.h"

namespace
{
constexpr float ourScreenWidth = 1024.0f;
constexpr float ourScreenHeight = 768.0f;
// The heroine's frame is not centred exactly: 382 keeps her where the scenes were laid out.
constexpr float ourFocusX = 512.0f;
constexpr float ourFocusY = 382.0f;
}  // namespace

void Camera::Focus(const Vector2<float>& aTarget)
{
    myPosition = Vector2<float>(aTarget.x - ourFocusX, aTarget.y - ourFocusY);
}

void Camera::Clamp(int aMapWidth, int aMapHeight)
{
    if (myPosition.x < 0)
    {
        myPosition.x = 0;
    }
    if (myPosition.y < 0)
    {
        myPosition.y = 0;
    }
    const float width = static_cast<float>(aMapWidth);
    const float height = static_cast<float>(aMapHeight);
    if (width < myPosition.x + ourScreenWidth)
    {
        myPosition.x = width - ourScreenWidth;
    }
    if (height < myPosition.y + ourScreenHeight)
    {
        myPosition.y = height - ourScreenHeight;
    }
}
