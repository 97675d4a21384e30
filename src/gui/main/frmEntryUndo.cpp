// Undo in the main window: each single-student change keeps the student's whole record first;
// undo puts the latest one back and shows that student.
#include "core/entry/ClassGridLayout.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/GridCellText.h"

namespace tq {

void frmEntry::studentChanging(int studentIndex)
{
    undoStack_.push(state_.students[static_cast<size_t>(studentIndex)], studentIndex);
    commands_->setUndoEnabled(true);
    classChanged(); // the copy is taken once the change that follows the push is done
}

void frmEntry::classFlagsChanging(StudentFlag flag, bool on)
{
    // One step of undo gives every student's flag back: a slip on a heading must not cost the
    // teacher a class's worth of flags.
    undoStack_.pushClassFlags(state_.students, flag, on);
    commands_->setUndoEnabled(!undoStack_.empty());
    classChanged();
}

void frmEntry::clearUndo()
{
    undoStack_.clear();
    commands_->setUndoEnabled(false);
}

void frmEntry::doUndo()
{
    if (const std::optional<UndoneChange> undone = undoStack_.undoLatest(state_.students)) {
        classChanged();
        if (undone->wholeClass) {
            fillflexGrid();
            commands_->setUndoEnabled(!undoStack_.empty());
            return;
        }
        for (const int index : undone->students)
            redrawStudentRow(index);
        const int current = msfgClass->currentRow() - 1;
        const int shown = undone->shown >= 0 ? undone->shown : current;
        if (shown == current)
            displayDetails(shown);
        else
            msfgClass->setCurrentRow(shown + 1); // the cell notifications move the highlight and details
    }
    commands_->setUndoEnabled(!undoStack_.empty());
}

void frmEntry::redrawStudentRow(int studentIndex)
{
    const GridRow cells = gridRowCells(state_.students[static_cast<size_t>(studentIndex)], showCourseCodes());
    for (int c = markColumn; c < gridColumnCount; ++c)
        setCellBytes(*msfgClass, studentIndex + 1, c, cells[static_cast<size_t>(c)]);
}

} // namespace tq
