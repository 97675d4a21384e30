#include "core/initialvalues/RangeGridLayout.h"

namespace tq {

namespace {
// The comment columns and the skill columns, in twips from the grid's left.
constexpr int commentBandLeft = 1100;
constexpr int commentBandRight = 2700;
constexpr int skillBandRight = 4400;
} // namespace

const RangeGridRow& rangeGridHeadings()
{
    static const RangeGridRow headings{"Low", "High", "CM1", "CM2", "CM3", "R", "O", "W", "C", "I", "S"};
    return headings;
}

int rangeColumnWidth(int column)
{
    return column < firstRangeSkillColumn ? 545 : 290;
}

RangeGridRow rangeGridCells(const InitialValueRange& range)
{
    RangeGridRow cells;
    cells[lowColumn] = std::to_string(range.lowMark);
    cells[highColumn] = std::to_string(range.highMark);
    for (int k = 1; k <= rangeCommentCount; ++k)
        cells[static_cast<size_t>(firstRangeCommentColumn + k - 1)] = range.rangeComment(k);
    for (size_t k = 0; k < range.rangeSkills.size(); ++k)
        cells[static_cast<size_t>(firstRangeSkillColumn) + k] = range.rangeSkills[k];
    return cells;
}

bool isRangeCommentColumn(int column)
{
    return column >= firstRangeCommentColumn && column < firstRangeSkillColumn;
}

bool isRangeSkillColumn(int column)
{
    return column >= firstRangeSkillColumn && column < rangeGridColumnCount;
}

RangeGridPointer rangeGridPointer(int xTwips, bool codeReady)
{
    if (codeReady && xTwips >= commentBandLeft && xTwips <= commentBandRight)
        return RangeGridPointer::Drop;
    if (xTwips >= commentBandRight && xTwips <= skillBandRight)
        return RangeGridPointer::Rating;
    return RangeGridPointer::Arrow;
}

} // namespace tq
