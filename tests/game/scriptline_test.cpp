#include "scriptline.h"

#include <gtest/gtest.h>

namespace
{
// Ten pixels per character, blanks included.
float TenPerCharacter(const std::string& aText)
{
    return 10.0f * static_cast<float>(aText.size());
}
}  // namespace

TEST(ScriptLine, TheLabelBeforeTheSeparatorIsTheSpeakerAndTheRestIsSaid)
{
    const struct
    {
        const char* line;
        const char* label;
        const char* spoken;
    } cases[] = {
        {"Ester: : Hello there you;", "Ester", "Hello there you"},
        // Narration has no label; a colon inside the words is not a separator.
        {"The door is shut: locked;", "", "The door is shut: locked"},
        // Blanks in a row count once, and ";" is never said.
        {"Boy: :   Up  is easy;", "Boy", "Up is easy"},
    };
    for (const auto& expected : cases)
    {
        const ScriptLine line = ParseScriptLine(expected.line);
        EXPECT_EQ(line.label, expected.label) << expected.line;
        EXPECT_EQ(line.spoken, expected.spoken) << expected.line;
    }
}

TEST(ScriptLine, WordsFillEachRowUpToTheWidthAndEveryRowStartsFlush)
{
    // "Hello abcd" measures 100 with its blank: it fits 100, not 99.
    EXPECT_EQ(WrapText("Hello abcd", 100.0f, TenPerCharacter), "Hello abcd");
    EXPECT_EQ(WrapText("Hello abcd", 99.0f, TenPerCharacter), "Hello\nabcd");
    EXPECT_EQ(WrapText("aaaa bbbb cc", 85.0f, TenPerCharacter), "aaaa\nbbbb cc");
    // A word wider than the column stands alone on its row rather than being lost.
    EXPECT_EQ(WrapText("a bbbbbbbbbbbb c", 50.0f, TenPerCharacter), "a\nbbbbbbbbbbbb\nc");
}
