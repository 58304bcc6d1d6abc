#include "generators.h"

#include "characters.h"
#include "contactsheet.h"
#include "font.h"
#include "music.h"

namespace content
{
void GenerateAll(ContentWriter& aWriter)
{
    GenerateCharacters(aWriter);
    GenerateFont(aWriter);
    GenerateMusic(aWriter);
}

void WritePreviews(const std::string& aContentFolder, const std::string& aPreviewFolder)
{
    WriteContactSheets(aContentFolder, aPreviewFolder);
}
}  // namespace content
