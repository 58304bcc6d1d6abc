#pragma once
// Where the heroine can walk in a scene, by her own rule: a position is allowed when all four
// points of her collision patch are free in the scene's collision bitmap. A search from a start
// position steps one pixel at a time along either axis, as her movement does (each axis tested
// and moved on its own); every boundary of the bitmap lies on whole pixels, so one-pixel steps
// find every gap she could squeeze through.
#include <string>
#include <vector>

#include "scenes/scenestory.h"

namespace scenetest
{
// A loaded collision bitmap: one pixel per 16 x 16 scene pixels, 0xFF000000 = blocked.
struct CollisionBitmap
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Loads the bitmap through the engine's texture loader (headless); empty (width 0) on failure,
// with the reason in aProblem.
CollisionBitmap LoadCollisionBitmap(const std::string& aPath, std::string& aProblem);

class WalkMap
{
public:
    explicit WalkMap(CollisionBitmap aBitmap) : myBitmap(std::move(aBitmap)) {}

    // Outside the bitmap counts as blocked.
    bool IsFree(content::Point aScenePoint) const;
    // All four of her collision points free.
    bool CanStand(content::Point aHeroine) const;
    int SceneWidth() const { return myBitmap.width * 16; }
    int SceneHeight() const { return myBitmap.height * 16; }

private:
    CollisionBitmap myBitmap;
};

// She walked into a transfer zone: the search stops there, as the game would move her away.
struct ZoneEntry
{
    int zone = -1;  // index in content::ZoneTable()
    content::Point feet;
};

class Exploration
{
public:
    // Every position reachable from aStart in aScene without entering a transfer zone.
    Exploration(const WalkMap& aMap, content::SceneId aScene, content::Point aStart);

    bool Reached(content::Point aHeroine) const;
    // True when some reached position satisfies aTest.
    template <typename Test>
    bool Any(Test aTest) const
    {
        for (size_t i = 0; i < myReached.size(); ++i)
        {
            if (myReached[i] && aTest(PositionOf(i)))
            {
                return true;
            }
        }
        return false;
    }
    const std::vector<ZoneEntry>& Entries() const { return myEntries; }

private:
    content::Point PositionOf(size_t aIndex) const;
    long IndexOf(content::Point aHeroine) const;

    content::Point myOrigin;  // position of cell 0; cells are whole pixels apart
    int myColumns = 0;
    int myRows = 0;
    std::vector<uint8_t> myReached;
    std::vector<ZoneEntry> myEntries;
};

// The zone of aScene whose rectangle holds the feet point, or -1.
int ZoneAt(content::SceneId aScene, content::Point aFeet);
}  // namespace scenetest
