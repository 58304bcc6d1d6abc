#include "generators.h"

#include "characters.h"
#include "contactsheet.h"
#include "cutscenes.h"
#include "font.h"
#include "interface.h"
#include "items.h"
#include "music.h"
#include "scenepreview.h"
#include "scenerender.h"

namespace content
{
void GenerateAll(ContentWriter& aWriter)
{
    GenerateCharacters(aWriter);
    GenerateCutscenes(aWriter);
    GenerateFont(aWriter);
    GenerateInterface(aWriter);
    GenerateItems(aWriter);
    GenerateMusic(aWriter);
    GenerateScenes(aWriter);
}

void WritePreviews(const std::string& aContentFolder, const std::string& aPreviewFolder)
{
    WriteContactSheets(aContentFolder, aPreviewFolder);
    WriteScenePreviews(aContentFolder, aPreviewFolder);
}
}  // namespace content
