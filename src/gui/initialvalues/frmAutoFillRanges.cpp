// The three edits of the ranges themselves: Enter Ranges replaces them all from one typed
// answer, Split cuts the current range in two, Delete merges it into the range below. Each
// discards the undo of codes and ratings, whose positions it may have moved.
#include "core/initialvalues/RangeInput.h"
#include "core/initialvalues/RangeSplitDelete.h"
#include "core/program/ProgramState.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"

namespace tq {

void frmAutoFill::cmdEnterRanges_Click()
{
    const QString answer = dialogs_.input(this, ui::fromCp1252(enterRangesPrompt()), QString::fromLatin1(enterRangesTitle));
    if (answer.isEmpty())
        return;
    std::variant<std::vector<InitialValueRange>, Message> ranges = rangesFromInput(ui::toCp1252(answer));
    if (const Message* refused = std::get_if<Message>(&ranges)) {
        showMessage(*refused);
        return;
    }
    state_.favourites.initialRanges = std::move(std::get<std::vector<InitialValueRange>>(ranges));
    showRangesFrom(1);
}

void frmAutoFill::cmdSplit_Click()
{
    const int row = msfgClass->selectedRow();
    if (!isRangeRow(row))
        return;
    switch (splitRange(state_.favourites.initialRanges, row)) {
    case SplitResult::Split:
        showRangesFrom(row);
        return;
    case SplitResult::TableFull:
        showMessage(rangeTableFullMessage());
        break;
    case SplitResult::NotSplit:
        break;
    }
    displayDetails(row);
}

void frmAutoFill::cmdDelete_Click()
{
    const int row = msfgClass->selectedRow();
    if (deleteRange(state_.favourites.initialRanges, row))
        showRangesFrom(row);
}

// The grid again after the table changed, with `position` the current row and shown below. The
// change is reported for the recovery copy.
void frmAutoFill::showRangesFrom(int position)
{
    favouritesEdited(state_);
    const int col = msfgClass->currentCol();
    fillflexGrid();
    if (isRangeRow(position))
        msfgClass->setCurrent(position, col);
    displayDetails(position);
    discardUndo();
}

} // namespace tq
