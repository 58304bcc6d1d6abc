#include "generators.h"

#include "font.h"
#include "music.h"

namespace content
{
void GenerateAll(ContentWriter& aWriter)
{
    GenerateFont(aWriter);
    GenerateMusic(aWriter);
}

void WritePreviews(const std::string& aContentFolder, const std::string& aPreviewFolder)
{
    (void)aContentFolder;
    (void)aPreviewFolder;
}
}  // namespace content
