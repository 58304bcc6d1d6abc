#pragma once
// Scene previews for people: each scene as the game shows it (picture and overlay, read back
// from the generated files), scaled down, with the collision map tinted over it and every
// story point, zone and arrival marked and labelled.
#include <string>

namespace content
{
// Writes scene_<name>.png (annotated, scaled down) and scene_<name>_full.png (full size, as
// the game draws it) for each scene generated into aContentFolder.
void WriteScenePreviews(const std::string& aContentFolder, const std::string& aPreviewFolder);
}  // namespace content
