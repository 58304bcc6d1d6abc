#include "map.h"

#include "assertion.h"

void Map::AddFloorTile(StaticSprite aSprite, const Vector2<float>& aPosition)
{
    myFloor.push_back(std::move(aSprite));
    myFloorPositions.push_back(aPosition);
}

void Map::AddOverlayTile(StaticSprite aSprite, const Vector2<float>& aPosition)
{
    myOverlay.push_back(std::move(aSprite));
    myOverlayPositions.push_back(aPosition);
}

void Map::SubmitFloor(RenderData& aBuffer, const Vector2<float>& aCamera) const
{
    Submit(aBuffer, myFloor, myFloorPositions, aCamera);
}

void Map::SubmitOverlay(RenderData& aBuffer, const Vector2<float>& aCamera) const
{
    Submit(aBuffer, myOverlay, myOverlayPositions, aCamera);
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

void Map::Submit(RenderData& aBuffer, const std::vector<StaticSprite>& aSprites,
                 const std::vector<Vector2<float>>& aPositions, const Vector2<float>& aCamera)
{
    for (size_t i = 0; i < aSprites.size(); ++i)
    {
        aBuffer.SubmitSprite(aSprites[i], aPositions[i] - aCamera);
    }
}
