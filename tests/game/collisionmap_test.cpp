#include "collisionmap.h"

#include <gtest/gtest.h>

#include "worldfixtures.h"

namespace
{
using worldfixtures::WorldTest;
using V = Vector2<float>;

constexpr char ourMapPath[] = "img/Levels/collision_test.bmp";

class CollisionMapTest : public WorldTest
{
protected:
    // A 4 x 3 bitmap, free (white) except where a test paints a pixel.
    CollisionMap Load(const std::vector<std::pair<int, uint32_t>>& aPixels)
    {
        testpictures::Picture picture = testpictures::Filled(4, 3, 0xFFFFFFFF);
        for (const auto& pixel : aPixels)
        {
            picture.pixels[static_cast<size_t>(pixel.first)] = pixel.second;
        }
        AddPicture(ourMapPath, picture);
        CollisionMap map;
        map.Init(16, ourMapPath, Engine());
        return map;
    }
};

TEST_F(CollisionMapTest, OnlyOpaquePureBlackBlocks)
{
    const CollisionMap map =
        Load({{0, 0xFF000000}, {1, 0xFE000000}, {2, 0xFF010101}, {3, 0x00000000}});
    EXPECT_FALSE(map.IsFree(V(5, 5)));
    EXPECT_TRUE(map.IsFree(V(16 + 5, 5)));  // almost opaque black
    EXPECT_TRUE(map.IsFree(V(32 + 5, 5)));  // very dark grey
    EXPECT_TRUE(map.IsFree(V(48 + 5, 5)));  // transparent black
    EXPECT_TRUE(map.IsFree(V(5, 16 + 5)));  // white
}

TEST_F(CollisionMapTest, CellIndexTruncatesWithTheRowLengthOfTheBitmap)
{
    const CollisionMap map = Load({});
    EXPECT_EQ(0, map.CellIndex(V(0, 0)));
    EXPECT_EQ(0, map.CellIndex(V(15.9f, 15.9f)));
    EXPECT_EQ(1, map.CellIndex(V(16, 0)));
    EXPECT_EQ(4, map.CellIndex(V(0, 16)));
    EXPECT_EQ(2 * 4 + 3, map.CellIndex(V(63.9f, 47.9f)));
    EXPECT_EQ(V(4, 3), map.GetSize());
}

TEST_F(CollisionMapTest, QueriesReadTheCellUnderThePosition)
{
    // Cell 6 is (2, 1): world x 32..47.9, y 16..31.9.
    const CollisionMap map = Load({{6, 0xFF000000}});
    EXPECT_FALSE(map.IsFree(V(32, 16)));
    EXPECT_FALSE(map.IsFree(V(47.9f, 31.9f)));
    EXPECT_TRUE(map.IsFree(V(31.9f, 16)));
    EXPECT_TRUE(map.IsFree(V(48, 16)));
    EXPECT_TRUE(map.IsFree(V(32, 32)));
}

TEST_F(CollisionMapTest, OutsideTheBitmapIsBlocked)
{
    const CollisionMap map = Load({});
    EXPECT_TRUE(map.IsFree(V(0, 0)));
    EXPECT_TRUE(map.IsFree(V(63.9f, 47.9f)));
    // Truncation would read cell 0 for these: they must not count as inside.
    EXPECT_FALSE(map.IsFree(V(-0.5f, 3)));
    EXPECT_FALSE(map.IsFree(V(3, -0.5f)));
    // Past the right edge the row index would wrap into the next row.
    EXPECT_FALSE(map.IsFree(V(64, 3)));
    EXPECT_FALSE(map.IsFree(V(3, 48)));
    EXPECT_FALSE(map.IsFree(V(-1000, 100000)));
}

TEST_F(CollisionMapTest, CopiesAnswerLikeTheOriginal)
{
    const CollisionMap map = Load({{5, 0xFF000000}});
    const CollisionMap copy = map;
    for (float y = 0; y < 48; y += 8)
    {
        for (float x = 0; x < 64; x += 8)
        {
            EXPECT_EQ(map.IsFree(V(x, y)), copy.IsFree(V(x, y))) << x << ", " << y;
        }
    }
    EXPECT_FALSE(copy.IsFree(V(20, 20)));
}

TEST_F(CollisionMapTest, UninitiatedOrUnloadableMapsEndTheProgram)
{
    const CollisionMap empty;
    EXPECT_EXIT(empty.IsFree(V(1, 1)), testing::ExitedWithCode(1), "uninitiated CollisionMap");
    EXPECT_EXIT(empty.CellIndex(V(1, 1)), testing::ExitedWithCode(1), "uninitiated CollisionMap");
    CollisionMap missing;
    EXPECT_EXIT(missing.Init(16, "/nonexistent/collision.bmp", myHGE), testing::ExitedWithCode(1),
                "Can't load the sheet");
}
}  // namespace
