#include "arrays/growingarray.h"

#include <gtest/gtest.h>

#include <string>

#include "vector2.h"

namespace
{
// A record with text, like a conversation line: must survive growth although the array was
// asked for raw copies.
struct Line
{
    std::string speaker;
    std::string text;
};

GrowingArray<int> Numbers(int aCount)
{
    GrowingArray<int> numbers;
    numbers.Init(5, 5, true);
    for (int i = 0; i < aCount; ++i)
    {
        numbers.Add(i * 11);
    }
    return numbers;
}
}  // namespace

TEST(GrowingArray, GrowsByItsStepAndKeepsTheElements)
{
    GrowingArray<int> numbers = Numbers(5);
    EXPECT_EQ(numbers.Capacity(), 5);
    numbers.Add(55);
    EXPECT_EQ(numbers.Capacity(), 10);
    for (int i = 6; i < 11; ++i)
    {
        numbers.Add(i * 11);
    }
    EXPECT_EQ(numbers.Capacity(), 15);
    ASSERT_EQ(numbers.Size(), 11);
    for (int i = 0; i < 11; ++i)
    {
        EXPECT_EQ(numbers[i], i * 11) << i;
    }
}

TEST(GrowingArray, TextRecordsStayIntactAcrossGrowthAndCopies)
{
    GrowingArray<Line> lines;
    lines.Init(5, 5, true);
    for (int i = 0; i < 12; ++i)
    {
        // Long enough to live on the heap, where a byte copy would share and then free it.
        lines.Add(Line{"Robot number " + std::to_string(i), std::string(40, 'a' + i)});
    }
    GrowingArray<Line> copy = lines;
    copy[0].text = "changed";
    GrowingArray<Line> assigned;
    assigned = copy;
    for (int i = 0; i < 12; ++i)
    {
        EXPECT_EQ(lines[i].speaker, "Robot number " + std::to_string(i));
        EXPECT_EQ(lines[i].text, std::string(40, 'a' + i));
        EXPECT_EQ(assigned[i].text, i == 0 ? "changed" : std::string(40, 'a' + i));
    }
    EXPECT_EQ(assigned.Capacity(), 15);
}

TEST(GrowingArray, AddingOneOfItsOwnElementsWhenFullCopiesItIntact)
{
    GrowingArray<Line> lines;
    lines.Init(5, 5, true);
    for (int i = 0; i < 5; ++i)
    {
        lines.Add(Line{"Heroine", std::string(40, 'a' + i)});
    }
    // The growth releases the storage the argument lives in.
    lines.Add(lines[2]);
    ASSERT_EQ(lines.Size(), 6);
    EXPECT_EQ(lines[5].speaker, "Heroine");
    EXPECT_EQ(lines[5].text, std::string(40, 'c'));
}

TEST(GrowingArrayDeathTest, IndexOutsideTheElementsEndsTheProgram)
{
    GrowingArray<int> numbers = Numbers(6);
    EXPECT_EQ(numbers[5], 55);  // the last element is fine
    EXPECT_EXIT(numbers[-1], testing::ExitedWithCode(1), "Out of bounds");
    EXPECT_EXIT(numbers[6], testing::ExitedWithCode(1), "arrays/growingarray");
}

TEST(GrowingArrayDeathTest, MisuseBeforeOrAfterInitEndsTheProgram)
{
    GrowingArray<int> fresh;
    EXPECT_EXIT(fresh[0], testing::ExitedWithCode(1), "uninitialized class");
    EXPECT_EXIT(fresh.Add(1), testing::ExitedWithCode(1), "Add function on an uninitialized");
    GrowingArray<int> numbers = Numbers(1);
    EXPECT_EXIT(numbers.Init(5, 5, true), testing::ExitedWithCode(1),
                "Called Init of already initialized array");
}

TEST(Vector2, LengthAndArithmetic)
{
    EXPECT_FLOAT_EQ(Vector2<float>(3.0f, 4.0f).Length(), 5.0f);
    EXPECT_FLOAT_EQ(Vector2<int>(-6, 8).Length(), 10.0f);
    Vector2<float> position(10.0f, 20.0f);
    position += Vector2<float>(1.0f, 2.0f);
    position *= 2.0f;
    EXPECT_EQ(position, Vector2<float>(22.0f, 44.0f));
    EXPECT_EQ(position / 4.0f, Vector2<float>(5.5f, 11.0f));
    EXPECT_EQ(position - Vector2<float>(2.0f, 4.0f), Vector2<float>(20.0f, 40.0f));
}

TEST(Vector2DeathTest, DividingByZeroEndsTheProgram)
{
    const Vector2<float> position(1.0f, 2.0f);
    EXPECT_EXIT(position / 0.0f, testing::ExitedWithCode(1), "Illegal numerator!.*vector2");
    Vector2<int> cell(4, 4);
    EXPECT_EXIT(cell /= 0, testing::ExitedWithCode(1), "Illegal numerator!");
}
