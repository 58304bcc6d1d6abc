// The picture sequences and the menus around the game: the prologue, the end picture, the
// bird's flight, the title screen and the quit menu.
#include <gtest/gtest.h>

#include "billboard.h"
#include "eventsingelton.h"
#include "headlessframe.h"
#include "overlaypair.h"
#include "quitmenu.h"
#include "slideshow.h"
#include "startscreen.h"
#include "worldfixtures.h"

namespace
{
using namespace worldfixtures;
using V = Vector2<float>;

class CutsceneTest : public WorldTest
{
protected:
    HTEXTURE Texture(const std::string& aPath) const
    {
        return myHGE->Texture_Load(aPath.c_str(), 0, false);
    }
    // The texture of the one picture a slideshow draws.
    HTEXTURE Shown(const Slideshow& aShow) const
    {
        RenderData buffer;
        aShow.FillRenderBuffer(buffer);
        if (buffer.IsEmpty())
        {
            return 0;
        }
        return TextureOfFirstSprite(buffer);
    }
    // Draws the buffer on the headless engine and tells the first quad's texture.
    HTEXTURE TextureOfFirstSprite(const RenderData& aBuffer) const
    {
        myHGE->Gfx_BeginScene(0);
        aBuffer.Replay(0.0f);
        myHGE->Gfx_EndScene();
        platform::PresentedFrame frame;
        platform::LastPresentedFrame(myHGE, frame);
        return frame.myQuads.empty() ? 0 : frame.myQuads[0].tex;
    }
    static std::string Slide(int aNumber)
    {
        return "img/CutsceneImages/prologue0" + std::to_string(aNumber) + ".dds";
    }
};

TEST_F(CutsceneTest, EachProloguePictureStaysFiveSecondsAndTheLastOneEndsIt)
{
    Slideshow show(Engine());
    EXPECT_EQ(Texture(Slide(1)), Shown(show));
    show.Update(4999.0f);
    EXPECT_EQ(Texture(Slide(1)), Shown(show));
    show.Update(1.0f);
    EXPECT_EQ(Texture(Slide(2)), Shown(show));
    for (int slide = 3; slide <= 7; ++slide)
    {
        show.Update(5000.0f);
        EXPECT_EQ(Texture(Slide(slide)), Shown(show));
    }
    EXPECT_FALSE(PostMaster::GetInstance()->openingFinished);
    show.Update(4999.0f);
    EXPECT_TRUE(show.IsRunning());
    show.Update(1.0f);
    EXPECT_TRUE(show.IsFinished());
    EXPECT_FALSE(show.IsRunning());
    EXPECT_TRUE(PostMaster::GetInstance()->openingFinished);
    EXPECT_EQ(0u, Shown(show));
}

TEST_F(CutsceneTest, ESkipsAPictureAtTheNextUpdateAndSevenSkipsEndThePrologue)
{
    Slideshow show(Engine());
    for (int skip = 1; skip <= 7; ++skip)
    {
        Press(skip % 2 ? ourKeyE : ourKeyReturn);
        show.HandleInput(myInput);
        EXPECT_FALSE(show.IsFinished()) << skip;
        show.Update(0.0f);
    }
    EXPECT_TRUE(show.IsFinished());
    EXPECT_TRUE(PostMaster::GetInstance()->openingFinished);
}

TEST_F(CutsceneTest, TheReturnThatLeavesTheTitleDoesNotSkipTheFirstPicture)
{
    StartScreen screen(Engine());
    RenderData title;
    screen.FillRenderBuffer(title);
    EXPECT_EQ(Texture("img/CutsceneImages/mainscreen.dds"), TextureOfFirstSprite(title));
    Press(ourKeyReturn);
    screen.HandleInput(myInput);
    screen.Update(16.0f);
    EXPECT_TRUE(screen.IsSlideshowRunning());
    RenderData prologue;
    screen.FillRenderBuffer(prologue);
    EXPECT_EQ(Texture(Slide(1)), TextureOfFirstSprite(prologue));
    EXPECT_FALSE(screen.IsStarted());
    for (int skip = 0; skip < 7; ++skip)
    {
        Press(ourKeyReturn);
        screen.HandleInput(myInput);
        screen.Update(16.0f);
    }
    EXPECT_TRUE(screen.IsStarted());
    RenderData started;
    screen.FillRenderBuffer(started);
    EXPECT_TRUE(started.IsEmpty());
}

TEST_F(CutsceneTest, TheBirdsFlightFollowsItsFrameTimeline)
{
    OverlayPair flight(Engine());
    RenderData idle;
    OverlayPair().FillRenderBuffer(idle);
    EXPECT_TRUE(idle.IsEmpty());

    // Curtain in: 255 frames, whatever their length.
    for (int frame = 1; frame <= 254; ++frame)
    {
        flight.Update(1000.0f);
    }
    EXPECT_EQ(254, flight.GetCurtainAlpha());
    EXPECT_EQ(0, flight.GetPictureAlpha());
    flight.Update(0.0f);
    EXPECT_EQ(255, flight.GetCurtainAlpha());
    // The picture starts fading in the frame the curtain is closed.
    EXPECT_EQ(1, flight.GetPictureAlpha());
    for (int frame = 2; frame <= 255; ++frame)
    {
        flight.Update(0.0f);
    }
    EXPECT_EQ(255, flight.GetPictureAlpha());
    // The hold counts milliseconds from the frame the picture is fully in: 5000 of them.
    flight.Update(4000.0f);
    flight.Update(999.0f);
    EXPECT_EQ(255, flight.GetPictureAlpha());
    flight.Update(1.0f);
    EXPECT_EQ(254, flight.GetPictureAlpha());
    for (int frame = 2; frame <= 255; ++frame)
    {
        flight.Update(0.0f);
    }
    EXPECT_EQ(0, flight.GetPictureAlpha());
    EXPECT_EQ(254, flight.GetCurtainAlpha());
    for (int frame = 2; frame <= 254; ++frame)
    {
        flight.Update(0.0f);
    }
    EXPECT_FALSE(flight.IsFinished());
    flight.Update(0.0f);
    EXPECT_TRUE(flight.IsFinished());
    EXPECT_EQ(0, flight.GetCurtainAlpha());
    // Both pictures are still submitted, transparent; the picture's top is above the screen.
    RenderData after;
    flight.FillRenderBuffer(after);
    ASSERT_EQ(2u, after.GetCommands().size());
    EXPECT_EQ(V(0, 0), after.GetCommands()[0].myPosition);
    EXPECT_EQ(V(0, -125), after.GetCommands()[1].myPosition);
    flight.Update(16.0f);
    EXPECT_TRUE(flight.IsFinished());
}

TEST_F(CutsceneTest, TheEndPictureStaysOnceShownAndReturnOrEscapeDismissIt)
{
    Billboard billboard(Engine());
    RenderData hidden;
    billboard.FillRenderBuffer(hidden);
    EXPECT_TRUE(hidden.IsEmpty());
    billboard.Show(0.0f);
    RenderData shown;
    billboard.FillRenderBuffer(shown);
    EXPECT_EQ(1u, shown.GetCommands().size());
    Press(ourKeyE);
    billboard.HandleInput(myInput);
    EXPECT_FALSE(billboard.IsDismissed());
    Press(ourKeyReturn);
    billboard.HandleInput(myInput);
    EXPECT_TRUE(billboard.IsDismissed());

    Billboard other(Engine());
    Press(0x01);
    other.HandleInput(myInput);
    EXPECT_TRUE(other.IsDismissed());
}

class QuitMenuTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        // Buttons of 172 x 52, as the game's own.
        AddPicture("img/QuitMenu/Button Exit Game Normal.dds", 172, 52);
        AddPicture("img/QuitMenu/Button Continue Game Normal.dds", 172, 52);
        myMenu = QuitMenu(Engine());
        myMenu.Init();
    }

    // A left click at aAt, with the menu open or not.
    void ClickAt(const V& aAt)
    {
        WorldTest::ClickAt(static_cast<int>(aAt.x), static_cast<int>(aAt.y),
                           [this] { myMenu.Update(myInput); });
    }

    QuitMenu myMenu;
};

