// Props the game draws as sprites still block the ground under them: the heroine must not walk
// through the banana tree's trunk, yet the ground around it stays free.
#include <gtest/gtest.h>

#include "scenes/sceneitems.h"
#include "scenes/scenemodel.h"
#include "scenes/scenerender.h"

namespace
{
uint32_t CellAt(const content::Image& aCollision, double aX, double aY)
{
    const int x = static_cast<int>(aX) / content::kCollisionScale;
    const int y = static_cast<int>(aY) / content::kCollisionScale;
    return aCollision.pixels[static_cast<size_t>(y) * static_cast<size_t>(aCollision.width) +
                             static_cast<size_t>(x)];
}

TEST(SceneFootprint, BananaTreeTrunkBlocksOnlyItsOwnGround)
{
    const content::Image collision = content::RenderCollision(content::VolcanoScene());
    const double trunkX = content::kBananaTreeSpriteX + content::kBananaTreeBaseX;
    const double trunkY = content::kBananaTreeSpriteY + content::kBananaTreeBaseY - 4;
    EXPECT_EQ(CellAt(collision, trunkX, trunkY), 0xFF000000u) << "she walks through the trunk";
    // Free ground around it: the volcano's rock.
    EXPECT_EQ(CellAt(collision, trunkX - 48, trunkY), geometry::ourStoneColour);
    EXPECT_EQ(CellAt(collision, trunkX + 48, trunkY), geometry::ourStoneColour);
    EXPECT_EQ(CellAt(collision, trunkX, trunkY + 48), geometry::ourStoneColour);
}
}  // namespace
