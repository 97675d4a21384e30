// Typing marks in the main window: the entry box laid over the mark cell, its key filter, and
// storing the mark with the initial values of its range.
#include "core/entry/ClassGridLayout.h"
#include "core/entry/InitialValueFill.h"
#include "core/entry/MarkEntry.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/EventHook.h"
#include "gui/widgets/GridCellText.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace tq {

namespace {
MarkKey markKeyOf(int qtKey)
{
    if (qtKey == Qt::Key_I)
        return MarkKey::LetterI;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) // the keypad's digits carry the same key codes
        return MarkKey::Digit;
    if (qtKey == Qt::Key_Shift)
        return MarkKey::Shift;
    return MarkKey::Other;
}
} // namespace

void frmEntry::msfgClass_KeyPress(int keyAscii)
{
    const int row = msfgClass->selectedRow();
    if (msfgClass->selectedCol() != markColumn || row < 1 || row > state_.studentCount())
        return;
    if (keyAscii == enterCharCode)
        msfgClass_LeaveCell();
    txtDataEntry->setText(ui::fromCp1252(markBoxTextForKey(keyAscii)));
    placeMarkEntryBox();
    txtDataEntry->show();
    txtDataEntry->setFocus(Qt::OtherFocusReason);
}

void frmEntry::placeMarkEntryBox()
{
    const QRect cell = msfgClass->currentCellRect();
    if (cell.isEmpty()) {
        hideMarkEntryBox(); // the mark cell has scrolled out of sight: nothing is stored
        return;
    }
    txtDataEntry->setGeometry(cell.translated(-msfgClass->viewport()->pos()));
    txtDataEntry->raise();
}

void frmEntry::txtDataEntry_KeyUp(int qtKey)
{
    const std::string text = ui::toCp1252(txtDataEntry->text());
    const std::string filtered = filterMarkText(text, markKeyOf(qtKey));
    if (filtered != text)
        txtDataEntry->setText(ui::fromCp1252(filtered)); // the caret goes to the end: 0 or 1
}

void frmEntry::commitMarkEntry()
{
    if (!txtDataEntry->isVisible())
        return;
    const int row = msfgClass->currentRow();
    const std::string text = ui::toCp1252(txtDataEntry->text());
    if (!text.empty() && row >= 1 && row <= state_.studentCount()) {
        const int index = row - 1;
        setCellBytes(*msfgClass, row, markColumn, text);
        pushUndo(index);
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
    hideMarkEntryBox();
    msfgClass->setCurrentRow(nextStudentRow(msfgClass->selectedRow(), msfgClass->rows()));
}

void frmEntry::hideMarkEntryBox()
{
    // The grid takes the keyboard back first: a focused box that is hidden hands the focus to the
    // next control in tab order (the Comments/Skills button), where Space or Enter would press it.
    if (txtDataEntry->hasFocus())
        msfgClass->setFocus(Qt::OtherFocusReason);
    txtDataEntry->hide();
}

void frmEntry::connectEntry()
{
    // A thin border in the highlight colour tells the teacher the cell is being typed into.
    txtDataEntry->setFrame(false);
    txtDataEntry->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(highlight); border-radius: 0; padding: 0 1px; background: palette(base); }"));
    txtDataEntry->setFont(msfgClass->font());
    connect(msfgClass, &ui::ClassGrid::keyPressed, this, [this](int code) { msfgClass_KeyPress(code); });
    new ui::EventHook(txtDataEntry, [this](QEvent* e) {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return false;
        const int qtKey = static_cast<QKeyEvent*>(e)->key();
        if (e->type() == QEvent::KeyRelease) {
            if (txtDataEntry->isVisible())
                txtDataEntry_KeyUp(qtKey);
            return false;
        }
        if (qtKey != Qt::Key_Return && qtKey != Qt::Key_Enter)
            return false; // typed into the box as usual
        // Enter stores the mark here and goes no further: passed on to the grid below, it would
        // open the box again.
        commitMarkEntry();
        return true;
    });
    // The box follows its cell when the grid scrolls.
    for (QScrollBar* bar : {msfgClass->verticalScrollBar(), msfgClass->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (txtDataEntry->isVisible())
                placeMarkEntryBox();
        });
    connectMouseEntry();
    connectUndo();
    connectFreeForm();
}

} // namespace tq
