#include "generators.h"

#include "characters/characters.h"
#include "cutscenes/cutscenes.h"
#include "icon/icon.h"
#include "interface/fontgenerator.h"
#include "interface/interface.h"
#include "items/items.h"
#include "music/music.h"
#include "previews/contactsheet.h"
#include "previews/scenepreview.h"
#include "scenes/scenerender.h"
#include "sounds/sounds.h"

namespace content
{
void GenerateAll(ContentWriter& aWriter)
{
    GenerateCharacters(aWriter);
    GenerateCutscenes(aWriter);
    GenerateFont(aWriter);
    GenerateIcon(aWriter);
    GenerateInterface(aWriter);
    GenerateItems(aWriter);
    GenerateMusic(aWriter);
    GenerateScenes(aWriter);
    GenerateSoundEffects(aWriter);
}

void WritePreviews(const std::string& aContentFolder, const std::string& aPreviewFolder)
{
    WriteContactSheets(aContentFolder, aPreviewFolder);
    WriteScenePreviews(aContentFolder, aPreviewFolder);
}
}  // namespace content
