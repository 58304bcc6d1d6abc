// The font description parser on any text: every glyph it keeps has a code the font can hold.
#include <cstdlib>

#include "fontdescription.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* aData, size_t aSize)
{
    const std::string text(reinterpret_cast<const char*>(aData), aSize);
    const FontDescription description = ParseFontDescription("img/Font/fuzz.fnt", text);
    if (description.wellFormed == description.sections.empty())
    {
        std::abort();
    }
    for (const FontPictureSection& section : description.sections)
    {
        for (const GlyphDefinition& glyph : section.glyphs)
        {
            if (glyph.code < 0 || glyph.code > 255)
            {
                std::abort();
            }
        }
    }
    return 0;
}
