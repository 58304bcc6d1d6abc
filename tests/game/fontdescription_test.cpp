#include "fontdescription.h"

#include <gtest/gtest.h>

namespace
{
const GlyphDefinition& OnlyGlyph(const FontDescription& aDescription)
{
    EXPECT_EQ(aDescription.sections.size(), 1u);
    EXPECT_EQ(aDescription.sections.front().glyphs.size(), 1u);
    return aDescription.sections.front().glyphs.front();
}

int CodeOf(const std::string& aCharLine)
{
    const FontDescription description = ParseFontDescription("f.fnt", "[HGEFONT]\n" + aCharLine);
    const std::vector<GlyphDefinition>& glyphs = description.sections.front().glyphs;
    return glyphs.empty() ? -1 : glyphs.front().code;
}
}  // namespace

TEST(FontDescription, FirstLineMustBeExactlyTheHeader)
{
    EXPECT_TRUE(ParseFontDescription("f.fnt", "[HGEFONT]\r\n\r\nChar=41,0,0,1,1,0,0").wellFormed);
    for (const char* text :
         {"[HGEFONT] \nChar=41,0,0,1,1,0,0", "[hgefont]\n", "\n[HGEFONT]\n", "", "HGEFONT"})
    {
        const FontDescription description = ParseFontDescription("f.fnt", text);
        EXPECT_FALSE(description.wellFormed) << text;
        EXPECT_TRUE(description.sections.empty()) << text;
        EXPECT_FALSE(description.problem.empty()) << text;
    }
}

TEST(FontDescription, CodesAreQuotedCharactersOrHexDigits)
{
    EXPECT_EQ(CodeOf("Char=\"A\",0,0,1,1,0,0"), 'A');
    EXPECT_EQ(CodeOf("Char = \",\" , 0,0,1,1,0,0"), ',');
    EXPECT_EQ(CodeOf("Char=\"\xe9\",0,0,1,1,0,0"), 0xe9);  // a byte above 127 is not negative
    EXPECT_EQ(CodeOf("Char=41,0,0,1,1,0,0"), 0x41);
    EXPECT_EQ(CodeOf("Char=  fF,0,0,1,1,0,0"), 0xff);
    EXPECT_EQ(CodeOf("Char=0000020,0,0,1,1,0,0"), 0x20);
    // Outside 0 to 255 the line is ignored, however long the number.
    EXPECT_EQ(CodeOf("Char=100,0,0,1,1,0,0"), -1);
    EXPECT_EQ(CodeOf("Char=FFFFFFFFFFFFFFFFFFFFFFFF41,0,0,1,1,0,0"), -1);
}

TEST(FontDescription, GlyphNumbersIncludingNegativeSpacing)
{
    const FontDescription description =
        ParseFontDescription("f.fnt", "[HGEFONT]\nChar = 61 , 12 , 34 , 9 , 17 , -2 , -3\n");
    const GlyphDefinition& glyph = OnlyGlyph(description);
    EXPECT_EQ(glyph.code, 0x61);
    EXPECT_EQ(glyph.x, 12.0f);
    EXPECT_EQ(glyph.y, 34.0f);
    EXPECT_EQ(glyph.width, 9.0f);
    EXPECT_EQ(glyph.height, 17.0f);
    EXPECT_EQ(glyph.pre, -2.0f);
    EXPECT_EQ(glyph.post, -3.0f);
    EXPECT_TRUE(description.problem.empty());
}

TEST(FontDescription, PicturesAreLookedForBesideTheDescription)
{
    const struct
    {
        const char* path;
        const char* picture;
    } cases[] = {
        {"img/Font/a.fnt", "img/Font/pic.png"},
        {"fonts\\a.fnt", "fonts\\pic.png"},
        {"a/b\\c/a.fnt", "a/b\\pic.png"},  // a backslash is preferred to a later slash
        {"a.fnt", "pic.png"},
    };
    for (const auto& test : cases)
    {
        const FontDescription description =
            ParseFontDescription(test.path, "[HGEFONT]\nBitmap = pic.png trailing\n");
        ASSERT_EQ(description.sections.size(), 2u);
        EXPECT_EQ(description.sections[1].picturePath, test.picture);
    }
}

TEST(FontDescription, EachGlyphBelongsToThePictureNamedLastBeforeIt)
{
    const FontDescription description =
        ParseFontDescription("f.fnt",
                             "[HGEFONT]\nChar=30,0,0,1,1,0,0\nBitmap=one.png\nBitmap pic.png\n"
                             "Bitmapper = x.png\nBitmap=\nComment=Char\nChar=31,0,0,1,1,0,0\n");
    ASSERT_EQ(description.sections.size(), 2u);  // unmatched Bitmap lines are skipped
    EXPECT_EQ(description.sections[0].glyphs.size(), 1u);
    EXPECT_EQ(description.sections[1].picturePath, "one.png");
    EXPECT_EQ(description.sections[1].glyphs.size(), 1u);
}

TEST(FontDescription, UnreadableGlyphLineEndsReadingWithAProblem)
{
    for (const char* line : {"Char=41,0,0,1,1,0", "Char=41 0 0 1 1 0 0", "Char 41,0,0,1,1,0,0",
                             "Char=\"A", "Char=41,0,0,x,1,0,0"})
    {
        const FontDescription description =
            ParseFontDescription("f.fnt", std::string("[HGEFONT]\nChar=30,0,0,1,1,0,0\n") + line +
                                              "\nChar=31,0,0,1,1,0,0");
        EXPECT_TRUE(description.wellFormed);
        EXPECT_EQ(description.sections.front().glyphs.size(), 1u) << line;
        EXPECT_EQ(description.problem, "glyph line 3 cannot be read") << line;
    }
}

TEST(FontDescription, ALineLongerThanAnyToolWritesEndsReadingWithAProblem)
{
    const std::string glyph = "Char=41,0,0,1,1,0,0";
    const std::string longest = glyph + std::string(255 - glyph.size(), ' ');
    const FontDescription kept =
        ParseFontDescription("f.fnt", "[HGEFONT]\n" + longest + "\nChar=42,0,0,1,1,0,0\n");
    EXPECT_EQ(kept.problem, "");
    EXPECT_EQ(kept.sections.front().glyphs.size(), 2u);

    const FontDescription cut =
        ParseFontDescription("f.fnt", "[HGEFONT]\n" + longest + " \nChar=42,0,0,1,1,0,0\n");
    EXPECT_EQ(cut.problem, "line 2 is longer than 255 characters");
    EXPECT_TRUE(cut.sections.front().glyphs.empty());
}

TEST(FontDescription, ProblemsGiveTheLineNumberInTheFileBlankLinesIncluded)
{
    for (const char* breaks : {"\n", "\r\n", "\r"})
    {
        const std::string b = breaks;
        std::string text = "[HGEFONT]";
        for (const char* line : {"", "Bitmap=a.png", "", "", "Char=41,x"})
        {
            text += b + line;
        }
        text += b;
        const FontDescription description = ParseFontDescription("f.fnt", text);
        EXPECT_EQ(description.problem, "glyph line 6 cannot be read") << description.problem;
    }
}
