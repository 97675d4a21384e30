#include "core/entry/ClassGridLayout.h"

namespace tq {

const GridRow& gridHeadings()
{
    static const GridRow headings{"Student ID", "LAST", "FIRST", "MRK", "  CM1", "  CM2", "  CM3",
                                  "  CM4",      "  CM5", " R",   " O",  " W",   " C",   "  I",
                                  " S",         " P",   " E",    " D",  " T"};
    return headings;
}

int commentsViewColumnWidth(int column)
{
    static constexpr std::array<int, 4> identity{1000, 2000, 1500, 470};
    if (column < firstCommentColumn)
        return identity[static_cast<size_t>(column)];
    return column < firstSkillColumn ? commentColumnWidth : 0;
}

const std::array<const char*, 5>& freeFormCellWords()
{
    static const std::array<const char*, 5> words{"Free", "Form", "Code", "Click", "Below"};
    return words;
}

GridRow gridRowCells(const StudentRecord& s, bool showCourseCodes)
{
    GridRow cells;
    cells[0] = formatStudentNumber(s.studentNumber);
    cells[1] = showCourseCodes ? s.courseCode + ": " + s.lastName : s.lastName;
    cells[2] = s.firstName;
    cells[markColumn] = s.mark;
    for (int k = 1; k <= commentCount; ++k)
        cells[static_cast<size_t>(firstCommentColumn + k - 1)] =
            s.hasFreeForm ? freeFormCellWords()[static_cast<size_t>(k - 1)] : s.comment(k);
    for (int k = 1; k <= skillCount; ++k)
        cells[static_cast<size_t>(firstSkillColumn + k - 1)] = s.skill(k);
    cells[iepColumn] = s.iep;
    cells[eslColumn] = s.esl;
    cells[eldColumn] = s.eld;
    cells[interviewColumn] = s.interview;
    return cells;
}

std::string joinTabs(std::span<const std::string> cells)
{
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            row += '\t';
        row += cells[i];
    }
    return row;
}

std::string classSizeText(int studentCount)
{
    return std::to_string(studentCount) + " Students";
}

} // namespace tq
