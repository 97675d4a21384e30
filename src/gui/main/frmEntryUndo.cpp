// Undo and redo in the main window: each single-student change keeps the student's whole record
// first; undo puts the latest one back and shows that student, redo puts back what undo took
// away. Each step taken is confirmed in words ("Undone: 12 pasted marks."), as are the window's
// other actions that leave no cell to read (a save, marks stored, a free-form comment).
#include "core/entry/ClassGridLayout.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/GridCellText.h"
#include "gui/widgets/ScreenReaderAnnouncement.h"

#include <QApplication>
#include <QTimer>

namespace tq {

void frmEntry::studentChanging(int studentIndex)
{
    undoStack_.push(state_.students[static_cast<size_t>(studentIndex)], studentIndex);
    showUndoState();
    classChanged(); // the copy is taken once the change that follows the push is done
}

void frmEntry::classFlagsChanging(StudentFlag flag, bool on)
{
    // One step of undo gives every student's flag back: a slip on a heading must not cost the
    // teacher a class's worth of flags.
    undoStack_.pushClassFlags(state_.students, flag, on);
    showUndoState();
    classChanged();
}

void frmEntry::clearUndo()
{
    undoStack_.clear();
    showUndoState();
}

void frmEntry::showUndoState()
{
    commands_->setUndoEnabled(!undoStack_.empty());
    commands_->setRedoEnabled(undoStack_.canRedo());
}

void frmEntry::doUndo()
{
    takeUndoStep(false);
}

void frmEntry::doRedo()
{
    takeUndoStep(true);
}

void frmEntry::takeUndoStep(bool redo)
{
    const CurrentPlace here = currentPlace();
    const std::optional<UndoneChange> done =
        redo ? undoStack_.redoLatest(state_.students) : undoStack_.undoLatest(state_.students);
    showUndoState();
    if (!done)
        return;
    classChanged();
    if (done->wholeClass) {
        // The class came back whole: the cursor stays on the student it was on.
        fillflexGrid();
        returnTo(here);
    } else {
        for (const int index : done->students)
            redrawStudentRow(index);
        const int current = msfgClass->currentRow() - 1;
        const int shown = done->shown >= 0 ? done->shown : current;
        if (shown == current)
            displayDetails(shown);
        else
            msfgClass->setCurrentRow(shown + 1); // the cell notifications move the highlight and details
    }
    confirmDone((redo ? QStringLiteral("Redone: ") : QStringLiteral("Undone: ")) + ui::fromCp1252(done->description) +
                QLatin1Char('.'));
}

void frmEntry::confirmDone(const QString& words, bool afterDialog)
{
    // Said once the events of the action are through: in the grid after its move to the student
    // is said. After a dialog the keyboard is still on its way back, and the grid would drop
    // the words as it loses and regains the keyboard: they come up at once in this window.
    QTimer::singleShot(0, this, [this, words, afterDialog] {
        const QWidget* focused = QApplication::focusWidget();
        if (!afterDialog && focused && focused->window() == this)
            ui::announce(words);
        else
            ui::notify(this, words);
    });
}

void frmEntry::redrawStudentRow(int studentIndex)
{
    const GridRow cells = gridRowCells(state_.students[static_cast<size_t>(studentIndex)], showCourseCodes());
    for (int c = markColumn; c < gridColumnCount; ++c)
        setCellBytes(*msfgClass, studentIndex + 1, c, cells[static_cast<size_t>(c)]);
}

} // namespace tq
