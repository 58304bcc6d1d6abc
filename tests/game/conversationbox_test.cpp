#include "conversationbox.h"

#include <gtest/gtest.h>

#include <functional>

#include "eventsingelton.h"
#include "headlessframe.h"
#include "inputwrapper/inputwrapper.h"
#include "levelconversation.h"
#include "renderdata.h"
#include "textfixtures.h"

namespace
{
const int ourPortraitWidth = 120;
const char ourHeroine[] = "img/Conversation/heroinePortrait.dds";
const char ourRobot[] = "img/Conversation/RobotPortrait.dds";

class ConversationBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHGE = hgeCreate(HGE_VERSION);
        PostMaster::Create();
        myInput.Init(myHGE);
        myFolder = textfixtures::ScratchFolder(
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        textfixtures::WriteConversationFiles(myFolder, ourPortraitWidth);
        myBox = ConversationBox(myHGE, myFolder);
        myBox.Init();
    }
    void TearDown() override
    {
        PostMaster::Destroy();
        myHGE->Release();
    }

    // Presses and lets go of Return, as two logic frames see it.
    void PressReturn()
    {
        platform::InputSource* keys = myHGE->System_GetState(HGE_HWND);
        keys->SetKey(0x1C, true);
        myInput.Update();
        myBox.HandleInput(myInput);
        keys->SetKey(0x1C, false);
        myInput.ClearKeyEdges();
        myInput.Update();
        myBox.HandleInput(myInput);
        myInput.ClearKeyEdges();
    }

    // The quads one frame draws of what aFill submits (the test's box by default).
    std::vector<hgeQuad> Draw(const std::function<void(RenderData&)>& aFill = nullptr)
    {
        RenderData buffer;
        if (aFill)
        {
            aFill(buffer);
        }
        else
        {
            myBox.FillRenderBuffer(buffer);
        }
        myHGE->Gfx_BeginScene(0);
        buffer.Replay(0.0f);
        myHGE->Gfx_EndScene();
        platform::PresentedFrame frame;
        EXPECT_TRUE(platform::LastPresentedFrame(myHGE, frame));
        return frame.myQuads;
    }

    HGE* myHGE = nullptr;
    InputWrapper myInput;
    std::string myFolder;
    ConversationBox myBox;
};

// Nine-letter words: with ten pixels per character each word and its blank take 100 pixels.
const char ourLongLine[] =
    "Heroine: : aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff;";
}  // namespace

TEST_F(ConversationBoxTest, PicturesAndTextsAreLaidOutAroundThePortraits)
{
    RenderData buffer;
    myBox.FillRenderBuffer(buffer);
    const std::deque<RenderMessage>& commands = buffer.GetCommands();
    ASSERT_EQ(commands.size(), 8u);
    const float expected[8][3] = {
        {RENDER_SPRITE, 0, 430},    // panel
        {RENDER_SPRITE, 5, 424},    // left portrait, 6 above the panel
        {RENDER_SPRITE, 5, 564},    // its name plate, 10 below the 130 high portrait
        {RENDER_SPRITE, 899, 424},  // right portrait, 5 from the right edge
        {RENDER_SPRITE, 899, 564}, {RENDER_TEXT, 65, 579},   // names centred on the 120 wide plates
        {RENDER_TEXT, 959, 579},   {RENDER_TEXT, 135, 465},  // the line, right of the left portrait
    };
    for (size_t i = 0; i < commands.size(); ++i)
    {
        EXPECT_EQ(commands[i].myKind, expected[i][0]) << i;
        EXPECT_EQ(commands[i].myPosition, Vector2<float>(expected[i][1], expected[i][2])) << i;
    }
    // Only the panel shows until a speaker is set.
    EXPECT_EQ(Draw().size(), 1u);
}

TEST_F(ConversationBoxTest, SpeakerShowsPortraitInTheEmptyPortraitsRectangleAndName)
{
    myBox.SetLeftSpeaker(ourHeroine, "Ann");
    const std::vector<hgeQuad> quads = Draw();
    ASSERT_EQ(quads.size(), 6u);  // panel, portrait, plate, three glyphs
    EXPECT_EQ(quads[1].tex, myHGE->Texture_Load((myFolder + ourHeroine).c_str()));
    myHGE->Texture_Free(quads[1].tex);
    EXPECT_EQ(quads[1].v[2].x, 5.0f + ourPortraitWidth);
    EXPECT_EQ(quads[1].v[2].y, 424.0f + 130.0f);
    EXPECT_EQ(quads[3].v[0].x, 50.0f);  // "Ann" is 30 wide, centred on 65
}

TEST_F(ConversationBoxTest, LeftSpeakerAloneLetsLinesRunIntoTheRightPortraitArea)
{
    myBox.AddLine("Ann: : Hi there;");
    EXPECT_EQ(myBox.GetWrapWidth(), 0.0f);
    myBox.SetLeftSpeaker(ourHeroine, "Ann");
    EXPECT_EQ(myBox.GetWrapWidth(), ourPortraitWidth + 467.0f);
    myBox.AddLine(ourLongLine);
    myBox.SetRightSpeaker(ourRobot, "Robot");
    EXPECT_EQ(myBox.GetWrapWidth(), 482.0f);
    myBox.AddLine(ourLongLine);

    ASSERT_EQ(myBox.GetLines().size(), 3u);
    EXPECT_EQ(myBox.GetLines()[0], "\nAnn:\n\nHi\nthere");
    // 587 pixels hold five words, 482 only four.
    EXPECT_EQ(myBox.GetLines()[1],
              " Heroine:\n aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee\nfffffffff");
    EXPECT_EQ(myBox.GetLines()[2],
              " Heroine:\n aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd\neeeeeeeee fffffffff");
}

TEST_F(ConversationBoxTest, ReturnShowsNextLineNotWhilePausedAndClosesAfterTheLast)
{
    myBox.SetLeftSpeaker(ourHeroine, "Ann");
    myBox.AddLine("Ann: : one;");
    myBox.AddLine("Ann: : two;");
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), " Ann:\n one");

    PostMaster::GetInstance()->paused = true;
    PressReturn();
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), " Ann:\n one");

    PostMaster::GetInstance()->paused = false;
    PressReturn();
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), " Ann:\n two");
    EXPECT_TRUE(myBox.IsActive());

    PressReturn();
    EXPECT_FALSE(myBox.IsActive());
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), " Ann:\n two");
    PressReturn();
    EXPECT_FALSE(myBox.IsActive());
}

TEST_F(ConversationBoxTest, BoxWithoutLinesShowsNothingAndClosesAtTheFirstReturn)
{
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), "");
    PressReturn();
    EXPECT_FALSE(myBox.IsActive());
}

TEST_F(ConversationBoxTest, CopiedConversationDrawsWithTheOriginalsPicturesAndFonts)
{
    LevelConversation original(myHGE, "Intro", myFolder);
    original.Init();
    original.SetLeftSpeaker(ourHeroine, "Ann");
    original.AddLine("Ann: : one;");
    LevelConversation copy = original;
    copy.Update();
    const std::vector<hgeQuad> quads =
        Draw([&copy](RenderData& aBuffer) { copy.FillRenderBuffer(aBuffer); });
    // Panel, portrait and plate; "Ann"; " Ann:" and " one" (blanks are glyphs too).
    ASSERT_EQ(quads.size(), 3u + 3u + 9u);
    EXPECT_EQ(quads[6].v[0].x, 135.0f);
    EXPECT_EQ(quads[11].v[0].y, 465.0f + 16.0f);
}
