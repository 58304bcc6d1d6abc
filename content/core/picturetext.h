#pragma once
// Text inside generated pictures (captions, card texts, button labels, the bitmap font), set in
// DejaVu Sans read from its file through FreeType, so every machine draws the same letters.
#include <string>
#include <vector>

#include "core/canvas.h"

namespace content
{
enum class TextAlign
{
    Left,
    Centre,
    Right,
};

struct TextStyle
{
    double size = 16.0;  // pixels
    bool bold = true;
    Colour fill = Colour::Rgb(0xffffff);
    Colour outline = Colour::Rgb(0x1a1410);
    double outlineWidth = 0.0;  // 0: no outline
};

// Selects DejaVu Sans (or its bold cut) at aSize pixels with grey antialiasing. Ends the
// generator with a message naming the font file when it cannot be read.
void UseDejaVu(cairo_t* aCr, double aSize, bool aBold);

// Width in pixels of aText set in aStyle.
double TextWidth(Canvas& aCanvas, const std::string& aText, const TextStyle& aStyle);

// Draws one line with its baseline at aY; aX is its left edge, centre or right edge.
void DrawText(Canvas& aCanvas, const std::string& aText, double aX, double aY,
              const TextStyle& aStyle, TextAlign aAlign);

// Splits aText at blanks into lines no wider than aWidth (a longer single word keeps its line).
std::vector<std::string> WrapText(Canvas& aCanvas, const std::string& aText,
                                  const TextStyle& aStyle, double aWidth);

// Draws wrapped lines aLineHeight apart, the first baseline at aY.
void DrawParagraph(Canvas& aCanvas, const std::string& aText, double aX, double aY, double aWidth,
                   double aLineHeight, const TextStyle& aStyle, TextAlign aAlign);
}  // namespace content
