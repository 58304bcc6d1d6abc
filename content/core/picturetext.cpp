#include "core/picturetext.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace content
{
namespace
{
const char* const kRegularFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// FreeType's library and one face, and the cairo face made from them, released in order.
class FontFile
{
public:
    explicit FontFile(const char* aPath)
    {
        if (FT_Init_FreeType(&myLibrary) != 0)
        {
            Failed(aPath, "FreeType could not start");
        }
        if (FT_New_Face(myLibrary, aPath, 0, &myFace) != 0)
        {
            FT_Done_FreeType(myLibrary);
            Failed(aPath, "cannot read the font (install fonts-dejavu-core)");
        }
        myCairoFace = cairo_ft_font_face_create_for_ft_face(myFace, 0);
    }
    ~FontFile()
    {
        cairo_font_face_destroy(myCairoFace);
        FT_Done_Face(myFace);
        FT_Done_FreeType(myLibrary);
    }
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    cairo_font_face_t* Face() const { return myCairoFace; }

private:
    [[noreturn]] static void Failed(const char* aPath, const char* aProblem)
    {
        fprintf(stderr, "marrowen-content: %s: %s\n", aPath, aProblem);
        exit(1);
    }

    FT_Library myLibrary = nullptr;
    FT_Face myFace = nullptr;
    cairo_font_face_t* myCairoFace = nullptr;
};

void TextPath(cairo_t* aCr, const std::string& aText, double aX, double aY)
{
    cairo_move_to(aCr, aX, aY);
    cairo_text_path(aCr, aText.c_str());
}
}  // namespace

void UseDejaVu(cairo_t* aCr, double aSize, bool aBold)
{
    static const FontFile regular(kRegularFile);
    static const FontFile bold(kBoldFile);
    cairo_set_font_face(aCr, aBold ? bold.Face() : regular.Face());
    cairo_set_font_size(aCr, aSize);
    std::unique_ptr<cairo_font_options_t, decltype(&cairo_font_options_destroy)> options(
        cairo_font_options_create(), cairo_font_options_destroy);
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(aCr, options.get());
}

double TextWidth(Canvas& aCanvas, const std::string& aText, const TextStyle& aStyle)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    UseDejaVu(cr, aStyle.size, aStyle.bold);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, aText.c_str(), &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

void DrawText(Canvas& aCanvas, const std::string& aText, double aX, double aY,
              const TextStyle& aStyle, TextAlign aAlign)
{
    const double width = TextWidth(aCanvas, aText, aStyle);
    const double left = aAlign == TextAlign::Left     ? aX
                        : aAlign == TextAlign::Centre ? aX - width / 2.0
                                                      : aX - width;
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    UseDejaVu(cr, aStyle.size, aStyle.bold);
    const auto path = [&](cairo_t* aCr) { TextPath(aCr, aText, left, aY); };
    if (aStyle.outlineWidth > 0.0)
    {
        StrokePath(aCanvas, path, aStyle.outline, aStyle.outlineWidth);
    }
    FillPath(aCanvas, path, aStyle.fill);
    cairo_restore(cr);
}

std::vector<std::string> WrapText(Canvas& aCanvas, const std::string& aText,
                                  const TextStyle& aStyle, double aWidth)
{
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start < aText.size())
    {
        size_t end = aText.find(' ', start);
        if (end == std::string::npos)
        {
            end = aText.size();
        }
        const std::string word = aText.substr(start, end - start);
        std::string joined = line;
        joined.append(line.empty() ? "" : " ").append(word);
        if (!line.empty() && TextWidth(aCanvas, joined, aStyle) > aWidth)
        {
            lines.push_back(line);
            line = word;
        }
        else
        {
            line = joined;
        }
        start = end + 1;
    }
    if (!line.empty())
    {
        lines.push_back(line);
    }
    return lines;
}

void DrawParagraph(Canvas& aCanvas, const std::string& aText, double aX, double aY, double aWidth,
                   double aLineHeight, const TextStyle& aStyle, TextAlign aAlign)
{
    double y = aY;
    for (const std::string& line : WrapText(aCanvas, aText, aStyle, aWidth))
    {
        DrawText(aCanvas, line, aX, y, aStyle, aAlign);
        y += aLineHeight;
    }
}
}  // namespace content
