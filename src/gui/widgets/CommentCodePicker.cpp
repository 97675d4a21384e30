#include "gui/widgets/CommentCodePicker.h"

#include "core/entry/CommentPlacement.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/GridCellText.h"

#include <vector>

namespace tq {

bool CommentCodePicker::hasCode() const
{
    return pending_.active() || palette_.hasChosenEntry();
}

std::string CommentCodePicker::code() const
{
    return pending_.active() ? pending_.code : palette_.chosenCode();
}

void CommentCodePicker::drop()
{
    if (!pending_.active())
        return;
    grid_.setCellBackground(pending_.row, pending_.col, QColor()); // the grid's own colour again
    pending_ = PendingCode{};
}

void CommentCodePicker::lookUpOrPickUp(int row, int col)
{
    drop();
    const std::string cellCode = cellBytes(grid_, row, col);
    if (palette_.selectRowFor(cellCode))
        return;
    grid_.setCurrent(row, col);
    grid_.setCellBackground(row, col, pendingColour());
    pending_ = PendingCode{cellCode, row, col};
}

void CommentCodePicker::placeInto(int row, int col, int firstCol, int count)
{
    placeCodeInto(row, col, firstCol, count, code());
}

void CommentCodePicker::placeCodeInto(int row, int col, int firstCol, int count, const std::string& code)
{
    std::vector<std::string> cells;
    for (int k = 0; k < count; ++k)
        cells.push_back(cellBytes(grid_, row, firstCol + k));
    placeCommentCode(cells, col - firstCol, code);
    for (int k = 0; k < count; ++k)
        setCellBytes(grid_, row, firstCol + k, cells[static_cast<size_t>(k)]);
}

} // namespace tq
