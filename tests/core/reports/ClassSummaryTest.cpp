#include "core/reports/ClassSummary.h"
#include "support/NewStudents.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {

// A class whose students have these marks, in this order.
ClassList classWithMarks(const std::vector<std::string>& marks)
{
    ClassList students = test::newStudents(static_cast<int>(marks.size()));
    for (size_t i = 0; i < marks.size(); ++i)
        students[i].mark = marks[i];
    return students;
}

// The figures' values in their order: students, marked, incomplete, unmarked, mean, median,
// lowest, highest, the five bands, and "other" when there is one.
std::vector<std::string> values(const ClassSummary& summary)
{
    std::vector<std::string> out;
    for (const SummaryFigure& f : summaryFigures(summary))
        out.push_back(f.value);
    return out;
}

} // namespace

TEST(ClassSummary, FiguresOfClassesAtEveryEdge)
{
    struct Case {
        const char* what;
        std::vector<std::string> marks;
        std::vector<std::string> figures;
        std::vector<size_t> unmarked;   // the students named as having no mark
        std::vector<size_t> incomplete; // ... and as having "I"
    };
    const Case cases[] = {
        {"an empty class", {}, {"0", "0", "0", "0", "-", "-", "-", "-", "0", "0", "0", "0", "0"}, {}, {}},
        {"every student incomplete", {"I", "I", "I"},
         {"3", "0", "3", "0", "-", "-", "-", "-", "0", "0", "0", "0", "0"}, {}, {0, 1, 2}},
        {"nobody marked yet", {"", ""}, {"2", "0", "0", "2", "-", "-", "-", "-", "0", "0", "0", "0", "0"}, {0, 1}, {}},
        {"one mark", {"73"}, {"1", "1", "0", "0", "73.0", "73.0", "73", "73", "0", "0", "0", "1", "0"}, {}, {}},
        // 221 / 3 = 73.67; the middle of 60, 71, 90.
        {"an odd count", {"60", "90", "71"}, {"3", "3", "0", "0", "73.7", "71.0", "60", "90", "0", "0", "1", "1", "1"}, {}, {}},
        // 285 / 4 = 71.25, rounded up; the median halfway between 64 and 71.
        {"an even count", {"60", "71", "90", "64"},
         {"4", "4", "0", "0", "71.3", "67.5", "60", "90", "0", "0", "2", "1", "1"}, {}, {}},
        // 281 / 4 = 70.25 rounds up, never to the even 70.2.
        {"a mean halfway between tenths", {"70", "70", "70", "71"},
         {"4", "4", "0", "0", "70.3", "70.0", "70", "71", "0", "0", "0", "4", "0"}, {}, {}},
        {"marks at the edges of the bands", {"49", "50", "79", "80", "100", "0", "59", "60", "69", "70"},
         {"10", "10", "0", "0", "61.6", "64.5", "0", "100", "2", "2", "2", "2", "2"}, {}, {}},
        // Only digits from 0 to 100 are marks, leading zeros and all; "I" only as a capital.
        {"marks that are none of the kinds", {"85", "abs", "101", "-5", "7.5", " 75", "i", "", "I", "075", "0100", "II"},
         {"12", "3", "1", "1", "86.7", "85.0", "75", "100", "0", "0", "0", "1", "2", "7"}, {7}, {8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ClassList students = classWithMarks(c.marks);
        const ClassSummary summary = summarizeClass(students);
        EXPECT_EQ(values(summary), c.figures);
        std::vector<std::string> unmarked, incomplete;
        for (const size_t i : c.unmarked)
            unmarked.push_back(fullName(students[i]));
        for (const size_t i : c.incomplete)
            incomplete.push_back(fullName(students[i]));
        EXPECT_EQ(summary.unmarkedNames, unmarked);
        EXPECT_EQ(summary.incompleteNames, incomplete);
    }
}

TEST(ClassSummary, TheMarkAxisGivesEveryBandTheSameWidth)
{
    const std::pair<double, double> places[] = {{0, 0},      {25, 0.5},  {50, 1},    {63.4, 2.34}, {79.9, 3.99},
                                                {80, 4},     {90, 4.5},  {100, 5},   {-3, 0},      {120, 5}};
    for (const auto& [mark, place] : places)
        EXPECT_NEAR(markAxisPosition(mark), place, 1e-9) << mark;
}
