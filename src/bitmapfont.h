#pragma once
// A bitmap font read from a "[HGEFONT]" description: one textured quad per defined character.
// Measuring may happen on any thread; colour changes and drawing are serialised by the font's
// own lock, so the logic thread may recolour a font the render thread is drawing.
#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "hge.h"

class QuadSprite;
struct FontDescription;

class BitmapFont
{
public:
    // Reads the description at aPath and loads its pictures, both through aFiles (the engine
    // of the font's owner). A missing file or a wrong first line gives an empty font (the
    // latter is logged); a picture that will not load ends the reading there.
    BitmapFont(HGE* aFiles, const std::string& aPath, bool aMipmap);
    ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Draws aText with the top of its first row at aY; aX is the row's left edge (alignment
    // 0), right edge (1) or centre (2). Rows are split at line feeds. Render thread only.
    void Render(float aX, float aY, int aAlignment, const std::string& aText) const;
    // Width in pixels of the first row, or with aMultiline of the widest row.
    float GetStringWidth(const std::string& aText, bool aMultiline = true) const;
    // Colour (0xAARRGGBB) of every glyph.
    void SetColor(DWORD aColor);
    // The tallest glyph's height, unscaled.
    float GetHeight() const { return myHeight; }
    // Why the font is empty or incomplete: names the problem, "" when the whole file was read.
    const std::string& GetProblem() const { return myProblem; }

private:
    struct Glyph
    {
        std::unique_ptr<QuadSprite> quad;
        float width = 0.0f;
        float pre = 0.0f;
        float post = 0.0f;
    };

    void Build(HGE& aFiles, const FontDescription& aDescription, bool aMipmap);
    // The glyph of aChar, else that of "?", else null.
    const Glyph* Find(char aChar) const;
    // Unscaled width of the row that starts at aPos; leaves aPos at its line feed or the end.
    float RowWidth(const std::string& aText, size_t& aPos) const;
    // Pen start of the row that starts at aRow, for the alignment.
    float RowStart(float aX, int aAlignment, const std::string& aText, size_t aRow) const;

    HGE* myHGE;  // our own reference: the textures are freed after the owner lets go
    std::vector<HTEXTURE> myTextures;
    std::array<Glyph, 256> myGlyphs;
    float myHeight = 0.0f;
    float myScale = 1.0f;
    float myProportion = 1.0f;
    float myRotation = 0.0f;
    float myTracking = 0.0f;
    float mySpacing = 1.0f;
    std::string myProblem;
    mutable std::mutex myMutex;  // guards the glyph quads' colour while they are drawn
};
