#include "font.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "headlessframe.h"
#include "textfixtures.h"

namespace
{
class FontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHGE = hgeCreate(HGE_VERSION);
        myFolder = textfixtures::ScratchFolder(
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        textfixtures::WritePicture(myFolder + "glyphs.png", 32, 16);
        textfixtures::WriteText(myFolder + "good.fnt",
                                "[HGEFONT]\nBitmap=glyphs.png\nChar=\"A\",0,0,10,16,0,0\n"
                                "Char=\"B\",10,0,7,12,0,0\n");
    }
    void TearDown() override { myHGE->Release(); }

    // The quads of one frame that renders aText.
    std::vector<hgeQuad> Draw(const Font& aText)
    {
        myHGE->Gfx_BeginScene(0);
        aText.Render();
        myHGE->Gfx_EndScene();
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        return frame.myQuads;
    }

    HGE* myHGE = nullptr;
    std::string myFolder;
};
}  // namespace

TEST_F(FontTest, DrawsItsTextAtItsPositionOnlyOnceLoaded)
{
    Font text(myHGE, myFolder + "good.fnt");
    text.SetText("AB");
    text.SetPosition(200.0f, 40.0f);
    text.SetAlignment(1);
    EXPECT_TRUE(Draw(text).empty());
    EXPECT_EQ(text.GetHeight(), 0.0f);

    text.Load();
    const std::vector<hgeQuad> quads = Draw(text);
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_EQ(quads[0].v[0].x, 183.0f);  // right-aligned: 200 - (10 + 7)
    EXPECT_EQ(quads[0].v[0].y, 40.0f);
    EXPECT_EQ(text.GetHeight(), 16.0f);

    text.SetColor(Color{255, 0, 0, 128});
    EXPECT_EQ(Draw(text)[1].v[3].col, 0x80FF0000u);
}

TEST_F(FontTest, MissingOrUnreadableFontEndsTheProgramNamingTheFile)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string missing = myFolder + "missing.fnt";
    EXPECT_EXIT(Font(myHGE, missing), ::testing::ExitedWithCode(1),
                "missing.fnt: file not found.*Cannot load the font source");
    textfixtures::WriteText(myFolder + "bad.fnt", "HGEFONT\nChar=\"A\",0,0,10,16,0,0\n");
    EXPECT_EXIT(Font(myHGE, myFolder + "bad.fnt").Load(), ::testing::ExitedWithCode(1),
                "bad.fnt: the first line is not \\[HGEFONT\\].*Could not load the font");
    textfixtures::WriteText(myFolder + "nopicture.fnt",
                            "[HGEFONT]\nBitmap=gone.png\nChar=\"A\",0,0,10,16,0,0\n");
    EXPECT_EXIT(Font(myHGE, myFolder + "nopicture.fnt").Load(), ::testing::ExitedWithCode(1),
                "gone.png.*Could not load the font");
}

// The logic thread prepares the next frame's text while the render thread draws the last one.
TEST_F(FontTest, TextMayChangeWhileItIsDrawn)
{
    Font text(myHGE, myFolder + "good.fnt");
    text.Load();
    std::atomic<bool> done{false};
    std::thread render(
        [&]
        {
            while (!done.load())
            {
                myHGE->Gfx_BeginScene(0);
                text.Render();
                myHGE->Gfx_EndScene();
            }
        });
    for (int frame = 0; frame < 2000; ++frame)
    {
        text.SetText(frame % 2 ? "AB\nBA" : "B");
        text.SetPosition(static_cast<float>(frame % 300), 10.0f);
        text.SetAlignment(frame % 3);
        text.SetColor(Color{frame % 256, 0, 0, 255});
    }
    Font copy(text);
    done.store(true);
    render.join();
    EXPECT_EQ(copy.GetText(), "AB\nBA");
    EXPECT_EQ(Draw(copy).size(), 4u);
}
