#pragma once
// The game's bitmap font: "img/Font/HGE_font1.fnt" in the "[HGEFONT]" format and its glyph
// picture, rendered from DejaVu Sans through FreeType as white glyphs with a dark outline.
#include <string>

#include "contentwriter.h"

namespace content
{
// Where the font and its picture go, and the TrueType file they are made from.
extern const char* const kFontDescriptionPath;  // "img/Font/HGE_font1.fnt"
extern const char* const kFontPicturePath;      // beside it
extern const char* const kFontSource;           // the DejaVu Sans file on this machine

// Writes the glyph picture and the description. Ends the generator with a message naming the
// TrueType file when it cannot be read.
void GenerateFont(ContentWriter& aWriter);
}  // namespace content
