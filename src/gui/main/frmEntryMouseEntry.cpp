// Entering comment codes, learning skills and flags with the mouse: right-click pick-up,
// placing the picked or chosen code, rating skills by button, and the flag toggles per student
// and, from the headings, for the whole class.
#include "core/entry/ClassGridLayout.h"
#include "core/entry/CommentPlacement.h"
#include "core/entry/SkillRating.h"
#include "core/entry/StudentFlags.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/CommentCodePicker.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/GridCellText.h"


namespace tq {

namespace {
bool isCommentColumn(int col) { return col >= firstCommentColumn && col < firstSkillColumn; }
bool isSkillColumn(int col) { return col >= firstSkillColumn && col < iepColumn; }
bool isFlagColumn(int col) { return col >= iepColumn && col <= interviewColumn; }
StudentFlag flagOfColumn(int col) { return static_cast<StudentFlag>(col - iepColumn); }

CommentCells commentCellsOf(const ui::ClassGrid& grid, int row)
{
    CommentCells cells;
    for (int k = 0; k < commentCount; ++k)
        cells[static_cast<size_t>(k)] = cellBytes(grid, row, firstCommentColumn + k);
    return cells;
}

FlagCells flagCellsOf(const ui::ClassGrid& grid, int row)
{
    FlagCells flags;
    for (size_t k = 0; k < flags.size(); ++k)
        flags[k] = cellBytes(grid, row, iepColumn + static_cast<int>(k));
    return flags;
}
} // namespace

void frmEntry::connectMouseEntry()
{
    codePicker_ = std::make_unique<CommentCodePicker>(*msfgClass, *lstFavourites);
    connect(msfgClass, &ui::ClassGrid::mouseReleased, this,
            [this](int button, int shift, int x, int y) { msfgClass_MouseUp(button, shift, x, y); });
    connect(msfgClass, &ui::ClassGrid::clicked, this, [this] { msfgClass_Click(); });
    // Choosing an entry, by mouse or keyboard, drops a picked-up code.
    connect(lstFavourites, &FavouritesList::entryChosen, this, [this] { lstFavourites_Click(); });
}

void frmEntry::msfgClass_MouseUp(int button, int, int, int)
{
    const int row = msfgClass->mouseRow();
    const int col = msfgClass->mouseCol();
    const bool studentRow = row >= 1 && row <= state_.studentCount();
    // The number and names stay put while the grid scrolls and take no entry, so the grid does
    // not move into them; a click there still means this student: their mark cell becomes current.
    if (studentRow && col < fixedGridColumns && button == leftButton)
        msfgClass->setCurrent(row, markColumn);
    if (studentRow && isCommentColumn(col)) {
        if (button == rightButton)
            pickUpCode(row, col);
        if (codePicker_->hasCode() && !placeCode(button, row, col))
            return;
    }
    if (studentRow && isSkillColumn(col))
        rateSkill(button, row, col);
    if (row == 0 && isFlagColumn(col))
        setFlagForClass(button, col);
}

const PendingCode& frmEntry::pending() const
{
    return codePicker_->pending();
}

void frmEntry::pickUpCode(int row, int col)
{
    codePicker_->drop();
    // A free-form student's cells show the words "Free Form Code Click Below", not codes.
    if (state_.students[static_cast<size_t>(row - 1)].hasFreeForm)
        return;
    codePicker_->lookUpOrPickUp(row, col);
}

bool frmEntry::placeCode(int button, int row, int col)
{
    if (button == leftButton) {
        if (state_.students[static_cast<size_t>(row - 1)].hasFreeForm)
            return false; // a free-form comment takes no codes
        codePicker_->placeInto(row, col, firstCommentColumn, commentCount);
    }
    msfgClass->setCurrent(row, col);
    msfgClass->setCellForeground(row, col, Qt::black);
    return true;
}

void frmEntry::rateSkill(int button, int row, int col)
{
    if (const std::optional<std::string> rating = steppedSkillRating(cellBytes(*msfgClass, row, col), button))
        setCellBytes(*msfgClass, row, col, *rating);
    msfgClass->setCurrent(row, col);
    msfgClass->setCellForeground(row, col, Qt::black);
    const int index = row - 1;
    pushUndo(index);
    StudentRecord& student = state_.students[static_cast<size_t>(index)];
    for (int k = 1; k <= skillCount; ++k)
        student.skill(k) = cellBytes(*msfgClass, row, firstSkillColumn + k - 1);
    displayDetails(index);
}

void frmEntry::setFlagForClass(int button, int col)
{
    // One step of undo gives every student's flag back: a slip on a heading must not cost the
    // teacher a class's worth of flags.
    undoStack_.pushClassFlags(state_.students, flagOfColumn(col), button == rightButton);
    showUndoState();
    tq::setFlagForClass(state_.students, flagOfColumn(col), button == rightButton);
    classChanged();
    for (int i = 0; i < state_.studentCount(); ++i)
        redrawStudentRow(i);
    // The panel shows the interview request, so it follows that heading.
    const int row = msfgClass->currentRow();
    if (col == interviewColumn && row >= 1 && row <= state_.studentCount())
        displayDetails(row - 1);
}

void frmEntry::msfgClass_Click()
{
    const int row = msfgClass->mouseRow();
    const int col = msfgClass->mouseCol();
    if (row < 1 || row > state_.studentCount())
        return;
    if (isFlagColumn(col)) {
        FlagCells flags = flagCellsOf(*msfgClass, row);
        toggleFlag(flags, flagOfColumn(col));
        for (size_t k = 0; k < flags.size(); ++k)
            setCellBytes(*msfgClass, row, iepColumn + static_cast<int>(k), flags[k]);
    }
    const int index = row - 1;
    StudentRecord& student = state_.students[static_cast<size_t>(index)];
    if (isCommentColumn(col) && student.hasFreeForm)
        return;
    if (!isCommentColumn(col) && !isFlagColumn(col))
        return;
    pushUndo(index);
    if (!student.hasFreeForm) {
        const CommentCells cells = commentCellsOf(*msfgClass, row);
        for (int k = 1; k <= commentCount; ++k)
            student.comment(k) = cells[static_cast<size_t>(k - 1)];
    }
    storeFlags(student, flagCellsOf(*msfgClass, row));
    displayDetails(index);
}

void frmEntry::lstFavourites_Click()
{
    codePicker_->drop();
}

} // namespace tq
