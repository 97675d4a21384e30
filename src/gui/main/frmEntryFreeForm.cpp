// Free-form comments from the main window: a click on the details panel opens the dialog for
// the current student, and its result switches the student between coded and free-form.
#include "core/entry/FreeFormComment.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/EventHook.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace tq {

void frmEntry::connectFreeForm()
{
    lblFreeFormComment->setCursor(Qt::PointingHandCursor);
    lblFreeFormComment->setToolTip(QStringLiteral("Click to write a free form comment for this student"));
    lblFreeFormComment->raise();
    ui::onEvent(lblFreeFormComment, QEvent::MouseButtonRelease, [this](QEvent* e) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::LeftButton && lblFreeFormComment->rect().contains(mouse->position().toPoint()))
            lblFreeFormComment_Click();
    });
    // The clickable area covers the detail lines whatever size the panel is given.
    ui::onEvent(Shape1, QEvent::Resize, [this](QEvent*) { lblFreeFormComment->setGeometry(Shape1->rect()); });
}

void frmEntry::lblFreeFormComment_Click()
{
    const int index = msfgClass->selectedRow() - 1;
    if (index < 0 || index >= state_.studentCount())
        return;
    const StudentRecord& student = state_.students[static_cast<size_t>(index)];
    const std::string offered = offeredFreeFormText(student, state_.phrases);
    auto* dialog = new frmFreeFormCommentEntry(dialogs_, ui::fromCp1252(offered), state_, index, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this,
            [this, dialog, index, offered, number = student.studentNumber, course = student.courseCode] {
                // The dialog is modal, so the class cannot change meanwhile; should it have, the
                // text is not given to whoever stands at that place now.
                if (index >= state_.studentCount())
                    return;
                const StudentRecord& now = state_.students[static_cast<size_t>(index)];
                if (now.studentNumber == number && now.courseCode == course)
                    applyFreeFormComment(index, offered, ui::toCp1252(dialog->freeFormText()));
            });
    dialog->open();
}

void frmEntry::applyFreeFormComment(int studentIndex, const std::string& offered, const std::string& result)
{
    const FreeFormOutcome outcome =
        applyFreeFormResult(state_.students[static_cast<size_t>(studentIndex)], offered, result);
    if (outcome == FreeFormOutcome::Unchanged) {
        showMessage(freeFormUnchangedMessage());
        return;
    }
    classChanged();
    redrawStudentRow(studentIndex);
    displayDetails(studentIndex);
}

} // namespace tq
