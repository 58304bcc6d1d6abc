#pragma once
// The contents of a "[HGEFONT]" description file: which glyph pictures it names and where each
// glyph lies in them. Parsing is separate from loading pictures, so a description read once can
// build any number of fonts.
#include <memory>
#include <string>
#include <vector>

class HGE;

struct GlyphDefinition
{
    int code = 0;    // 0 to 255
    float x = 0.0f;  // rectangle in the picture, pixels
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    float pre = 0.0f;   // space before the glyph, may be negative
    float post = 0.0f;  // space after the glyph, may be negative
};

// Glyphs drawn from one picture. The first section of a description has no picture: it holds
// the glyphs defined before any "Bitmap" line.
struct FontPictureSection
{
    std::string picturePath;  // folder of the description file + the picture's name
    std::vector<GlyphDefinition> glyphs;
};

struct FontDescription
{
    bool wellFormed = false;                   // the first line is exactly "[HGEFONT]"
    std::vector<FontPictureSection> sections;  // in file order, the first without a picture
    std::string problem;  // why reading stopped early ("" when the whole file was read)
};

// Parses the text of the description file at aPath (the path only locates its pictures).
FontDescription ParseFontDescription(const std::string& aPath, const std::string& aText);

// The parsed description of the file at aPath, read through aEngine; null when the file does
// not exist. A file read before with the same contents is not parsed again.
std::shared_ptr<const FontDescription> LoadFontDescription(HGE& aEngine, const std::string& aPath);
