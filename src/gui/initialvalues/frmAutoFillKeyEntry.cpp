// Giving a range its comment codes and ratings by keyboard, as the mouse does and as in the main
// window: a code typed into a comment opens the code box, and Enter places the code when the
// library has it; a rating's digit or letter rates a skill; Delete clears either; Enter on a
// favourite places its code in the current range. Escape leaves the window as Back does.
#include "core/entry/CellKeys.h"
#include "core/entry/CommentPlacement.h"
#include "core/initialvalues/RangeGridLayout.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/program/ProgramState.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/widgets/CellEntryBox.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/ClassGridAccessibility.h"
#include "gui/widgets/CommentCodePicker.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/GridCellText.h"

#include <QPushButton>
#include <QShortcut>

namespace tq {

void frmAutoFill::connectKeys()
{
    entryBox_ = new CellEntryBox(*msfgClass);
    connect(entryBox_, &CellEntryBox::enterPressed, this, [this] { commitCodeEntry(); });
    connect(msfgClass, &ui::ClassGrid::keyPressed, this, [this](int code) { msfgClass_KeyPress(code); });
    // A code half typed goes with its cell: it is not placed in another one.
    connect(msfgClass, &ui::ClassGrid::leaveCell, entryBox_, [this] { entryBox_->close(); });
    connect(lstFavourites, &FavouritesList::placeChosen, this, [this] { placeChosenFavourite(); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { close(); });
    // The main window's undo and redo keys work here too (an open code box keeps them).
    for (const char* key : {"Ctrl+Z", "Ctrl+U"})
        connect(new QShortcut(QKeySequence(QString::fromLatin1(key)), this), &QShortcut::activated, this, [this] {
            if (cmdUndo->isEnabled())
                cmdUndo_Click();
        });
    for (const char* key : {"Ctrl+Y", "Ctrl+Shift+Z"})
        connect(new QShortcut(QKeySequence(QString::fromLatin1(key)), this), &QShortcut::activated, this,
                [this] { redoRangeEdit(); });
}

void frmAutoFill::msfgClass_KeyPress(int charCode)
{
    const int row = msfgClass->currentRow();
    const int col = msfgClass->currentCol();
    if (!isRangeRow(row))
        return;
    const CellKind kind = isRangeCommentColumn(col) ? CellKind::Comment
                          : isRangeSkillColumn(col) ? CellKind::Skill
                                                    : CellKind::Other;
    const CellKey key = cellKey(kind, charCode);
    switch (key.action) {
    case CellKey::Action::TypeCode:
        entryBox_->open(key.value, CellEntryBox::Holds::Code);
        return;
    case CellKey::Action::Rate:
        setCellBytes(*msfgClass, row, col, key.value);
        storeRangeSkills(row);
        break;
    case CellKey::Action::Clear:
        if (kind == CellKind::Comment) {
            placeTypedCode(row, col, blankCode); // as the "no comment" favourite does
        } else {
            setCellBytes(*msfgClass, row, col, std::string());
            storeRangeSkills(row);
        }
        break;
    case CellKey::Action::ToggleFlag:
    case CellKey::Action::None:
        return;
    }
    displayDetails(row);
    if (kind == CellKind::Skill) // a placed code was announced as it was placed
        msfgClass->announce(ui::cellWords(*msfgClass, row, col));
}

void frmAutoFill::commitCodeEntry()
{
    const int row = msfgClass->currentRow();
    const int col = msfgClass->currentCol();
    const std::string code = entryBox_->text();
    entryBox_->close();
    if (code.empty() || !isRangeRow(row) || !isRangeCommentColumn(col))
        return;
    if (!state_.phrases.find(code)) {
        showMessage(unknownTypedCodeMessage(code));
        return;
    }
    placeTypedCode(row, col, code);
    // The range's next comment is ready for the next code.
    if (col + 1 < firstRangeSkillColumn)
        msfgClass->setCurrent(row, col + 1);
}

void frmAutoFill::placeChosenFavourite()
{
    const int row = msfgClass->currentRow();
    if (!isRangeRow(row) || !lstFavourites->hasChosenEntry())
        return;
    std::array<std::string, rangeCommentCount> comments;
    for (int k = 0; k < rangeCommentCount; ++k)
        comments[static_cast<size_t>(k)] = cellBytes(*msfgClass, row, firstRangeCommentColumn + k);
    const int col = msfgClass->currentCol();
    const int slot = slotForChosenCode(comments, isRangeCommentColumn(col) ? col - firstRangeCommentColumn : -1);
    placeTypedCode(row, firstRangeCommentColumn + slot, lstFavourites->chosenCode());
    msfgClass->setFocus(Qt::OtherFocusReason);
}

void frmAutoFill::placeTypedCode(int row, int col, const std::string& code)
{
    codePicker_->drop();
    codePicker_->placeCodeInto(row, col, firstRangeCommentColumn, rangeCommentCount, code);
    msfgClass->setCurrent(row, col);
    storeRangeComments(row);
    displayDetails(row);
    msfgClass->announce(ui::cellWords(*msfgClass, row, col));
}

} // namespace tq
