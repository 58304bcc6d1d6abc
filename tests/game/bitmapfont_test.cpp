#include "bitmapfont.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "fatal.h"
#include "filepaths.h"
#include "headlessframe.h"
#include "textfixtures.h"

namespace
{
// Glyph picture 32 x 16; "A" has negative spacing, "B" is 7 wide (odd), "?" the fallback.
const char ourFont[] =
    "[HGEFONT]\n"
    "Bitmap=glyphs.png\n"
    "Char=\"A\",0,0,10,16,-2,-3\n"
    "Char=\"B\",10,0,7,12,0,0\n"
    "Char=\"?\",20,0,5,14,1,1\n";

class BitmapFontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHGE = hgeCreate(HGE_VERSION);
        myFolder = textfixtures::ScratchFolder(
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        textfixtures::WritePicture(myFolder + "glyphs.png", 32, 16);
    }
    void TearDown() override { myHGE->Release(); }

    // Writes a description file into the test's folder and returns its path.
    std::string Description(const std::string& aName, const std::string& aText)
    {
        textfixtures::WriteText(myFolder + aName, aText);
        return myFolder + aName;
    }

    // The quads one frame draws.
    std::vector<hgeQuad> Draw(const std::function<void()>& aDraw)
    {
        myHGE->Gfx_BeginScene(0);
        aDraw();
        myHGE->Gfx_EndScene();
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        return frame.myQuads;
    }

    // Left edges of the glyphs of aText drawn at (aX, aY).
    std::vector<float> Lefts(const BitmapFont& aFont, float aX, int aAlignment,
                             const std::string& aText)
    {
        std::vector<float> lefts;
        for (const hgeQuad& quad : Draw([&] { aFont.Render(aX, 50.0f, aAlignment, aText); }))
        {
            lefts.push_back(quad.v[0].x);
        }
        return lefts;
    }

    HGE* myHGE = nullptr;
    std::string myFolder;
};
}  // namespace

TEST_F(BitmapFontTest, NegativePreAndPostDrawGlyphsCloser)
{
    const BitmapFont font(myHGE, Description("a.fnt", ourFont), false);
    // "A" is 10 wide, starts 2 early and lets the next glyph start 3 early: 10 - 2 - 3 = 5.
    EXPECT_EQ(font.GetStringWidth("AB"), 12.0f);
    EXPECT_EQ(Lefts(font, 100.0f, 0, "AB"), (std::vector<float>{98.0f, 105.0f}));
    EXPECT_EQ(font.GetHeight(), 16.0f);
    EXPECT_EQ(font.GetProblem(), "");
}

TEST_F(BitmapFontTest, CentringShiftsByHalfWidthToTheNearestWholePixel)
{
    const BitmapFont font(myHGE, Description("a.fnt", ourFont), false);
    // Half of 7 is 3.5, which becomes 4; half of 19 ("BAB") is 9.5, which becomes 10.
    EXPECT_EQ(Lefts(font, 100.0f, 2, "B"), (std::vector<float>{96.0f}));
    EXPECT_EQ(Lefts(font, 100.0f, 2, "BAB"), (std::vector<float>{90.0f, 95.0f, 102.0f}));
    EXPECT_EQ(Lefts(font, 100.0f, 1, "AB"), (std::vector<float>{86.0f, 93.0f}));
    // Only the two low bits of the alignment count: 6 is centred.
    EXPECT_EQ(Lefts(font, 100.0f, 6, "B"), (std::vector<float>{96.0f}));
}

TEST_F(BitmapFontTest, EachRowIsAlignedOnItsOwnAndRowsAreOneLineHeightApart)
{
    const BitmapFont font(myHGE, Description("a.fnt", ourFont), false);
    const std::vector<hgeQuad> quads = Draw([&] { font.Render(100.0f, 50.0f, 2, "B\nBB\n"); });
    ASSERT_EQ(quads.size(), 3u);  // the closing line feed draws nothing
    EXPECT_EQ(quads[0].v[0].x, 96.0f);
    EXPECT_EQ(quads[0].v[0].y, 50.0f);
    EXPECT_EQ(quads[1].v[0].x, 93.0f);  // "BB" is 14 wide
    EXPECT_EQ(quads[1].v[0].y, 66.0f);  // the tallest glyph is 16 high
    EXPECT_EQ(quads[2].v[0].x, 100.0f);
    EXPECT_EQ(font.GetStringWidth("B\n\r\nBB\n", true), 14.0f);
    EXPECT_EQ(font.GetStringWidth("B\nBB", false), 7.0f);
}

