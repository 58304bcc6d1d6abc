// Runs as text: the recording format read and written, a recording played back frame by frame,
// and what a recording keeps of the keyboard and mouse.
#include "inputwrapper/inputrecording.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "testpictures.h"

namespace
{
constexpr uint8_t kDown = 0x80;
constexpr uint8_t kW = 0x11;
constexpr uint8_t kReturn = 0x1C;
constexpr uint8_t kUnnamed = 0x56;  // the key beside left shift on some keyboards

std::string ProblemOf(const std::string& aText)
{
    std::vector<InputEvent> events;
    std::string problem;
    EXPECT_FALSE(ParseInputRecording(aText, events, problem)) << aText;
    return problem;
}

// A feed that gives a fixed reading, for the recorder to pass on.
class FixedFeed : public InputFeed
{
public:
    void Read(uint64_t /*aFrame*/, uint8_t aKeys[256], platform::MouseState& aMouse) override
    {
        std::copy(std::begin(myKeys), std::end(myKeys), aKeys);
        aMouse = myMouse;
    }
    uint8_t myKeys[256] = {};
    platform::MouseState myMouse;
};
}  // namespace

TEST(InputRecording, EveryEventKindIsReadAndWrittenTheSameWay)
{
    const std::string text =
        "marrowen-input 1\n"
        "# comments and blank lines are ignored\n"
        "\n"
        "0 down W\n"
        "12 up W\n"
        "12 mouse -3 40\n"
        "20 press left\n"
        "21 release left\n"
        "30 down Return\n"
        "31 up Escape\n"
        "40 down C\n";  // continues a saved game on the title
    std::vector<InputEvent> events;
    std::string problem;
    ASSERT_TRUE(ParseInputRecording(text, events, problem)) << problem;
    ASSERT_EQ(8u, events.size());
    std::string written = "marrowen-input 1\n";
    for (const InputEvent& event : events)
    {
        written += FormatInputEvent(event) + "\n";
    }
    std::vector<InputEvent> again;
    ASSERT_TRUE(ParseInputRecording(written, again, problem)) << problem;
    EXPECT_EQ(events.size(), again.size());
    EXPECT_EQ("12 mouse -3 40", FormatInputEvent(events[2]));
    EXPECT_EQ("31 up Escape", FormatInputEvent(events[6]));
    EXPECT_EQ(kReturn, events[5].scanCode);
    EXPECT_EQ(0x2E, events[7].scanCode);
    EXPECT_EQ("40 down C", FormatInputEvent(events[7]));
}

TEST(InputRecording, AMalformedLineIsNamedWithItsNumberAndProblem)
{
    EXPECT_EQ("line 1: the first line must be \"marrowen-input 1\"",
              ProblemOf("marrowen-input 2\n"));
    EXPECT_EQ("line 1: the first line must be \"marrowen-input 1\"", ProblemOf(""));
    EXPECT_EQ("line 3: \"down\" takes one key name (W, Return, Escape, Up, F1, PadA, ...)",
              ProblemOf("marrowen-input 1\n1 down W\n2 down Spacebar\n"));
    EXPECT_EQ("line 3: frame 4 comes after frame 5",
              ProblemOf("marrowen-input 1\n5 up W\n4 up W\n"));
    EXPECT_EQ("line 2: an event starts with its frame number",
              ProblemOf("marrowen-input 1\n-1 up W\n"));
    EXPECT_EQ("line 2: \"mouse\" takes two whole numbers, DX and DY",
              ProblemOf("marrowen-input 1\n1 mouse 3\n"));
    EXPECT_EQ("line 2: \"mouse\" takes two whole numbers, DX and DY",
              ProblemOf("marrowen-input 1\n1 mouse 3 99999999999\n"));
    EXPECT_EQ("line 2: \"press\" takes the button \"left\"",
              ProblemOf("marrowen-input 1\n1 press right\n"));
    EXPECT_EQ("line 2: unknown event \"jump\" (down, up, mouse, press or release)",
              ProblemOf("marrowen-input 1\n1 jump\n"));
}

TEST(InputRecording, APlaybackGivesEachFrameTheStateItsEventsBuilt)
{
    std::vector<InputEvent> events;
    std::string problem;
    ASSERT_TRUE(
        ParseInputRecording("marrowen-input 1\n2 down W\n2 mouse 5 0\n2 mouse 1 1\n"
                            "4 press left\n5 up W\n5 release left\n",
                            events, problem));
    FixedFeed live;
    live.myKeys[kUnnamed] = kDown;
    ReplayFeed replay(events, &live);
    uint8_t keys[256];
    platform::MouseState mouse;
    replay.Read(0, keys, mouse);
    EXPECT_EQ(0, keys[kW]);
    replay.Read(2, keys, mouse);
    EXPECT_EQ(kDown, keys[kW]);
    EXPECT_EQ(6, mouse.x);  // both motions of the frame
    EXPECT_EQ(1, mouse.y);
    replay.Read(3, keys, mouse);
    EXPECT_EQ(kDown, keys[kW]);  // held on
    EXPECT_EQ(0, mouse.x);       // motion is read once
    replay.Read(4, keys, mouse);
    EXPECT_EQ(kDown, mouse.buttons[0]);
    replay.Read(5, keys, mouse);
    EXPECT_EQ(0, keys[kW]);
    EXPECT_EQ(0, mouse.buttons[0]);
    EXPECT_EQ(0, keys[kUnnamed]);  // the player's keys only count after the recording
    replay.Read(6, keys, mouse);
    EXPECT_EQ(kDown, keys[kUnnamed]);
}

TEST(InputRecording, ARecordingKeepsWhatItCanNameAndTheGameSeesOnlyThat)
{
    const auto path = testpictures::TempFolder("recording") / "run.txt";
    FixedFeed source;
    {
        RecordingFeed recording;
        std::string problem;
        ASSERT_TRUE(recording.Open(path.string(), source, problem)) << problem;
        uint8_t keys[256];
        platform::MouseState mouse;
        source.myKeys[kW] = kDown;
        source.myKeys[kUnnamed] = kDown;  // no name in the format
        source.myMouse.x = 7;
        source.myMouse.buttons[0] = kDown;
        source.myMouse.buttons[1] = kDown;  // no name either
        recording.Read(3, keys, mouse);
        EXPECT_EQ(kDown, keys[kW]);
        EXPECT_EQ(0, keys[kUnnamed]);
        EXPECT_EQ(0, mouse.buttons[1]);
        source.myMouse.x = 0;
        recording.Read(4, keys, mouse);  // nothing changed: nothing written
        source.myKeys[kW] = 0;
        source.myMouse.buttons[0] = 0;
        recording.Read(9, keys, mouse);
    }
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ("marrowen-input 1\n3 down W\n3 mouse 7 0\n3 press left\n9 up W\n9 release left\n",
              text.str());
    std::string problem;
    RecordingFeed unwritable;
    EXPECT_FALSE(unwritable.Open("/nonexistent/run.txt", source, problem));
    EXPECT_EQ("/nonexistent/run.txt: cannot be written", problem);
    std::filesystem::remove_all(path.parent_path());
}
