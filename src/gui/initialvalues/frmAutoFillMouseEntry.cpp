// Giving a range its comment codes and ratings with the mouse: a right click on a code shows
// its favourite or picks the code up, a left click places the picked or chosen code, and a
// click on a rating steps it. Every edit keeps the range as it was first, for undo.
#include "core/entry/SkillRating.h"
#include "core/initialvalues/RangeGridLayout.h"
#include "core/program/ProgramState.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/CommentCodePicker.h"
#include "gui/widgets/GridCellText.h"

#include <QPushButton>

namespace tq {

void frmAutoFill::msfgClass_MouseUp(int button, int, int, int)
{
    const int row = msfgClass->mouseRow();
    const int col = msfgClass->mouseCol();
    if (!isRangeRow(row))
        return;
    // Any click on a range, its marks included, makes it the current one, which Split and Delete
    // act on; a click on its marks keeps the column the teacher was in.
    msfgClass->setCurrent(row, col >= rangeFixedColumns ? col : std::max(msfgClass->currentCol(), rangeFixedColumns));
    if (isRangeCommentColumn(col)) {
        if (button == rightButton)
            codePicker_->lookUpOrPickUp(row, col);
        else if (button == leftButton && codePicker_->hasCode())
            placeCode(row, col);
    }
    if (isRangeSkillColumn(col))
        rateSkill(button, row, col);
    displayDetails(row);
}

void frmAutoFill::placeCode(int row, int col)
{
    codePicker_->placeInto(row, col, firstRangeCommentColumn, rangeCommentCount);
    storeRangeComments(row);
}

void frmAutoFill::rateSkill(int button, int row, int col)
{
    setCellBytes(*msfgClass, row, col, rangeRatingAfterClick(cellBytes(*msfgClass, row, col), button));
    storeRangeSkills(row);
}

void frmAutoFill::storeRangeComments(int row)
{
    pushUndo(row);
    InitialValueRange& range = rangeAt(row);
    for (int k = 1; k <= rangeCommentCount; ++k)
        range.rangeComment(k) = cellBytes(*msfgClass, row, firstRangeCommentColumn + k - 1);
    favouritesEdited(state_);
}

void frmAutoFill::storeRangeSkills(int row)
{
    pushUndo(row);
    InitialValueRange& range = rangeAt(row);
    for (size_t k = 0; k < range.rangeSkills.size(); ++k)
        range.rangeSkills[k] = cellBytes(*msfgClass, row, firstRangeSkillColumn + static_cast<int>(k));
    favouritesEdited(state_);
}

void frmAutoFill::msfgClass_MouseMove(int xTwips, int)
{
    switch (rangeGridPointer(xTwips, codePicker_->hasCode())) {
    case RangeGridPointer::Drop: msfgClass->setPointer(ui::ClassGrid::Pointer::Custom); break;
    case RangeGridPointer::Rating: msfgClass->setPointer(ui::ClassGrid::Pointer::DiagonalSizing); break;
    case RangeGridPointer::Arrow: msfgClass->setPointer(ui::ClassGrid::Pointer::Arrow); break;
    }
}

void frmAutoFill::lstFavourites_Click()
{
    codePicker_->drop();
}

void frmAutoFill::pushUndo(int position)
{
    undo_.push(RangeUndoEntry{rangeAt(position), position});
    redo_.clear(); // a new edit ends what could be redone
    cmdUndo->setEnabled(true);
}

void frmAutoFill::cmdUndo_Click()
{
    takeRangeStep(undo_, redo_);
}

void frmAutoFill::redoRangeEdit()
{
    takeRangeStep(redo_, undo_);
}

void frmAutoFill::takeRangeStep(RangeUndo& from, RangeUndo& to)
{
    if (const std::optional<int> position = undoRangeEdit(state_.favourites.initialRanges, from, to)) {
        favouritesEdited(state_);
        redrawRangeRow(*position);
        displayDetails(*position);
    }
    cmdUndo->setEnabled(!undo_.empty());
}

void frmAutoFill::discardUndo()
{
    undo_.clear();
    redo_.clear();
    cmdUndo->setEnabled(false);
}

} // namespace tq
