#include "core/reports/ClassReport.h"
#include "support/LocalTime.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {

std::time_t reportTime() { return test::localTime(2025, 3, 7, 4, 5, 9); }
std::string spaces(size_t n) { return std::string(n, ' '); }
std::string fill(const std::string& s, size_t width) { return s + spaces(width - std::min(width, s.size())); }

PhraseLibrary library()
{
    return PhraseLibrary({{"0101", "@ works well", ""}, {"0102", "@ should review % notes", ""}});
}

StudentRecord student(const std::string& course, const std::string& last)
{
    return newStudentRecord(course, "123456789", last, "Ana", "F", "");
}

// A free-form comment that fills the four wrapped lines exactly and leaves `remainder` over.
StudentRecord withRemainder(const std::string& remainder)
{
    StudentRecord s = student("ENG2D1-01", "Silva");
    s.hasFreeForm = true;
    for (char letter : {'k', 'l', 'm', 'n'})
        s.freeFormComment += std::string(74, letter) + " ";
    s.freeFormComment += remainder;
    return s;
}

// The printed lines after the four of the heading.
std::vector<std::string> body(const ClassList& students, bool showCourseCodes = false)
{
    const std::vector<std::string> all = classReport(students, library(), showCourseCodes, reportTime()).lines();
    return {all.begin() + 4, all.end()};
}

} // namespace

TEST(ClassReport, AnEmptyClassPrintsTheHeadingOnly)
{
    EXPECT_EQ(classReport({}, library(), false, reportTime()).log(),
              (std::vector<std::string>{"orientation landscape", "fit 64 lines [Courier New 9]", "line ",
                                        "font Courier New 12", "line ",
                                        "line Tallyquill v3.1 (Linux edition) ~ Class Report ~ 03-07-2025 ~ 04:05:09",
                                        "font size 9", "line ", "end document"}));
}

TEST(ClassReport, PrintsEachStudentAsItsDetailLinesWithTheFlags)
{
    StudentRecord s = student("ENG2D1-01", "Silva");
    s.mark = "87";
    s.comment1 = "0101";
    s.comment2 = "0102";
    s.iep = s.eld = s.interview = "Y";
    s.skillOrganization = "4";
    const std::string comment = "[0101] Ana works well. [0102] She should review her notes. ";
    const std::vector<std::string> lines = body({s});
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "ENG2D1-01",
                         "   " + fill("123456789", 16) + "Mark  " + fill(comment, 75) + " Learning Skills",
                         "   " + fill("Silva", 18) + "87  " + spaces(75) + " RE OR IW CO IN SR IEP ESL ELD",
                         "   " + fill("Ana", 22) + spaces(75) + "  3  4  3  3  3  3   Y       Y",
                         "   " + spaces(97) + " Interview Request: Y",
                         " "}));
    // Lines 2 and 3 are of equal length, so each flag stands under the last letter of its heading.
    EXPECT_EQ(lines[3][lines[2].rfind("IEP") + 2], 'Y');
    EXPECT_EQ(lines[3][lines[2].rfind("ELD") + 2], 'Y');

    const std::vector<std::string> wide = body({s}, true);
    EXPECT_EQ(wide[1], "   " + fill("123456789", 13) + fill("ENG2D1-01", 10) + "Mark  " + fill(comment, 75) + " Learning Skills");
    EXPECT_EQ(wide[4], "   " + spaces(104) + " Interview : Y");
}

TEST(ClassReport, RepeatsTheCourseCodeEachTimeItChanges)
{
    // Sorted by name, two sections interleave.
    std::vector<std::string> courseLines;
    for (const std::string& line : body({student("SCH3U1-01", "Adams"), student("SCH3U1-02", "Baker"),
                                         student("SCH3U1-02", "Chen"), student("SCH3U1-01", "Diaz")}))
        if (line.rfind("SCH3U1", 0) == 0)
            courseLines.push_back(line);
    EXPECT_EQ(courseLines, (std::vector<std::string>{"SCH3U1-01", "SCH3U1-02", "SCH3U1-01"}));
}

TEST(ClassReport, StartsANewPageOnlyBetweenBlocksOnceMoreThan53LinesAreCounted)
{
    // Heading 3 + course 1 = 4 lines; two blocks of 7 (a long comment's remainder takes two
    // lines) make 18, then blocks of 5: 23, ..., 53. Exactly 53 is not past the limit, so the
    // next block still goes on the page and crosses it (58); the one after starts page 2.
    ClassList students = {withRemainder(std::string(72, 'c')), withRemainder(std::string(72, 'c'))};
    for (int i = 1; i <= 30; ++i)
        students.push_back(student("ENG2D1-01", "Student" + std::to_string(i)));

    const std::vector<std::string> log = classReport(students, library(), false, reportTime()).log();
    std::vector<size_t> breaks;
    for (size_t k = 0; k < log.size(); ++k)
        if (log[k] == "new page")
            breaks.push_back(k);
    ASSERT_EQ(breaks.size(), 2u);
    // A new page opens with two empty lines and the next block, without the course code.
    EXPECT_EQ(log[breaks[0] - 1], "line  ");
    EXPECT_EQ(log[breaks[0] + 1], "line ");
    EXPECT_EQ(log[breaks[0] + 2], "line ");
    EXPECT_EQ(log[breaks[0] + 4].substr(0, 17), "line    Student9 ");
    // Page 2 counts from 2: ten blocks reach 52, the eleventh crosses the limit.
    EXPECT_EQ(log[breaks[1] + 4].substr(0, 18), "line    Student20 ");
}

TEST(ClassReport, PrintsTheWholeRemainderOfALongCommentUnderTheCommentColumn)
{
    const std::string c(72, 'c'), d(72, 'd'), e(72, 'e');
    // Block: course, three lines, the fourth comment line, the remainder, the separator.
    auto remainder = [](const std::vector<std::string>& lines) {
        return std::vector<std::string>(lines.begin() + 5, lines.end() - 1);
    };
    EXPECT_EQ(remainder(body({withRemainder(c + d)})), (std::vector<std::string>{spaces(25) + c, spaces(25) + d}));
    // One character more takes a third line; with course codes the indent is 32.
    EXPECT_EQ(remainder(body({withRemainder(c + d + "e")}, true)),
              (std::vector<std::string>{spaces(32) + c, spaces(32) + d, spaces(32) + "e"}));
    // Past 216 characters the remainder goes on in pieces of 72 rather than off the page.
    EXPECT_EQ(remainder(body({withRemainder(c + d + e + "ffff")})),
              (std::vector<std::string>{spaces(25) + c, spaces(25) + d, spaces(25) + e, spaces(25) + "ffff"}));
    // 71 characters fit the fifth detail line and print as it.
    EXPECT_EQ(remainder(body({withRemainder(std::string(71, 'c'))})),
              (std::vector<std::string>{spaces(25) + fill(std::string(71, 'c'), 75)}));
}
