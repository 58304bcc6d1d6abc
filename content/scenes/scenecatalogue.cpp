// The seven scenes in the game's level order, and writing their files.

#include "scenes/sceneitems.h"
#include "scenes/scenerender.h"

namespace content
{
const std::vector<SceneDescription>& AllScenes()
{
    static const std::vector<SceneDescription> scenes = {
        CrashSiteScene(),   DeepJungleScene(), TimeMachineScene(), CaveScene(),
        BlownUpCaveScene(), VillageScene(),    VolcanoScene()};
    return scenes;
}

void GenerateScenes(ContentWriter& aWriter)
{
    for (const SceneDescription& scene : AllScenes())
    {
        const ScenePictures pictures = RenderScene(scene);
        // Scene pictures are opaque: DXT1 keeps them small. Overlays need their alpha.
        aWriter.WritePicture(scene.picturePath, pictures.picture, PictureFormat::DdsDxt1);
        if (scene.writesOverlayAndCollision)
        {
            aWriter.WritePicture(scene.overlayPath, pictures.overlay, PictureFormat::DdsDxt5);
            const std::string parts = geometry::OverlayPartsText(pictures.overlayParts);
            aWriter.WriteBytes(geometry::OverlayPartsPath(scene.overlayPath),
                               std::vector<uint8_t>(parts.begin(), parts.end()));
            aWriter.WritePicture(scene.collisionPath, pictures.collision, PictureFormat::Bmp24);
        }
    }
    GenerateSceneProps(aWriter);
    GenerateStoryPictures(aWriter);
}
}  // namespace content
