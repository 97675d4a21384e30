#include "core/entry/ClassGridLayout.h"
#include "core/entry/SidePanelText.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(ClassGridLayout, HeadingsAndWidthsOfTheCommentsView)
{
    EXPECT_EQ(joinTabs(gridHeadings()), "Student ID\tLAST\tFIRST\tMRK\t  CM1\t  CM2\t  CM3\t  CM4\t  CM5\t R\t O\t "
                                        "W\t C\t  I\t S\t P\t E\t D\t T");
    int total = 0;
    for (int c = 0; c < gridColumnCount; ++c)
        total += commentsViewColumnWidth(c);
    EXPECT_EQ(total, 1000 + 2000 + 1500 + 470 + 5 * 525);
    EXPECT_EQ(commentsViewColumnWidth(9), 0);
}

TEST(ClassGridLayout, RowCellsShowTheRecordAsStored)
{
    StudentRecord s = newStudentRecord("ENG2D1-01", "123456789", "Nguyen", "Linh", "F", "");
    s.mark = "87";
    s.comment2 = "0101";
    s.skill(6) = "";
    s.esl = "Y";
    GridRow row = gridRowCells(s, false);
    EXPECT_EQ(joinTabs(row), "123-456-789\tNguyen\tLinh\t87\t\t0101\t\t\t\t3\t3\t3\t3\t3\t\t\tY\t\t");
    EXPECT_EQ(gridRowCells(s, true)[1], "ENG2D1-01: Nguyen");
    EXPECT_EQ(gridRowCells(s, true)[0], "123-456-789");
    s.hasFreeForm = true;
    row = gridRowCells(s, false);
    EXPECT_EQ(row[4] + row[5] + row[6] + row[7] + row[8], "FreeFormCodeClickBelow");
    EXPECT_EQ(classSizeText(36), "36 Students");
}

TEST(SidePanelText, LearningSkillsKeyHasItsThirtyNineLines)
{
    const std::vector<std::string>& key = learningSkillsKeyLines();
    ASSERT_EQ(key.size(), 39u);
    EXPECT_EQ(key[0], "1 (Needs Improvement)   2 (Satisfactory)   3 (Good)   4 (Excellent)");
    EXPECT_EQ(key[21], "I    Initiative - The student:");
    EXPECT_EQ(key[37], "D    ELD                                   \"");
    EXPECT_EQ(key[38], "T    Teacher Interview Requested           \"");
    // Every skill's points end with ";" but the last, which ends with ".".
    for (size_t i = 2; i < 34; ++i) {
        const std::string& line = key[i];
        if (line.rfind("     - ", 0) == 0 || line.rfind("       ", 0) == 0) {
            const bool lastOfSkill = i + 1 == 34 || key[i + 1][0] != ' ';
            EXPECT_EQ(line.back(), lastOfSkill ? '.' : (key[i + 1].rfind("       ", 0) == 0 && key[i + 1][7] != '-' ? line.back() : ';')) << line;
        }
    }
}
