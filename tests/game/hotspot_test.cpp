#include "hotspot.h"

#include <gtest/gtest.h>

#include "randomhotspot.h"
#include "verticalhotspot.h"

namespace
{
using V = Vector2<float>;

// A zone 100 x 40 at (200, 1000) linked to a partner 60 x 20 at (500, 0).
class HotSpotTest : public testing::Test
{
protected:
    void SetUp() override
    {
        myZone.SetLink(&myPartner);
        myPartner.SetLink(&myZone);
    }

    HotSpot myZone{V(200, 1000), 100, 40, "Here"};
    HotSpot myPartner{V(500, 0), 60, 20, "There"};
};

TEST_F(HotSpotTest, UpperHalfArrivesBelowThePartner)
{
    V point(250, 1005);
    ASSERT_TRUE(myZone.Contains(point));
    // Feet at (530, 20 + 10), position = feet - (32, 100).
    EXPECT_EQ(V(530 - 32, 30 - 100), point);
}

TEST_F(HotSpotTest, TheMiddleLineCountsAsTheUpperHalf)
{
    V middle(250, 1020);
    ASSERT_TRUE(myZone.Contains(middle));
    EXPECT_EQ(V(498, -70), middle);

    V justBelow(250, 1020.01f);
    ASSERT_TRUE(myZone.Contains(justBelow));
    // Feet at (530, 0 - 10): above the partner.
    EXPECT_EQ(V(498, -110), justBelow);
}

TEST_F(HotSpotTest, EdgesAreInsideAndOutsideLeavesThePointAlone)
{
    for (V corner : {V(200, 1000), V(300, 1040), V(200, 1040), V(300, 1000)})
    {
        EXPECT_TRUE(myZone.Contains(corner));
    }
    for (const V& outside : {V(199.9f, 1010), V(300.1f, 1010), V(250, 999.9f), V(250, 1040.1f)})
    {
        V point = outside;
        EXPECT_FALSE(myZone.Contains(point));
        EXPECT_EQ(outside, point);
    }
}

TEST(VerticalHotSpotTest, LeftHalfArrivesRightOfThePartnerAndRightHalfLeftOfIt)
{
    VerticalHotSpot zone(V(1962, 257), 86, 393, "East");
    VerticalHotSpot partner(V(0, 442), 25, 582, "West");
    zone.SetLink(&partner);
    partner.SetLink(&zone);

    V left(2005, 400);  // exactly the middle column
    ASSERT_TRUE(zone.Contains(left));
    EXPECT_EQ(V(25 + 12.5f - 32, 442 + 291 - 100), left);

    V right(2005.5f, 400);
    ASSERT_TRUE(zone.Contains(right));
    EXPECT_EQ(V(0 - 12.5f - 32, 442 + 291 - 100), right);

    // Entering the partner from its left half comes back right of this zone.
    V back(10, 500);
    ASSERT_TRUE(partner.Contains(back));
    EXPECT_EQ(V(2048 + 43 - 32, 257 + 196.5f - 100), back);
}

TEST(RandomHotSpotTest, InclusiveRectangleThatDoesNotMoveThePoint)
{
    const RandomHotSpot zone(V(66, 130), 71, 96, "Cave");
    EXPECT_TRUE(zone.Contains(V(66, 130)));
    EXPECT_TRUE(zone.Contains(V(137, 226)));
    EXPECT_FALSE(zone.Contains(V(137.1f, 226)));
    EXPECT_FALSE(zone.Contains(V(100, 129.9f)));
}

TEST(HotSpotDeathTest, EnteringAnUnlinkedZoneEndsTheProgram)
{
    const HotSpot zone(V(0, 0), 10, 10, "Lonely");
    V point(5, 5);
    EXPECT_EXIT(zone.Contains(point), testing::ExitedWithCode(1), "before it was linked");
}
}  // namespace
