// What was said: lines noted as they are shown, once each, newest last; L opens the panel,
// W and S scroll it; each line beside its speaker's face and name.
#include "conversationhistory.h"

#include <gtest/gtest.h>

#include "conversationlayout.h"
#include "renderdata.h"
#include "worldfixtures.h"

namespace
{
using namespace worldfixtures;
constexpr uint8_t ourKeyL = 0x26;

class ConversationHistoryTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        myHistory.Init(Engine());
    }
    void PressInHistory(uint8_t aKey)
    {
        Press(aKey);
        myHistory.HandleInput(myInput);
        myHistory.Update();
    }
    ConversationHistory myHistory;
};

TEST_F(ConversationHistoryTest, EachLineShownIsNotedOnceNewestLastAndLShowsThemWithTheirSpeakers)
{
    myHistory.Note(*FindSpeaker("Computer"), "Wake up.");
    myHistory.Note(*FindSpeaker("Computer"), "Wake up.");  // the same line, still on screen
    myHistory.Note(*FindSpeaker("Ester"), "Five more minutes.");
    myHistory.Note(Narrator(), "She sits up.");
    ASSERT_EQ(3u, myHistory.GetEntries().size());
    EXPECT_EQ("", myHistory.GetEntries()[2].speaker);

    myHistory.Update();
    RenderData closed;
    myHistory.FillRenderBuffer(closed);
    EXPECT_TRUE(closed.IsEmpty());

    PressInHistory(ourKeyL);
    ASSERT_TRUE(myHistory.IsOpen());
    EXPECT_EQ((std::vector<size_t>{0, 1, 2}), myHistory.GetShownEntries());
    RenderData open;
    myHistory.FillRenderBuffer(open);
    // The panel, then per line its face, its name and its words; the newest at the bottom.
    ASSERT_EQ(1u + 3u * 3u, open.GetCommands().size());
    const std::deque<RenderMessage>& commands = open.GetCommands();
    EXPECT_EQ(Vector2<float>(geometry::ourHistoryLeft, geometry::ourHistoryTop),
              commands[0].myPosition);
    for (size_t line = 0; line < 3; ++line)
    {
        const RenderMessage& face = commands[1 + line * 3];
        EXPECT_EQ(float(geometry::ourHistoryListLeft), face.myPosition.x);
        EXPECT_EQ(float(geometry::ourHistoryTextLeft), commands[3 + line * 3].myPosition.x);
        if (line > 0)
        {
            EXPECT_GT(face.myPosition.y, commands[1 + (line - 1) * 3].myPosition.y);
        }
        EXPECT_LE(face.myPosition.y + geometry::ourHistoryFaceSize,
                  float(geometry::ourHistoryListBottom));
    }

    PressInHistory(ourKeyL);
    EXPECT_FALSE(myHistory.IsOpen());
}

TEST_F(ConversationHistoryTest, ALongHistoryShowsItsNewestLinesAndScrollsBackOneLineAPress)
{
    for (int line = 0; line < 40; ++line)
    {
        myHistory.Note(*FindSpeaker("Roderick"), "Beep number " + std::to_string(line) + ".");
    }
    PressInHistory(ourKeyL);
    const std::vector<size_t> newest = myHistory.GetShownEntries();
    ASSERT_GE(newest.size(), 12u);  // a dozen lines at a time, and more
    EXPECT_EQ(39u, newest.back());
    PressInHistory(ourKeyW);
    PressInHistory(ourKeyW);
    EXPECT_EQ(37u, myHistory.GetShownEntries().back());
    // A line said meanwhile does not move what is being read.
    myHistory.Note(*FindSpeaker("Ester"), "Hush.");
    myHistory.Update();
    EXPECT_EQ(37u, myHistory.GetShownEntries().back());
    for (int press = 0; press < 5; ++press)
    {
        PressInHistory(ourKeyS);
    }
    EXPECT_EQ(40u, myHistory.GetShownEntries().back());
    EXPECT_EQ(0u, myHistory.GetScroll());
    for (int press = 0; press < 60; ++press)
    {
        PressInHistory(ourKeyW);
    }
    EXPECT_EQ(0u, myHistory.GetShownEntries().front());  // no further than the first line
}

TEST_F(ConversationHistoryTest, ASavedHistoryComesBackWithoutLinesOfNobodyTheGameKnows)
{
    myHistory.SetEntries({{"Nissa", "Welcome."}, {"Nobody", "Boo."}, {"", "Rain falls."}});
    ASSERT_EQ(2u, myHistory.GetEntries().size());
    EXPECT_EQ("Nissa", myHistory.GetEntries()[0].speaker);
    EXPECT_EQ("Rain falls.", myHistory.GetEntries()[1].spoken);
}
}  // namespace
