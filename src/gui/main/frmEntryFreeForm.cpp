// Free-form comments from the main window: a click on the details panel opens the dialog for
// the current student, and its result switches the student between coded and free-form. A
// comment that was being written when the program stopped is offered again in the dialog.
#include "core/entry/FreeFormComment.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"

namespace tq {

void frmEntry::lblFreeFormComment_Click()
{
    openFreeFormDialog(msfgClass->selectedRow() - 1);
}

void frmEntry::resumeFreeFormDraft(const FreeFormDraft& draft)
{
    // Only for the student it was written for, who stands at the same place in a restored class.
    if (draft.student < 0 || draft.student >= state_.studentCount() ||
        state_.students[static_cast<size_t>(draft.student)].studentNumber != draft.studentNumber) {
        state_.recovery.freeFormDraft(std::nullopt);
        return;
    }
    msfgClass->setCurrentRow(draft.student + 1);
    displayDetails(draft.student);
    openFreeFormDialog(draft.student, draft.text);
}

void frmEntry::openFreeFormDialog(int index, const std::optional<std::string>& draft)
{
    if (index < 0 || index >= state_.studentCount())
        return;
    const StudentRecord& student = state_.students[static_cast<size_t>(index)];
    const std::string offered = offeredFreeFormText(student, state_.phrases);
    auto* dialog = new frmFreeFormCommentEntry(dialogs_, ui::fromCp1252(offered), state_, index, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this,
            [this, dialog, index, offered, number = student.studentNumber, course = student.courseCode,
             hadFreeForm = student.hasFreeForm] {
                // The dialog is modal, so the class cannot change meanwhile; should it have, the
                // text is not given to whoever stands at that place now.
                if (index >= state_.studentCount())
                    return;
                const StudentRecord& now = state_.students[static_cast<size_t>(index)];
                if (now.studentNumber != number || now.courseCode != course)
                    return;
                const FreeFormOutcome outcome = applyFreeFormResult(state_.students[static_cast<size_t>(index)],
                                                                    offered, ui::toCp1252(dialog->freeFormText()));
                if (outcome == FreeFormOutcome::Unchanged) {
                    showMessage(freeFormUnchangedMessage());
                    return;
                }
                // Back to the coded comments of a student who had none written: nothing changed,
                // and nothing is said to have been removed.
                if (outcome == FreeFormOutcome::Coded && !hadFreeForm)
                    return;
                undoStack_.forgetRedo();
                showUndoState();
                classChanged();
                redrawStudentRow(index);
                displayDetails(index);
                confirmDone((outcome == FreeFormOutcome::FreeForm ? QStringLiteral("Free-form comment stored for ")
                                                                  : QStringLiteral("Free-form comment removed for ")) +
                                ui::fromCp1252(fullName(now)) + QLatin1Char('.'),
                            true);
            });
    dialog->open();
    if (draft)
        dialog->resumeDraft(ui::fromCp1252(*draft));
}

} // namespace tq
