// The detail lines of a range and the printout of every range in them.
#include "core/initialvalues/InitialValuesPrintout.h"
#include "core/initialvalues/RangeDetails.h"
#include "support/InitialRanges.h"
#include "support/LocalTime.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
const PhraseLibrary library({
    {"0101", "@ consistently completes and submits assignments on time", ""},
    {"0103", "@ takes responsibility for # own behaviour and learning.", ""},
    {"0706", "@ asks thoughtful questions", ""},
    {"0901", "@ " + std::string(100, 'x'), ""},
});

const std::vector<InitialValueRange> ranges{
    test::markRange(85, 100, {"0101", "0706", "0103"}, {"4", "4", "4", "4", "3", "4"}),
    test::markRange(50, 84, {"", "    ", "0706"}, {"3", "2", "3", "3", "3", "3"}),
    test::markRange(0, 49, {"", "", ""}, {"1", "1", "1", "1", "1", "1"}),
};

std::string blanks(size_t n) { return std::string(n, ' '); }
} // namespace

TEST(RangeDetails, CodesWithTheirPhrasesAndTheRatingsUnderTheSkillsInitials)
{
    const auto lines = rangeDetailLines(ranges[0], library);
    const std::string first = "0101 @ consistently completes and submits assignments on time. ";
    EXPECT_EQ(lines[0], "Range   " + first + blanks(75 - first.size()) + "Learning Skills");
    const std::string second = "0706 @ asks thoughtful questions. ";
    EXPECT_EQ(lines[1], "85-100  " + second + blanks(75 - second.size()) + " RE OR IW CO IN SR");
    const std::string third = "0103 @ takes responsibility for # own behaviour and learning. ";
    EXPECT_EQ(lines[2], blanks(8) + third + blanks(75 - third.size()) + "  4  4  4  4  3  4");
    // Each rating stands under the second letter of its skill's initials.
    EXPECT_EQ(lines[1].size(), 101u);
    EXPECT_EQ(lines[2].size(), 101u);
    for (const char* initials : {"RE", "OR", "IW", "CO", "IN", "SR"})
        EXPECT_NE(lines[2][lines[1].find(initials) + 1], ' ') << initials;

    // A range without codes shows blanks in their places; a phrase longer than its column
    // pushes the rest of the line right rather than being cut.
    const auto empty = rangeDetailLines(ranges[2], library);
    EXPECT_EQ(empty[1], "0-49    " + blanks(75) + " RE OR IW CO IN SR");
    const auto longer = rangeDetailLines(test::markRange(0, 9, {"0901", "", ""}, {"1", "1", "1", "1", "1", "1"}), library);
    EXPECT_EQ(longer[0], "Range   0901 @ " + std::string(100, 'x') + ". Learning Skills");

    // Read out, a field a line: blank codes are none, the ratings go by the skills' names.
    EXPECT_EQ(rangeReadingLines(ranges[1], library),
              (std::vector<std::string>{"Range: 50 to 84", "Comment 1: none", "Comment 2: none",
                                        "Comment 3: 0706 @ asks thoughtful questions.",
                                        "Learning skills: Responsibility 3, Organization 2, Independent Work 3, "
                                        "Collaboration 3, Initiative 3, Self-Regulation 3"}));
}

TEST(InitialValuesPrintout, ThreeRangesPrintSeventeenLinesInCourierNew)
{
    const std::time_t now = test::localTime(2026, 3, 7, 14, 5, 9);
    const PrintScript script = initialValuesPrintout(ranges, library, "/home/teacher/Grade 10.tqf", now);
    std::vector<std::string> expected{
        "orientation portrait",
        "line ",
        "font Courier New 9",
        "line Tallyquill v3.1 (Linux edition)",
        "line 03-07-2026 ~ 14:05:09",
        "line Initial Values for: /home/teacher/Grade 10.tqf",
        "line  ",
    };
    for (const InitialValueRange& r : ranges) {
        for (const std::string& line : rangeDetailLines(r, library))
            expected.push_back("line    " + line);
        expected.push_back("line  ");
    }
    expected.push_back("end document");
    EXPECT_EQ(script.log(), expected);
    EXPECT_EQ(script.lines().size(), 17u);
    EXPECT_EQ(script.lines()[11], "   " + blanks(8) + "0706 @ asks thoughtful questions. " + blanks(41) +
                                      "  3  2  3  3  3  3");
    EXPECT_EQ(script.lines()[10].size(), 104u);
}
