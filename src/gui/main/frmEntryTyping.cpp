// Typing in the main window's grid: a key on a mark cell opens the entry box over it, and Enter
// stores the mark with the initial values of its range; on a comment cell a typed code is placed
// once the library has it; ratings, flags and clearing a cell take effect as the key is typed; and
// Enter on a favourite places its code for the current student.
#include "core/entry/CellKeys.h"
#include "core/entry/ClassGridLayout.h"
#include "core/entry/InitialValueFill.h"
#include "core/entry/MarkEntry.h"
#include "gui/widgets/CellEntryBox.h"
#include "gui/main/FavouritesPanel.h"
#include "gui/main/GridCellEntry.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/GridCellText.h"

#include <QCheckBox>

namespace tq {

void frmEntry::msfgClass_KeyPress(int keyAscii)
{
    const int row = msfgClass->selectedRow();
    if (row < 1 || row > state_.studentCount())
        return;
    if (msfgClass->selectedCol() != markColumn) {
        if (const std::optional<std::string> code = cellEntry_->keyTyped(row, msfgClass->selectedCol(), keyAscii))
            entryBox_->open(*code, CellEntryBox::Holds::Code);
        return;
    }
    if (keyAscii == enterCharCode)
        msfgClass_LeaveCell();
    entryBox_->open(markBoxTextForKey(keyAscii));
}

void frmEntry::commitOpenEntry()
{
    if (entryBox_->isOpen())
        entryBox_->holds() == CellEntryBox::Holds::Mark ? commitMarkEntry() : commitCodeEntry();
}

void frmEntry::commitCodeEntry()
{
    const int row = msfgClass->currentRow();
    const int col = msfgClass->currentCol();
    const std::string code = entryBox_->text();
    entryBox_->close();
    if (code.empty())
        return;
    if (!state_.phrases.find(code)) {
        showMessage(unknownTypedCodeMessage(code));
        return;
    }
    // The next comment cell of the row is ready for the next code.
    if (cellEntry_->placeCode(row, col, code) && col + 1 < firstSkillColumn)
        msfgClass->setCurrent(row, col + 1);
}

void frmEntry::placeChosenFavourite()
{
    const int row = msfgClass->currentRow();
    const FavouritesList& list = favouritesPanel_->favouritesList();
    if (row < 1 || row > state_.studentCount() || !list.hasChosenEntry() || !commentsView())
        return;
    cellEntry_->placeCode(row, cellEntry_->commentCellFor(row), list.chosenCode());
    msfgClass->setFocus(Qt::OtherFocusReason);
}

void frmEntry::commitMarkEntry()
{
    if (!entryBox_->isOpen())
        return;
    const QString storedWords = storeOpenMark();
    msfgClass->setCurrentRow(nextStudentRow(msfgClass->selectedRow(), msfgClass->rows()));
    msfgClass->announce(storedWords + QStringLiteral("Next: ") + msfgClass->rowName(msfgClass->currentRow()) + QLatin1Char('.'));
}

// The mark shown in an open entry box is stored as Enter stores it, and the box closes; the
// current cell stays where it is. Gives the words a screen reader says of it ("" when nothing was
// stored).
QString frmEntry::storeOpenMark()
{
    if (!entryBox_->isOpen() || entryBox_->holds() != CellEntryBox::Holds::Mark)
        return {};
    const int row = msfgClass->currentRow();
    const std::string text = entryBox_->text();
    const bool stored = !text.empty() && row >= 1 && row <= state_.studentCount();
    if (stored) {
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
    entryBox_->close();
    return stored ? QStringLiteral("Mark %1 stored for %2. ").arg(ui::fromCp1252(text), msfgClass->rowName(row)) : QString();
}

} // namespace tq
