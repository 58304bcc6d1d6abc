// The generated bitmap font, read the way the game reads it: the description parses, every
// printable ASCII character has a glyph inside the picture, and the glyphs are drawn.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "fontdescription.h"
#include "hge.h"
#include "interface/fontgenerator.h"

namespace
{
std::string ReadText(const std::string& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class AssetsFont : public testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myEngine = hgeCreate(HGE_VERSION);
        myDescription = ParseFontDescription(content::kFontDescriptionPath,
                                             ReadText(content::kFontDescriptionPath));
    }
    void TearDown() override { myEngine->Release(); }

    HGE* myEngine = nullptr;
    FontDescription myDescription;
};

TEST_F(AssetsFont, EveryPrintableCharacterHasAGlyphInsideThePicture)
{
    ASSERT_TRUE(myDescription.wellFormed);
    EXPECT_EQ(myDescription.problem, "");
    ASSERT_EQ(myDescription.sections.size(),
              2u);  // nothing before the Bitmap line, then one picture
    EXPECT_TRUE(myDescription.sections[0].glyphs.empty());
    const FontPictureSection& section = myDescription.sections[1];
    EXPECT_EQ(section.picturePath, content::kFontPicturePath);

    const HTEXTURE texture = myEngine->Texture_Load(section.picturePath.c_str());
    ASSERT_NE(texture, 0u);
    const int width = myEngine->Texture_GetWidth(texture);
    const int height = myEngine->Texture_GetHeight(texture);
    const DWORD* pixels = myEngine->Texture_Lock(texture);
    ASSERT_NE(pixels, nullptr);

    bool defined[256] = {};
    float lineHeight = 0.0f;
    for (const GlyphDefinition& glyph : section.glyphs)
    {
        SCOPED_TRACE(std::string("glyph ") + static_cast<char>(glyph.code));
        EXPECT_FALSE(defined[glyph.code]) << "defined twice";
        defined[glyph.code] = true;
        EXPECT_GE(glyph.x, 0.0f);
        EXPECT_GE(glyph.y, 0.0f);
        EXPECT_LE(glyph.x + glyph.width, width);
        EXPECT_LE(glyph.y + glyph.height, height);
        // One line height for all, so every glyph hangs from the same top edge.
        lineHeight = lineHeight == 0.0f ? glyph.height : lineHeight;
        EXPECT_EQ(glyph.height, lineHeight);
        // The pen moves on by a sensible advance.
        const float advance = glyph.pre + glyph.width + glyph.post;
        EXPECT_GE(advance, 4.0f);
        EXPECT_LE(advance, 24.0f);

        // Visible characters have white ink with a dark edge inside their rectangle.
        int white = 0;
        int dark = 0;
        for (int y = static_cast<int>(glyph.y); y < glyph.y + glyph.height; ++y)
        {
            for (int x = static_cast<int>(glyph.x); x < glyph.x + glyph.width; ++x)
            {
                const DWORD pixel = pixels[y * width + x];
                white += (pixel >> 24) > 200 && (pixel & 0xFF) > 220;
                dark += (pixel >> 24) > 200 && (pixel & 0xFF) < 60;
            }
        }
        if (glyph.code != ' ')
        {
            EXPECT_GT(white, 0);
            EXPECT_GT(dark, 0);
        }
        else
        {
            EXPECT_EQ(white + dark, 0);
        }
    }
    for (int code = 32; code <= 126; ++code)
    {
        EXPECT_TRUE(defined[code]) << "no glyph for " << code;
    }
    // Legible on the conversation panel: lines of 18 to 32 pixels.
    EXPECT_GE(lineHeight, 18.0f);
    EXPECT_LE(lineHeight, 32.0f);
    myEngine->Texture_Unlock(texture);
    myEngine->Texture_Free(texture);
}

TEST_F(AssetsFont, GlyphRectanglesDoNotOverlap)
{
    ASSERT_EQ(myDescription.sections.size(), 2u);
    const auto& glyphs = myDescription.sections[1].glyphs;
    for (size_t i = 0; i < glyphs.size(); ++i)
    {
        for (size_t j = i + 1; j < glyphs.size(); ++j)
        {
            const GlyphDefinition& a = glyphs[i];
            const GlyphDefinition& b = glyphs[j];
            const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x ||
                               a.y + a.height <= b.y || b.y + b.height <= a.y;
            EXPECT_TRUE(apart) << static_cast<char>(a.code) << " and " << static_cast<char>(b.code);
        }
    }
}
}  // namespace
