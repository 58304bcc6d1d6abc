#pragma once
// The scene-sized props that the levels draw as sprites: their sizes fit the scene layouts
// (the raft on the river banks, the raft tree over its stump, the banana tree, the palm leaves
// over the volcano ledge, the sheep in the village pen).
#include "contentwriter.h"

namespace content
{
// The raft tree's trunk stands on the stump drawn in the crash site at this offset from the
// picture's top-left corner.
constexpr double kRaftTreeBaseX = 85.0;
constexpr double kRaftTreeBaseY = 218.0;

Image DrawRaft();
Image DrawRaftTree();
Image DrawBananaTree();
Image DrawPalmOverlay();
Image DrawSheep();

// Writes the five pictures under img/.
void GenerateSceneProps(ContentWriter& aWriter);
}  // namespace content
