// Typing marks in the main window: a key on a mark cell opens the entry box over it, and Enter
// stores the mark with the initial values of its range.
#include "core/entry/ClassGridLayout.h"
#include "core/entry/InitialValueFill.h"
#include "core/entry/MarkEntry.h"
#include "gui/main/MarkEntryBox.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/GridCellText.h"

#include <QCheckBox>

namespace tq {

void frmEntry::msfgClass_KeyPress(int keyAscii)
{
    const int row = msfgClass->selectedRow();
    if (msfgClass->selectedCol() != markColumn || row < 1 || row > state_.studentCount())
        return;
    if (keyAscii == enterCharCode)
        msfgClass_LeaveCell();
    markEntry_->open(markBoxTextForKey(keyAscii));
}

void frmEntry::commitMarkEntry()
{
    if (!markEntry_->isOpen())
        return;
    const int row = msfgClass->currentRow();
    const std::string text = markEntry_->text();
    if (!text.empty() && row >= 1 && row <= state_.studentCount()) {
        const int index = row - 1;
        setCellBytes(*msfgClass, row, markColumn, text);
        studentChanging(index);
        StudentRecord& student = state_.students[static_cast<size_t>(index)];
        if (optAutoFill->isChecked()) {
            const InitialValuesGiven given = applyInitialValues(student, state_.favourites.initialRanges, text);
            const QColor red(255, 0, 0);
            for (int k = 1; given.comments && k <= 3; ++k) {
                setCellBytes(*msfgClass, row, firstCommentColumn + k - 1, student.comment(k));
                msfgClass->setCellForeground(row, firstCommentColumn + k - 1, red);
            }
            for (int k = 1; given.skills && k <= skillCount; ++k) {
                setCellBytes(*msfgClass, row, firstSkillColumn + k - 1, student.skill(k));
                msfgClass->setCellForeground(row, firstSkillColumn + k - 1, red);
            }
        }
        student.mark = text;
        displayDetails(index);
    }
    markEntry_->close();
    msfgClass->setCurrentRow(nextStudentRow(msfgClass->selectedRow(), msfgClass->rows()));
}

} // namespace tq
