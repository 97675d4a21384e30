#include "core/markbook/SheetChoice.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(SheetChoice, TheSheetNamingTheMostStudentsElseTheCourseElseTheFirst)
{
    const ClassList students{newStudentRecord("ENG2D1-01", "316208659", "Ahmed", "Layla", "F", ""),
                             newStudentRecord("ENG2D1-01", "316100204", "Jones", "Nora", "F", "")};
    const SheetTable one{"Term 1", {{"Last", "First", "Final"}, {"Ahmed", "Layla", "70"}}};
    const SheetTable both{"Term 2", {{"Last", "First", "Final"}, {"Ahmed", "Layla", "70"}, {"Jones", "Nora", "71"}}};
    const SheetTable course{"eng2d1 final", both.rows};
    const SheetTable none{"Notes", {{"Name", "Final"}, {"Zed", "50"}}};
    EXPECT_EQ(proposeSheet({one, both, none}, students).sheet, 1);
    EXPECT_EQ(proposeSheet({both, course}, students).sheet, 1); // a tie: the course code
    EXPECT_EQ(proposeSheet({both, both}, students).sheet, 0);
    EXPECT_EQ(proposeSheet({none, none}, students).matched, 0);

    EXPECT_EQ(sheetNamed({one, course}, "ENG2D1 FINAL"), 1);
    EXPECT_EQ(sheetNamed({one, course}, "Term"), -1);
    EXPECT_EQ(quotedSheetNames({one, none}), "\"Term 1\", \"Notes\"");
    const MarkbookChoice byNames{1, {KeyKind::LastFirst, 0, 1}, {2, -1}};
    EXPECT_EQ(readSummary(both, byNames),
              "Read sheet \"Term 2\", headings on row 1, students by column A \"Last\" and column B \"First\", "
              "marks from column C \"Final\".");
    EXPECT_EQ(readSummary(none, MarkbookChoice{0, {}, {3, 4}}),
              "Read sheet \"Notes\", no heading row, no column naming the students, marks from column D over column E.");
}
