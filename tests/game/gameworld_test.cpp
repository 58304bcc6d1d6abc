// The world's frame inside a whole Game on the headless engine and the stand-in world, driven
// by keys and the mouse as a player drives it: the title, the prologue, play, the quit menu.
#include <gtest/gtest.h>

#include "eventsingelton.h"
#include "game.h"
#include "runtimefixtures.h"
#include "soundmanager.h"

namespace
{
constexpr uint8_t ourKeyE = 0x12;
constexpr uint8_t ourKeyReturn = 0x1C;
constexpr uint8_t ourKeyEscape = 0x01;

// What each frame saw, besides the script's input.
class Script : public FrameScript
{
public:
    struct Seen
    {
        bool paused;
        bool openingFinished;
        std::string music;
        bool drawnWhereSheStands;
    };

    void Look(const Game& aGame) override
    {
        const PostMaster& flags = *PostMaster::GetInstance();
        const Player& heroine = aGame.GetPlayer();
        const bool drawnWhereSheStands =
            heroine.GetScreenPosition() ==
            heroine.GetWorldPosition() - aGame.GetCamera().GetPosition();
        mySeen.push_back(Seen{flags.paused, flags.openingFinished,
                              SoundManager::Instance()->GetCurrent(), drawnWhereSheStands});
    }

    std::vector<Seen> mySeen;
};

class GameWorldTest : public HeadlessTest
{
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        UseStandInWorld();
        myScript.myInput = myHGE->System_GetState(HGE_HWND);
    }

    void TearDown() override
    {
        myHGE->System_GetState(HGE_HWND)->ReleaseAll();
        HeadlessTest::TearDown();
    }

    // Runs a game until aSwaps swaps were made or it ended; the quads of the last frame it
    // presented, and whether the game asked to end.
    std::vector<hgeQuad> Run(bool aPlay, uint64_t aSwaps)
    {
        GameOptions options;
        options.myStartInPlay = aPlay;
        options.myFixedStepMs = 2.0f;
        options.myPaced = false;
        options.myObserver = &myScript;
        platform::PresentedFrame frame;
        Game game(hgeCreate(HGE_VERSION), options);
        game.Start();
        while (game.GetSwapCount() < aSwaps && game.SwapBuffers())
        {
        }
        myEnded = !game.SwapBuffers();
        game.Stop();
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        return frame.myQuads;
    }

    // The texture the engine gives the game's picture aPath.
    HTEXTURE Texture(const char* aPath) const { return myHGE->Texture_Load(aPath, 0, false); }

    Script myScript;
    bool myEnded = false;
};

TEST_F(GameWorldTest, ReturnLeavesTheTitleAndTheProloguesEndStartsPlay)
{
    myScript.Tap(2, ourKeyEscape);  // not before the prologue has been seen
    myScript.Tap(5, ourKeyReturn);  // leaves the title: seen at frame 7
    myScript.Tap(10, ourKeyEscape);
    for (int skip = 0; skip < 7; ++skip)
    {
        myScript.Tap(20 + 4 * skip, ourKeyE);  // seen at frames 22, 26, ... 46
    }
    const std::vector<hgeQuad> quads = Run(false, 60);
    const std::vector<Script::Seen>& seen = myScript.mySeen;
    ASSERT_GE(seen.size(), 59u);
    for (int frame = 0; frame < 46; ++frame)
    {
        EXPECT_FALSE(seen[frame].paused) << frame;
        EXPECT_FALSE(seen[frame].openingFinished) << frame;
        EXPECT_EQ("", seen[frame].music) << frame;  // the title track is played by name only
    }
    // The seventh skip ends the prologue: play starts in that frame, with the scene's music.
    EXPECT_TRUE(seen[46].openingFinished);
    EXPECT_EQ("Machine", seen[46].music);
    // The title picture is gone; the prologue draws nothing once it has finished.
    for (const hgeQuad& quad : quads)
    {
        EXPECT_NE(Texture("img/CutsceneImages/mainscreen.dds"), quad.tex);
        EXPECT_NE(Texture("img/CutsceneImages/prologue07.dds"), quad.tex);
    }
}

TEST_F(GameWorldTest, TheReturnThatLeavesTheTitleDoesNotSkipTheFirstPicture)
{
    myScript.Tap(5, ourKeyReturn);
    const std::vector<hgeQuad> quads = Run(false, 12);
    ASSERT_FALSE(quads.empty());
    // The prologue's first picture is on top of everything of the frame.
    EXPECT_EQ(Texture("img/CutsceneImages/prologue01.dds"), quads.back().tex);
}

TEST_F(GameWorldTest, EscapeOpensTheMenuContinueResumesAndExitEndsTheGame)
{
    // The cursor starts at (512, 384); the stand-in buttons are 16 x 16 at (426, 175) and
    // (426, 240).
    myScript.Tap(10, ourKeyEscape);
    myScript.Click(20, -78, -201);  // "continue" at (434, 183)
    myScript.Tap(30, ourKeyEscape);
    myScript.Click(40, 0, 65);  // "exit" at (434, 248)
    Run(true, 1000);
    const std::vector<Script::Seen>& seen = myScript.mySeen;
    ASSERT_GE(seen.size(), 32u);
    EXPECT_FALSE(seen[10].paused);
    EXPECT_TRUE(seen[11].paused);  // Escape held
    EXPECT_TRUE(seen[22].paused);
    EXPECT_FALSE(seen[23].paused);  // the button let go over "continue"
    EXPECT_TRUE(seen[31].paused);
    // The button let go over "exit" at frame 43 ends the game: no frame follows it.
    EXPECT_TRUE(myEnded);
    EXPECT_EQ(44u, seen.size());
}

TEST_F(GameWorldTest, TheViewIsKeptWithinTheSceneBeforeTheHeroineIsPlacedOnScreen)
{
    // She starts parked far outside the time machine, the view centred on her beyond its edges:
    // every frame, her picture must stand where the clamped view shows her floor position.
    Run(true, 30);
    ASSERT_GE(myScript.mySeen.size(), 29u);
    for (size_t frame = 0; frame < myScript.mySeen.size(); ++frame)
    {
        EXPECT_TRUE(myScript.mySeen[frame].drawnWhereSheStands) << frame;
    }
}

TEST_F(GameWorldTest, ThePausedGameShowsTheCursorOnTop)
{
    myScript.Tap(5, ourKeyEscape);
    const std::vector<hgeQuad> quads = Run(true, 12);
    ASSERT_FALSE(quads.empty());
    // The cursor starts at the input's (512, 384), above the menu.
    EXPECT_EQ(Texture("img/cursor.dds"), quads.back().tex);
    EXPECT_EQ(512.0f, quads.back().v[0].x);
    EXPECT_EQ(384.0f, quads.back().v[0].y);
}
}  // namespace
