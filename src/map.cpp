#include "map.h"

#include "assertion.h"

void Map::AddFloorTile(StaticSprite aSprite, const Vector2<float>& aPosition)
{
    myFloor.push_back(std::move(aSprite));
    myFloorPositions.push_back(aPosition);
}

void Map::SubmitFloor(RenderData& aBuffer, const Vector2<float>& aCamera) const
{
    for (size_t i = 0; i < myFloor.size(); ++i)
    {
        aBuffer.SubmitSprite(myFloor[i], myFloorPositions[i] - aCamera);
    }
}

int Map::GetMapWidth() const
{
    MARROWEN_ASSERT(!myFloor.empty() && "GetMapWidth() used on map without tiles (uninitialized).",
                    "map");
    return static_cast<int>(myFloor[0].GetWidth());
}

int Map::GetMapHeight() const
{
    MARROWEN_ASSERT(!myFloor.empty() && "GetMapHeight() used on map without tiles (uninitialized).",
                    "map");
    return static_cast<int>(myFloor[0].GetHeight());
}
