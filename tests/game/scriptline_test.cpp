#include "scriptline.h"

#include <gtest/gtest.h>

namespace
{
// Ten pixels per character, blanks included.
float TenPerCharacter(const std::string& aText)
{
    return 10.0f * static_cast<float>(aText.size());
}

std::string Prepare(const std::string& aLine, float aWrapWidth)
{
    return PrepareScriptLine(aLine, aWrapWidth, TenPerCharacter);
}
}  // namespace

TEST(ScriptLine, LabelRowThenSpokenWordsEachAfterOneBlank)
{
    EXPECT_EQ(Prepare("Heroine: : Hello there you;", 1000.0f), " Heroine:\n Hello there you");
    // ";" is never shown and does not end the line.
    EXPECT_EQ(Prepare("Robot: : one;two;", 1000.0f), " Robot:\n one two");
    // Plain text without a label.
    EXPECT_EQ(Prepare("The door is shut;", 1000.0f), " The door is shut");
}

TEST(ScriptLine, LastWordWithoutClosingBlankOrSemicolonIsDropped)
{
    EXPECT_EQ(SplitScriptWords("Robot: : Beep boop"),
              (std::vector<std::string>{"Robot:", ":", "Beep"}));
    EXPECT_EQ(Prepare("Robot: : Beep boop", 1000.0f), " Robot:\n Beep");
}

TEST(ScriptLine, ConsecutiveBlanksGiveEmptyWordsThatEachAddABlank)
{
    EXPECT_EQ(SplitScriptWords("a  b;"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Prepare("A: :   x;", 1000.0f), " A:\n   x");
}

TEST(ScriptLine, WithoutWrapWidthEveryWordStandsOnItsOwnRow)
{
    EXPECT_EQ(Prepare("Heroine: : Hello there you;", 0.0f), "\nHeroine:\n\nHello\nthere\nyou");
}

TEST(ScriptLine, WordJoinsOnlyWhileRowAndWordStayStrictlyBelowTheWidth)
{
    // Row " Hello" measures 60 and "abcd" 40; the blank between them is not counted.
    EXPECT_EQ(Prepare("Hello abcd;", 101.0f), " Hello abcd");
    EXPECT_EQ(Prepare("Hello abcd;", 100.0f), " Hello\nabcd");
    // A wrapped word starts its row without a blank; the next word joins it with one.
    EXPECT_EQ(Prepare("aaaa bbbb cc;", 85.0f), " aaaa\nbbbb cc");
}
