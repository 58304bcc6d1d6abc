#pragma once
// The game's bitmap font: "img/Font/HGE_font1.fnt" in the "[HGEFONT]" format and its glyph
// picture, rendered from DejaVu Sans through FreeType as white glyphs with a dark outline.
#include <string>

#include "core/contentwriter.h"

namespace content
{
// Where the font and its picture go.
extern const char* const kFontDescriptionPath;  // "img/Font/HGE_font1.fnt"
extern const char* const kFontPicturePath;      // beside it

// Writes the glyph picture and the description.
void GenerateFont(ContentWriter& aWriter);
}  // namespace content
