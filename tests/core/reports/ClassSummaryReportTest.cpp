#include "core/reports/ClassSummaryReport.h"
#include "support/LocalTime.h"
#include "support/NewStudents.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(ClassSummaryReport, HeadingChartFiguresAndNames)
{
    // Two sections, the first listed again after the second: the heading names each once.
    ClassList students = test::newStudents(4);
    students[2].courseCode = "SNC2D1-02";
    students[0].mark = "67";
    students[1].mark = "I";
    students[3].mark = "100";
    const PrintScript report = classSummaryReport(summarizeClass(students), test::localTime(2025, 3, 7, 14, 5, 9));
    EXPECT_EQ(report.log(), (std::vector<std::string>{
                                "orientation portrait",
                                "line ",
                                "font Arial 14",
                                "line Tallyquill v3.1 (Linux edition) ~ Class Summary ~ 03-07-2025 ~ 14:05:09",
                                "font Arial 12",
                                "line SNC2D1-01, SNC2D1-02",
                                "line ",
                                "picture mark chart 18 lines",
                                "line ",
                                "font Courier New 10",
                                "line    students         4",
                                "line    marked           2",
                                "line    incomplete       1",
                                "line    unmarked         1",
                                "line    mean          83.5",
                                "line    median        83.5",
                                "line    lowest          67",
                                "line    highest        100",
                                "line    below 50         0",
                                "line    50-59            0",
                                "line    60-69            1",
                                "line    70-79            0",
                                "line    80-100           1",
                                "line ",
                                "line No mark: 1",
                                "line    Last2 Alex",
                                "line ",
                                "line Incomplete (I): 1",
                                "line    Last1 Sam",
                                "line ",
                                "end document",
                            }));
}
