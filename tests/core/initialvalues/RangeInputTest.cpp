#include "core/initialvalues/RangeInput.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
// "low-high:rating" of each range, top to bottom; or the message's text.
std::string outcome(std::string_view answer)
{
    const auto result = rangesFromInput(answer);
    if (const Message* m = std::get_if<Message>(&result))
        return m->text;
    std::string out;
    for (const InitialValueRange& r : std::get<std::vector<InitialValueRange>>(result)) {
        out += (out.empty() ? "" : " ") + std::to_string(r.lowMark) + "-" + std::to_string(r.highMark) + ":" +
               r.rangeSkills[0];
        for (const std::string& skill : r.rangeSkills)
            EXPECT_EQ(skill, r.rangeSkills[0]);
        EXPECT_EQ(r.rangeComment1 + r.rangeComment2 + r.rangeComment3, "");
    }
    return out;
}

const std::string tq11 = "TQ11: Invalid format: missing '-'";
const std::string tq12 = "TQ12: Invalid format";
const std::string tq13 = "TQ13: Invalid format: number not in range 0 to 100";
const std::string tq14 = "TQ14: Invalid input: overlapping ranges";
const std::string tq20 = "TQ20: Too many ranges: enter at most 50 ranges at a time.";

std::string consecutiveRanges(int n)
{
    std::string answer;
    for (int i = 0; i < n; ++i)
        answer += std::to_string(2 * i) + "-" + std::to_string(2 * i + 1) + " ";
    return answer;
}
} // namespace

TEST(RangeInput, TheAnswerBecomesRangesHighestFirstWithTheirDefaultRatings)
{
    EXPECT_EQ(outcome("0-49 50-59 60-84, 85-100"), "85-100:4 60-84:3 50-59:2 0-49:1");
    EXPECT_EQ(outcome("0-40 60-100"), "60-100:3 0-40:1"); // 41 to 59 belong to no range
    EXPECT_EQ(outcome("-20"), "0-20:1");                  // nothing before the dash reads as 0
    // Blanks before, between and after ranges change nothing.
    EXPECT_EQ(outcome("   0-49    50-59  "), "50-59:2 0-49:1");
    // A comma parts ranges as a blank does, with or without a blank beside it.
    EXPECT_EQ(outcome("0-49,50-59,60-69,70-79,80-100"), "80-100:3 70-79:3 60-69:3 50-59:2 0-49:1");
    EXPECT_EQ(outcome("60-84,85-100"), "85-100:4 60-84:3");
    EXPECT_EQ(outcome(" 60-84 , 85-100,"), "85-100:4 60-84:3");
    // Numbers are read as far as they are numbers and rounded, halves to the even mark.
    EXPECT_EQ(outcome("49.5-60.5x 0-10abc"), "50-60:2 0-10:1");
    EXPECT_EQ(outcome("0.5-1"), "0-1:1");
}

TEST(RangeInput, EachRangeIsRatedByItsMarks)
{
    EXPECT_EQ(defaultRangeRating(81, 90), "4");
    EXPECT_EQ(defaultRangeRating(80, 100), "3"); // a low below 81 is not excellent
    EXPECT_EQ(defaultRangeRating(75, 95), "3");
    EXPECT_EQ(defaultRangeRating(61, 80), "3");
    EXPECT_EQ(defaultRangeRating(51, 60), "2");
    EXPECT_EQ(defaultRangeRating(41, 50), "1");
    EXPECT_EQ(defaultRangeRating(0, 61), "3");
}

TEST(RangeInput, TheFirstWrongRangeRefusesTheWholeAnswerWithItsMessage)
{
    EXPECT_EQ(outcome("50"), tq11);
    EXPECT_EQ(outcome("0-49 50"), tq11); // a later range without its dash
    EXPECT_EQ(outcome("   "), tq11);     // blanks are no ranges
    EXPECT_EQ(outcome("50 -60"), tq12);  // the dash belongs to the next range
    EXPECT_EQ(outcome("50,-60"), tq12);
    EXPECT_EQ(outcome(",,"), tq11);
    EXPECT_EQ(outcome("60-50"), tq13);
    EXPECT_EQ(outcome("50-50"), tq13);
    EXPECT_EQ(outcome("20-500"), tq13);
    EXPECT_EQ(outcome("20-99999"), tq13);
    EXPECT_EQ(outcome("20-99999999999999999999999999"), tq13);
    EXPECT_EQ(outcome("20--30"), tq13); // a negative high mark
    EXPECT_EQ(outcome("x-y"), tq13);    // both read as 0
    // In the order of the ranges: the first wrong range decides, before any overlap is looked at.
    EXPECT_EQ(outcome("50-60 60-70 80"), tq11);
    EXPECT_EQ(outcome("0-10 5-200 30"), tq13);
}

TEST(RangeInput, RangesSharingAMarkAreRefusedOnceAllAreRead)
{
    EXPECT_EQ(outcome("50-60 60-70"), tq14); // a shared boundary is an overlap
    EXPECT_EQ(outcome("20-30 0-100"), tq14); // one inside another
    EXPECT_EQ(outcome("0-100 20-30"), tq14);
    EXPECT_EQ(outcome("10-20 10-20"), tq14);
    EXPECT_EQ(outcome("10-20 21-30"), "21-30:1 10-20:1");
}

TEST(RangeInput, AtMostFiftyRangesAtATime)
{
    const auto fifty = rangesFromInput(consecutiveRanges(50));
    ASSERT_TRUE(std::holds_alternative<std::vector<InitialValueRange>>(fifty));
    EXPECT_EQ(std::get<std::vector<InitialValueRange>>(fifty).size(), 50u);
    // Fifty ranges use up the marks 0 to 99; a 51st is refused before any overlap is looked at.
    EXPECT_EQ(outcome(consecutiveRanges(50) + "0-100"), tq20);
    EXPECT_EQ(outcome(consecutiveRanges(50) + "100"), tq11); // a wrong 51st range says what is wrong with it
}
