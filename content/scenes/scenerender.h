#pragma once
// Turns one scene description into the three pictures the game loads for it.
#include <vector>

#include "core/contentwriter.h"
#include "overlayparts.h"
#include "scenes/scenemodel.h"

namespace content
{
// The scene picture (opaque), the overlay (the upright parts drawn over the characters, each
// once, packed; geometry/overlayparts.h) with the list of its parts, and the collision bitmap
// (one pixel per 16 x 16 scene pixels, opaque black where she may not stand).
struct ScenePictures
{
    Image picture;
    Image overlay;
    std::vector<geometry::OverlayPart> overlayParts;
    Image collision;
};

ScenePictures RenderScene(const SceneDescription& aScene);

// Only the collision bitmap: every area and prop footprint sampled at each cell's centre.
Image RenderCollision(const SceneDescription& aScene);

// Writes the pictures of all seven scenes and the scene-sized props under img/.
void GenerateScenes(ContentWriter& aWriter);
}  // namespace content