TEST_F(QuitMenuTest, OnlyAClickStrictlyInsideAButtonPressesIt)
{
    EXPECT_EQ(V(426, 240), myMenu.GetExitTopLeft());
    EXPECT_EQ(V(598, 292), myMenu.GetExitBottomRight());
    EXPECT_EQ(V(426, 175), myMenu.GetContinueTopLeft());
    PostMaster& flags = *PostMaster::GetInstance();

    ClickAt(V(500, 200));  // "continue", but the menu is closed
    EXPECT_FALSE(flags.paused);
    flags.paused = true;
    for (const V& edge : {V(426, 200), V(598, 200), V(500, 175), V(500, 227), V(700, 700)})
    {
        ClickAt(edge);
        EXPECT_TRUE(flags.paused) << edge.x << ", " << edge.y;
    }
    ClickAt(V(427, 176));
    EXPECT_FALSE(flags.paused);
    for (const V& edge : {V(426, 260), V(598, 260), V(500, 240), V(500, 292)})
    {
        flags.paused = true;
        ClickAt(edge);
        EXPECT_FALSE(flags.quitRequested) << edge.x << ", " << edge.y;
    }
    ClickAt(V(597, 291));
    EXPECT_TRUE(flags.quitRequested);

    RenderData open;
    myMenu.FillRenderBuffer(open);
    EXPECT_EQ(3u, open.GetCommands().size());
    flags.paused = false;
    RenderData closed;
    myMenu.FillRenderBuffer(closed);
    EXPECT_TRUE(closed.IsEmpty());
}
}  // namespace