TEST_F(BitmapFontTest, CharacterWithoutGlyphShowsTheQuestionMarkOrNothing)
{
    const BitmapFont withQuestion(myHGE, Description("a.fnt", ourFont), false);
    const std::vector<hgeQuad> question = Draw([&] { withQuestion.Render(0, 0, 0, "?"); });
    const std::vector<hgeQuad> missing = Draw([&] { withQuestion.Render(0, 0, 0, "\xe9"); });
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].v[0].x, 1.0f);  // the "?" glyph's pre space
    EXPECT_EQ(missing[0].v[1].tx, question[0].v[1].tx);
    EXPECT_EQ(withQuestion.GetStringWidth("AxB"), withQuestion.GetStringWidth("A?B"));

    const BitmapFont without(myHGE,
                             Description("b.fnt",
                                         "[HGEFONT]\nBitmap=glyphs.png\n"
                                         "Char=\"A\",0,0,10,16,-2,-3\n"
                                         "Char=\"B\",10,0,7,12,0,0\n"),
                             false);
    EXPECT_EQ(without.GetStringWidth("AxB"), 12.0f);
    EXPECT_EQ(Lefts(without, 100.0f, 0, "AxB"), (std::vector<float>{98.0f, 105.0f}));
}

TEST_F(BitmapFontTest, LaterGlyphLineForTheSameCodeWins)
{
    const BitmapFont font(myHGE,
                          Description("a.fnt",
                                      "[HGEFONT]\nBitmap=glyphs.png\n"
                                      "Char=41,0,0,10,16,0,0\nChar=\"A\",8,2,4,6,0,0\n"),
                          false);
    EXPECT_EQ(font.GetStringWidth("A"), 4.0f);
    const std::vector<hgeQuad> quads = Draw([&] { font.Render(0, 0, 0, "A"); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].v[0].tx, 8.0f / 32.0f);
    EXPECT_EQ(quads[0].v[2].y, 6.0f);
    // Both lines raised the line height, the first one more.
    EXPECT_EQ(font.GetHeight(), 16.0f);
}

TEST_F(BitmapFontTest, MissingFileGivesAnEmptyFont)
{
    const BitmapFont font(myHGE, myFolder + "none.fnt", false);
    EXPECT_EQ(font.GetStringWidth("AB"), 0.0f);
    EXPECT_EQ(font.GetHeight(), 0.0f);
    EXPECT_TRUE(Draw([&] { font.Render(10, 10, 0, "AB"); }).empty());
    EXPECT_EQ(font.GetProblem(), myFolder + "none.fnt: file not found");
}

TEST_F(BitmapFontTest, WrongFirstLineIsLoggedAndGivesAnEmptyFont)
{
    const std::string path = Description("bad.fnt", "[HGEFONT] \nChar=\"A\",0,0,10,16,0,0\n");
    const BitmapFont font(myHGE, path, false);
    EXPECT_EQ(font.GetStringWidth("A"), 0.0f);
    EXPECT_FALSE(font.GetProblem().empty());
    std::ifstream log(platform::LogFilePath());
    std::stringstream lines;
    lines << log.rdbuf();
    EXPECT_NE(lines.str().find("Font " + path + " has incorrect format.\n"), std::string::npos);
}

TEST_F(BitmapFontTest, UnloadablePictureStopsReadingAndKeepsEarlierGlyphs)
{
    const BitmapFont font(myHGE,
                          Description("a.fnt",
                                      "[HGEFONT]\nBitmap=glyphs.png\n"
                                      "Char=\"A\",0,0,10,16,0,0\nBitmap=gone.png\n"
                                      "Char=\"B\",0,0,7,16,0,0\n"),
                          false);
    EXPECT_EQ(font.GetStringWidth("AB"), 10.0f);
    // The picture's own problem, naming it once.
    EXPECT_EQ(font.GetProblem(), myFolder + "gone.png: file not found");
    const std::vector<hgeQuad> quads = Draw([&] { font.Render(0, 0, 0, "A"); });
    ASSERT_EQ(quads.size(), 1u);
    const HTEXTURE glyphs = myHGE->Texture_Load((myFolder + "glyphs.png").c_str());
    EXPECT_EQ(quads[0].tex, glyphs);
    myHGE->Texture_Free(glyphs);
}

TEST_F(BitmapFontTest, ColourReachesEveryGlyph)
{
    BitmapFont font(myHGE, Description("a.fnt", ourFont), false);
    font.SetColor(0x80FF2010);
    for (const hgeQuad& quad : Draw([&] { font.Render(0, 0, 0, "AB?"); }))
    {
        for (const hgeVertex& corner : quad.v)
        {
            EXPECT_EQ(corner.col, 0x80FF2010u);
        }
    }
}

TEST_F(BitmapFontTest, RewrittenDescriptionIsReadAnew)
{
    const std::string path = Description("a.fnt", ourFont);
    EXPECT_EQ(BitmapFont(myHGE, path, false).GetStringWidth("B"), 7.0f);
    Description("a.fnt", "[HGEFONT]\nBitmap=glyphs.png\nChar=\"B\",10,0,9,12,0,0\n");
    EXPECT_EQ(BitmapFont(myHGE, path, false).GetStringWidth("B"), 9.0f);
}
