#pragma once
// The scene-sized props that the levels draw as sprites: their sizes fit the scene layouts
// (the raft on the river banks, the raft tree over its stump, the banana tree, the palm leaves
// over the volcano ledge, the sheep in the village pen).
#include "core/contentwriter.h"

namespace content
{
// The raft tree's trunk stands on the stump drawn in the crash site at this offset from the
// picture's top-left corner.
constexpr double kRaftTreeBaseX = 85.0;
constexpr double kRaftTreeBaseY = 218.0;

// The volcano draws the banana tree sprite with its top-left corner here; its trunk stands at
// the base offset within the picture.
constexpr double kBananaTreeSpriteX = 153.0;
constexpr double kBananaTreeSpriteY = 132.0;
constexpr double kBananaTreeBaseX = 110.0;
constexpr double kBananaTreeBaseY = 310.0;

Image DrawRaft();
Image DrawRaftTree();
Image DrawBananaTree();
Image DrawPalmOverlay();
Image DrawSheep();

// Writes the five pictures under img/.
void GenerateSceneProps(ContentWriter& aWriter);
// Writes the pictures that show how far the story has got (sceneprogress.cpp).
void GenerateStoryPictures(ContentWriter& aWriter);
}  // namespace content
