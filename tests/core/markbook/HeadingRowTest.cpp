#include "core/markbook/HeadingRow.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
ClassList smallClass()
{
    return {newStudentRecord("ENG2D1-01", "316208659", "Ahmed", "Layla", "F", ""),
            newStudentRecord("ENG2D1-01", "316100204", "Jones", "Nora", "F", "")};
}

struct Case {
    const char* what;
    std::vector<SheetRow> rows;
    int headingRow;
};
} // namespace

TEST(HeadingRow, TheHeadingsAreTheRowThatNamesTheStudentsAboveThem)
{
    const StudentKeys keys(smallClass());
    const Case cases[] = {
        {"title and group headings above", {{"ENG2D1-01 Markbook"}, {"Student", "", "", "Term Work"},
                                            {"Student No", "Last", "First", "Test"}, {"316208659", "Ahmed", "Layla", "70"}}, 3},
        {"blank rows around a title", {{""}, {"Markbook"}, {"", ""}, {"Name", "Final"}, {"Ahmed, Layla", "70"}}, 4},
        {"on the first row", {{"Last Name", "First Name", "Final"}, {"Jones", "Nora", "70"}}, 1},
        {"joined words", {{"OrgDefinedId", "Grade"}, {"#316100204", "70"}}, 1},
        {"no heading", {{"Jones", "Nora", "70"}, {"Name", "Mark"}}, 0},
        {"no heading word: the first row, as text", {{"Who", "Mark"}, {"Jones Nora", "70"}}, 1},
        {"no student named: the first candidate", {{"Marks"}, {"Name", "Mark"}, {"Zed", "50"}, {"No", "late"}}, 2},
        {"one cell is a title, not a heading", {{"Student marks"}, {"Jones", "Nora", "70"}}, 1},
        {"numbers only", {{"70"}, {"71"}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(findHeadingRow(SheetTable{"s", c.rows}, keys), c.headingRow);
    }
}
