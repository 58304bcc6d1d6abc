#include "interface/fontgenerator.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "core/canvas.h"
#include "core/picturetext.h"

namespace content
{
const char* const kFontDescriptionPath = "img/Font/HGE_font1.fnt";
const char* const kFontPicturePath = "img/Font/HGE_font1.png";

namespace
{
constexpr double kPixelSize = 18.0;
constexpr int kPad = 3;  // room for the outline and the shadow around every glyph
constexpr int kPictureWidth = 256;
constexpr int kFirst = 32;
constexpr int kLast = 126;

struct Glyph
{
    int code;
    int x, y, width;  // cell in the picture; every cell is one line high
    int inkLeft;      // where the outline starts, from the pen position
    int advance;
};

std::string CodeField(int aCode)
{
    char buffer[8];
    if (aCode == '"')
    {
        snprintf(buffer, sizeof(buffer), "%02X", aCode);  // a quoted quote would be ambiguous
    }
    else
    {
        snprintf(buffer, sizeof(buffer), "\"%c\"", aCode);
    }
    return buffer;
}
}  // namespace

void GenerateFont(ContentWriter& aWriter)
{
    Canvas measure(1, 1);
    UseDejaVu(measure.Cr(), kPixelSize, true);
    cairo_font_extents_t line;
    cairo_font_extents(measure.Cr(), &line);
    const int ascent = static_cast<int>(std::ceil(line.ascent));
    const int lineHeight = ascent + static_cast<int>(std::ceil(line.descent)) + 2 * kPad;

    // Lay the glyphs out in rows.
    std::vector<Glyph> glyphs;
    int penX = 0;
    int penY = 0;
    for (int code = kFirst; code <= kLast; ++code)
    {
        const char text[2] = {static_cast<char>(code), '\0'};
        cairo_text_extents_t extents;
        cairo_text_extents(measure.Cr(), text, &extents);
        const bool blank = extents.width <= 0.0;
        const int inkLeft = blank ? 0 : static_cast<int>(std::floor(extents.x_bearing)) - kPad;
        const int inkRight =
            blank ? 1 : static_cast<int>(std::ceil(extents.x_bearing + extents.width)) + kPad;
        const int width = inkRight - inkLeft;
        if (penX + width > kPictureWidth)
        {
            penX = 0;
            penY += lineHeight;
        }
        glyphs.push_back(
            {code, penX, penY, width, inkLeft, static_cast<int>(std::lround(extents.x_advance))});
        penX += width + 1;
    }
    int pictureHeight = 1;
    while (pictureHeight < penY + lineHeight)
    {
        pictureHeight *= 2;
    }

    // Draw: a soft shadow, a dark outline, then the white glyph.
    Canvas canvas(kPictureWidth, pictureHeight);
    cairo_t* cr = canvas.Cr();
    UseDejaVu(cr, kPixelSize, true);
    const Colour outline = Colour::Rgb(0x1a1410);
    for (const Glyph& glyph : glyphs)
    {
        const char text[2] = {static_cast<char>(glyph.code), '\0'};
        const double baseX = glyph.x - glyph.inkLeft;
        const double baseY = glyph.y + kPad + ascent;
        cairo_save(cr);
        cairo_rectangle(cr, glyph.x, glyph.y, glyph.width, lineHeight);
        cairo_clip(cr);
        const auto textAt = [&text](double aX, double aY)
        {
            return [&text, aX, aY](cairo_t* aCr)
            {
                cairo_move_to(aCr, aX, aY);
                cairo_text_path(aCr, text);
            };
        };
        StrokePath(canvas, textAt(baseX + 1.5, baseY + 1.5), outline.WithAlpha(0.45), 3.0);
        FillPath(canvas, textAt(baseX + 1.5, baseY + 1.5), outline.WithAlpha(0.45));
        StrokePath(canvas, textAt(baseX, baseY), outline, 3.2);
        FillPath(canvas, textAt(baseX, baseY), Colour::Rgb(0xffffff));
        cairo_restore(cr);
    }
    aWriter.WritePicture(kFontPicturePath, canvas.ToImage(), PictureFormat::Png);

    std::string description = "[HGEFONT]\n\nBitmap=HGE_font1.png\n\n";
    for (const Glyph& glyph : glyphs)
    {
        const int post = glyph.advance - glyph.inkLeft - glyph.width;
        char row[96];
        snprintf(row, sizeof(row), "Char=%s,%d,%d,%d,%d,%d,%d\n", CodeField(glyph.code).c_str(),
                 glyph.x, glyph.y, glyph.width, lineHeight, glyph.inkLeft, post);
        description += row;
    }
    aWriter.WriteBytes(kFontDescriptionPath,
                       std::vector<uint8_t>(description.begin(), description.end()));
}
}  // namespace content
