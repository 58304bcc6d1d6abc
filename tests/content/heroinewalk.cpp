#include "heroinewalk.h"

#include <cmath>
#include <deque>

#include "fatal.h"
#include "heroineframe.h"
#include "hge.h"

namespace scenetest
{
using content::Point;

CollisionBitmap LoadCollisionBitmap(const std::string& aPath, std::string& aProblem)
{
    // Through the engine the game uses, so the bitmap is read exactly as the levels read it.
    hgeSelectBackend(HGE_BACKEND_HEADLESS);
    HGE* hge = hgeCreate(HGE_VERSION);
    CollisionBitmap bitmap;
    const HTEXTURE texture = hge->Texture_Load(aPath.c_str());
    if (texture == 0)
    {
        aProblem = platform::LastError();
        hge->Release();
        return bitmap;
    }
    bitmap.width = hge->Texture_GetWidth(texture);
    bitmap.height = hge->Texture_GetHeight(texture);
    const DWORD* pixels = hge->Texture_Lock(texture);
    if (pixels != nullptr)
    {
        bitmap.pixels.assign(pixels, pixels + static_cast<size_t>(bitmap.width) * bitmap.height);
    }
    hge->Texture_Unlock(texture);
    hge->Texture_Free(texture);
    hge->Release();
    return bitmap;
}

bool WalkMap::IsFree(Point aScenePoint) const
{
    if (aScenePoint.x < 0 || aScenePoint.y < 0)
    {
        return false;
    }
    const int x = static_cast<int>(aScenePoint.x / 16);
    const int y = static_cast<int>(aScenePoint.y / 16);
    if (x >= myBitmap.width || y >= myBitmap.height)
    {
        return false;
    }
    return myBitmap.pixels[static_cast<size_t>(y) * myBitmap.width + x] != 0xFF000000u;
}

bool WalkMap::CanStand(Point aHeroine) const
{
    for (const Point& point : content::HeroineCollisionPoints(aHeroine))
    {
        if (!IsFree(point))
        {
            return false;
        }
    }
    return true;
}

int ZoneAt(content::SceneId aScene, Point aFeet)
{
    const std::vector<content::Zone>& table = content::ZoneTable();
    for (size_t i = 0; i < table.size(); ++i)
    {
        if (table[i].scene == aScene && table[i].rect.Contains(aFeet))
        {
            return static_cast<int>(i);
        }
    }
    return -1;
}

Exploration::Exploration(const WalkMap& aMap, content::SceneId aScene, Point aStart)
{
    // A lattice through the start, one pixel apart, wide enough for every position whose
    // collision points can lie inside the scene.
    const double margin = geometry::ourHeroineHeight;
    myOrigin = {aStart.x - std::ceil(aStart.x + margin), aStart.y - std::ceil(aStart.y + margin)};
    myColumns = static_cast<int>(aMap.SceneWidth() + 2 * margin);
    myRows = static_cast<int>(aMap.SceneHeight() + 2 * margin);
    myReached.assign(static_cast<size_t>(myColumns) * myRows, 0);
    std::vector<uint8_t> seen(myReached.size(), 0);
    std::deque<size_t> queue;
    const long first = IndexOf(aStart);
    if (first < 0 || !aMap.CanStand(aStart))
    {
        return;
    }
    seen[static_cast<size_t>(first)] = 1;
    queue.push_back(static_cast<size_t>(first));
    while (!queue.empty())
    {
        const size_t index = queue.front();
        queue.pop_front();
        const Point position = PositionOf(index);
        const Point feet = content::FeetOf(position);
        const int zone = ZoneAt(aScene, feet);
        if (zone >= 0)
        {
            myEntries.push_back({zone, feet});
            continue;
        }
        myReached[index] = 1;
        for (const Point& step : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}})
        {
            const Point next{position.x + step.x, position.y + step.y};
            const long nextIndex = IndexOf(next);
            if (nextIndex >= 0 && !seen[static_cast<size_t>(nextIndex)] && aMap.CanStand(next))
            {
                seen[static_cast<size_t>(nextIndex)] = 1;
                queue.push_back(static_cast<size_t>(nextIndex));
            }
        }
    }
}

bool Exploration::Reached(Point aHeroine) const
{
    const long index = IndexOf(aHeroine);
    return index >= 0 && myReached[static_cast<size_t>(index)] != 0;
}

Point Exploration::PositionOf(size_t aIndex) const
{
    const size_t column = aIndex % myColumns;
    const size_t row = aIndex / myColumns;
    return {myOrigin.x + static_cast<double>(column), myOrigin.y + static_cast<double>(row)};
}

long Exploration::IndexOf(Point aHeroine) const
{
    const double column = aHeroine.x - myOrigin.x;
    const double row = aHeroine.y - myOrigin.y;
    if (column != std::floor(column) || row != std::floor(row) || column < 0 || row < 0 ||
        column >= myColumns || row >= myRows)
    {
        return -1;
    }
    return static_cast<long>(row) * myColumns + static_cast<long>(column);
}
}  // namespace scenetest
