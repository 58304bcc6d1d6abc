#include "conversationbox.h"

#include <gtest/gtest.h>

#include <functional>

#include "conversationlayout.h"
#include "eventsingelton.h"
#include "headlessframe.h"
#include "inputwrapper/inputwrapper.h"
#include "levelconversation.h"
#include "renderdata.h"
#include "textfixtures.h"

namespace
{
const int ourPortraitWidth = 180;
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

}  // namespace

TEST_F(ConversationBoxTest, EachLineShowsItsSpeakerLitOnTheirSideAndTheListenerDimmed)
{
    myBox.AddLine("Ester: : Hello there;");
    myBox.AddLine("Roderick: : Beep;");
    myBox.AddLine("The door creaks.;");
    const float column = geometry::ourTextRight - geometry::ourTextLeft;
    struct Expected
    {
        const char* left;   // portrait texture shown on the left, "" for none
        const char* right;  // and on the right
        DWORD leftColour;
        DWORD rightColour;
        const char* leftName;
        const char* rightName;
        float textX;  // where the line's first glyph starts
    };
    const DWORD lit = 0xFFFFFFFF;
    const DWORD dimmed = 0xFF6E6E78;
    const Expected expected[] = {
        {ourHeroine, ourRobot, lit, dimmed, "Ester", "", float(geometry::ourTextLeft)},
        {ourHeroine, ourRobot, dimmed, lit, "", "Roderick", float(geometry::ourTextLeft)},
        // Narration: nobody's face, no plate, the words in the middle of the column.
        {"", "", 0, 0, "", "", geometry::ourTextLeft + (column - 16 * 10) / 2.0f},
    };
    for (const Expected& line : expected)
    {
        SCOPED_TRACE(line.leftName + std::string("|") + line.rightName);
        myBox.Update();
        const std::vector<hgeQuad> quads = Draw();
        size_t next = 1;  // the panel is quad 0
        for (const auto& [portrait, colour] :
             {std::pair{line.left, line.leftColour}, std::pair{line.right, line.rightColour}})
        {
            if (*portrait == '\0')
            {
                continue;
            }
            ASSERT_LT(next, quads.size());
            const HTEXTURE texture = myHGE->Texture_Load((myFolder + portrait).c_str());
            EXPECT_EQ(quads[next].tex, texture);
            myHGE->Texture_Free(texture);
            EXPECT_EQ(quads[next].v[0].col, colour);
            // The speaker's plate follows the speaker's portrait.
            next += colour == lit ? 2 : 1;
        }
        EXPECT_EQ(myBox.GetShownName(SpeakerSide::LEFT), line.leftName);
        EXPECT_EQ(myBox.GetShownName(SpeakerSide::RIGHT), line.rightName);
        const size_t nameGlyphs =
            std::string(line.leftName).size() + std::string(line.rightName).size();
        ASSERT_LT(next + nameGlyphs, quads.size());
        EXPECT_EQ(quads[next + nameGlyphs].v[0].x, line.textX);
        EXPECT_EQ(quads[next + nameGlyphs].v[0].y, float(geometry::ourTextTop));
        PressReturn();
    }
}

TEST_F(ConversationBoxTest, PortraitsAndPlatesStandOnTheirSidesOfThePanel)
{
    RenderData buffer;
    myBox.FillRenderBuffer(buffer);
    const std::deque<RenderMessage>& commands = buffer.GetCommands();
    ASSERT_EQ(commands.size(), 8u);
    const float left = geometry::ourPortraitMargin;
    const float right = geometry::ourRightPortraitLeft;
    const float plateName = geometry::ourNamePlateWidth / 2.0f;
    const float expected[8][3] = {
        {RENDER_SPRITE, 0, geometry::ourBoxTop},
        {RENDER_SPRITE, left, geometry::ourPortraitTop},
        {RENDER_SPRITE, left, geometry::ourNamePlateTop},
        {RENDER_SPRITE, right, geometry::ourPortraitTop},
        {RENDER_SPRITE, right, geometry::ourNamePlateTop},
        {RENDER_TEXT, left + plateName, geometry::ourNamePlateTop + 15.0f},
        {RENDER_TEXT, right + plateName, geometry::ourNamePlateTop + 15.0f},
        {RENDER_TEXT, geometry::ourTextLeft, geometry::ourTextTop},
    };
    for (size_t i = 0; i < commands.size(); ++i)
    {
        EXPECT_EQ(commands[i].myKind, expected[i][0]) << i;
        EXPECT_EQ(commands[i].myPosition, Vector2<float>(expected[i][1], expected[i][2])) << i;
    }
    // Only the panel shows until a line does.
    EXPECT_EQ(Draw().size(), 1u);
}

TEST_F(ConversationBoxTest, LinesAreWrappedToTheColumnWithoutTheirLabel)
{
    // Ten pixels a character: 61 characters of words, wider than no column.
    const std::string words(20, 'a');
    myBox.AddLine("Ester: : " + words + " " + words + " " + words + ";");
    const size_t perRow = static_cast<size_t>(ConversationBox::GetColumnWidth() / 10.0f);
    const std::string& shown = myBox.GetLines()[0].shown;
    EXPECT_EQ(shown.find("Ester"), std::string::npos);
    size_t start = 0;
    for (size_t end = shown.find('\n'); start != std::string::npos;
         start = end == std::string::npos ? end : end + 1, end = shown.find('\n', start))
    {
        const std::string row = shown.substr(start, end - start);
        EXPECT_LE(row.size(), perRow) << row;
        EXPECT_NE(row.front(), ' ') << row;
    }
}

TEST_F(ConversationBoxTest, ReturnShowsNextLineNotWhilePausedAndClosesAfterTheLast)
{
    myBox.AddLine("Ester: : one;");
    myBox.AddLine("Ester: : two;");
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), "one");

    PostMaster::GetInstance()->paused = true;
    PressReturn();
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), "one");

    PostMaster::GetInstance()->paused = false;
    PressReturn();
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), "two");
    EXPECT_TRUE(myBox.IsActive());

    PressReturn();
    EXPECT_FALSE(myBox.IsActive());
    myBox.Update();
    EXPECT_EQ(myBox.GetShownLine(), "two");
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
    original.SetScript(
        {"Intro", false, {ScriptStretch{{ScriptWording{{}, {"Ester: : one two;"}}}}}});
    LevelConversation copy = original;
    copy.Update();
    const std::vector<hgeQuad> quads =
        Draw([&copy](RenderData& aBuffer) { copy.FillRenderBuffer(aBuffer); });
    // Panel, portrait and plate; "Ester"; "one two" (the blank is a glyph too).
    ASSERT_EQ(quads.size(), 3u + 5u + 7u);
    EXPECT_EQ(quads[8].v[0].x, float(geometry::ourTextLeft));
    EXPECT_EQ(quads[8].v[0].y, float(geometry::ourTextTop));
}
