#pragma once
// The parts of the content generator. Each writes its files through the ContentWriter; each
// preview writer reads the generated files back and writes PNG sheets for people to look at.
#include <string>

#include "core/contentwriter.h"

namespace content
{
// Writes every picture, the font, the music and the sound effects, in a fixed order.
void GenerateAll(ContentWriter& aWriter);

// Writes the preview PNGs of everything generated into aContentFolder.
void WritePreviews(const std::string& aContentFolder, const std::string& aPreviewFolder);
}  // namespace content
