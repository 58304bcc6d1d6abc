#include "renderdata.h"

#include <gtest/gtest.h>

#include "animationbase.h"
#include "font.h"
#include "runtimefixtures.h"
#include "staticsprite.h"

class RenderDataTest : public HeadlessTest
{
protected:
    // A font with one glyph, "A", 8 x 16 pixels.
    std::string WriteFont()
    {
        testpictures::WriteFile(myFolder / "glyphs.dds",
                                testpictures::DdsArgb32(testpictures::Filled(8, 16, 0xFFFFFFFF)));
        const std::string text = "[HGEFONT]\nBitmap=glyphs.dds\nChar=\"A\",0,0,8,16,0,0\n";
        return testpictures::WriteFile(myFolder / "font.fnt",
                                       std::vector<uint8_t>(text.begin(), text.end()));
    }
};

TEST_F(RenderDataTest, ReplayDrawsTheKindsInSubmissionOrderFromTheirOwnQueues)
{
    StaticSprite first(myHGE, Picture("first.dds", 10, 10));
    StaticSprite hidden(myHGE, Picture("hidden.dds", 10, 10));
    StaticSprite last(myHGE, Picture("last.dds", 10, 10));
    hidden.SetVisible(false);
    AnimationBase walk(myHGE);
    walk.AddSheet(Picture("walk.dds", 40, 10), 4, 5.0f);
    walk.Init();
    Font caption(myHGE, WriteFont());
    caption.Load();
    caption.SetText("A");
    caption.SetPosition(300.0f, 400.0f);

    RenderData buffer;
    buffer.SetElapsed(5.0f);
    buffer.SubmitSprite(first, Vector2<float>(1.0f, 1.0f));
    buffer.SubmitAnimation(walk, Vector2<float>(2.0f, 2.0f));
    buffer.SubmitText(caption, Vector2<float>(3.0f, 3.0f));
    buffer.SubmitSprite(hidden, Vector2<float>(4.0f, 4.0f));
    buffer.SubmitSprite(last, Vector2<float>(5.0f, 5.0f));
    buffer.SubmitAnimation(walk, Vector2<float>(6.0f, 6.0f));
    ASSERT_EQ(buffer.GetCommands().size(), 6u);
    EXPECT_EQ(buffer.GetCommands()[2].myKind, RENDER_TEXT);
    EXPECT_EQ(buffer.GetCommands()[3].myPosition, Vector2<float>(4.0f, 4.0f));

    const std::vector<hgeQuad> quads = Draw([&] { buffer.Replay(buffer.GetElapsed()); });
    ASSERT_EQ(quads.size(), 5u);  // the hidden sprite keeps its place and draws nothing
    EXPECT_EQ(quads[0].tex, first.GetTexture());
    EXPECT_FLOAT_EQ(quads[0].v[0].x, 1.0f);
    EXPECT_EQ(quads[1].tex, walk.GetTexture());
    EXPECT_FLOAT_EQ(quads[1].v[0].x, 2.0f);
    // The text stands at the font's own position, not the command's.
    EXPECT_FLOAT_EQ(quads[2].v[0].x, 300.0f);
    EXPECT_FLOAT_EQ(quads[2].v[0].y, 400.0f);
    EXPECT_EQ(quads[3].tex, last.GetTexture());
    EXPECT_FLOAT_EQ(quads[3].v[0].x, 5.0f);
    EXPECT_FLOAT_EQ(quads[4].v[0].x, 6.0f);
    // Each entry of the animation advanced it by the whole elapsed time.
    EXPECT_EQ(walk.GetFrame(), 2);

    buffer.Clear();
    EXPECT_TRUE(buffer.IsEmpty());
    EXPECT_FLOAT_EQ(buffer.GetElapsed(), 5.0f);
    EXPECT_TRUE(Draw([&] { buffer.Replay(5.0f); }).empty());
    EXPECT_EQ(walk.GetFrame(), 2);
}

TEST_F(RenderDataTest, TheLaterOfTwoSpritesAtOnePlaceIsDrawnOnTop)
{
    StaticSprite red(myHGE, Picture("red.dds", 4, 4, 0xFFFF0000));
    StaticSprite blue(myHGE, Picture("blue.dds", 4, 4, 0xFF0000FF));
    RenderData buffer;
    buffer.SubmitSprite(red, Vector2<float>(0.0f, 0.0f));
    buffer.SubmitSprite(blue, Vector2<float>(0.0f, 0.0f));
    const std::vector<hgeQuad> quads = Draw([&] { buffer.Replay(0.0f); });
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_EQ(quads[1].tex, blue.GetTexture());

    // Copies of a buffer carry the same entries.
    RenderData copy = buffer;
    EXPECT_EQ(Draw([&] { copy.Replay(0.0f); }).size(), 2u);
}
