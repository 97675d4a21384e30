#pragma once
// Choosing the comment code that left clicks place into a grid, the same way in every window
// that places codes: the code chosen in the favourites palette, or a code picked up with a right
// click from a cell whose code is not among the favourites. A picked-up code's cell shows the
// pending colour until the pick is dropped (its text is kept readable on it by the grid).
#include "core/entry/PendingCode.h"

#include <QColor>

#include <string>

namespace tq {

class FavouritesList;
namespace ui {
class ClassGrid;
}

class CommentCodePicker {
public:
    CommentCodePicker(ui::ClassGrid& grid, FavouritesList& palette) : grid_(grid), palette_(palette) {}

    // The background of a cell whose code has been picked up.
    static QColor pendingColour() { return QColor(110, 150, 210); }

    const PendingCode& pending() const { return pending_; }
    // True when a left click would place a code: one is picked up or chosen in the palette.
    bool hasCode() const;
    // The code a left click places: the picked-up one first, else the palette's choice.
    std::string code() const;

    // A right click on the comment cell (row, col): any earlier pick is dropped; the palette
    // then shows the cell's code ("no comment" for an empty cell) or, when no favourite has it,
    // the code is picked up from the cell.
    void lookUpOrPickUp(int row, int col);
    // Drops the pick: its cell takes the grid's own colour again. The window's choice in the
    // palette drops it too.
    void drop();

    // A left click on the comment cell (row, col) of a row whose comments are the `count` cells
    // from column `firstCol`: the code is written there, and emptied from any other comment of
    // the row that held it (a code stands once in a row).
    void placeInto(int row, int col, int firstCol, int count);
    // The same for a code given rather than picked (typed, or chosen from the palette by key).
    void placeCodeInto(int row, int col, int firstCol, int count, const std::string& code);

private:
    ui::ClassGrid& grid_;
    FavouritesList& palette_;
    PendingCode pending_;
};

} // namespace tq
