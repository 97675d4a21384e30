// Undo in the main window: each single-student change keeps the student's whole record first;
// undo puts the latest one back and shows that student.
#include "core/entry/ClassGridLayout.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/GridCellText.h"

#include <QAction>
#include <QToolButton>

namespace tq {

void frmEntry::connectUndo()
{
    connect(cmdUndo, &QToolButton::clicked, this, [this] { doUndo(); });
    connect(mnuUndo, &QAction::triggered, this, [this] { doUndo(); });
}

void frmEntry::pushUndo(int studentIndex)
{
    undoStack_.push(state_.students[static_cast<size_t>(studentIndex)], studentIndex);
    showUndoState();
    classChanged(); // the copy is taken once the change that follows the push is done
}

void frmEntry::showUndoState()
{
    cmdUndo->setEnabled(!undoStack_.empty());
    mnuUndo->setEnabled(!undoStack_.empty());
}

void frmEntry::doUndo()
{
    if (const std::optional<UndoneChange> undone = undoStack_.undoLatest(state_.students)) {
        classChanged();
        for (const int index : undone->students)
            redrawStudentRow(index);
        const int current = msfgClass->currentRow() - 1;
        const int shown = undone->shown >= 0 ? undone->shown : current;
        if (shown == current)
            displayDetails(shown);
        else
            msfgClass->setCurrentRow(shown + 1); // the cell notifications move the highlight and details
    }
    showUndoState();
}

void frmEntry::redrawStudentRow(int studentIndex)
{
    const GridRow cells = gridRowCells(state_.students[static_cast<size_t>(studentIndex)], showCourseCodes());
    for (int c = markColumn; c < gridColumnCount; ++c)
        setCellBytes(*msfgClass, studentIndex + 1, c, cells[static_cast<size_t>(c)]);
}

} // namespace tq
