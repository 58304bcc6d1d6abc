#include "generators.h"

namespace content
{
void GenerateAll(ContentWriter& aWriter)
{
    (void)aWriter;
}

void WritePreviews(const std::string& aContentFolder, const std::string& aPreviewFolder)
{
    (void)aContentFolder;
    (void)aPreviewFolder;
}
}  // namespace content
