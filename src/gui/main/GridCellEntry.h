#pragma once
// Entering comment codes, learning skills and flags in the main window's grid. By mouse:
// right-click pick-up, placing the picked or chosen code, rating skills by button, the flag
// toggles per student and, from the headings, for the whole class; and the mouse pointer that
// says what a click would do. By keyboard, the same operations: a typed code placed, a rating
// typed, Space on a flag, Delete to clear a cell.
#include <QObject>

#include <memory>
#include <optional>
#include <string>

namespace tq {

class CommentCodePicker;
class EntryHost;
class FavouritesList;
struct PendingCode;
struct ProgramState;
namespace ui {
class ClassGrid;
}

class GridCellEntry : public QObject {
public:
    GridCellEntry(ui::ClassGrid& grid, FavouritesList& palette, ProgramState& state, EntryHost& host);
    ~GridCellEntry() override;

    // The code picked up with a right click, and its cell.
    const PendingCode& pending() const;
    void dropCode();

    // A key typed on cell (row, col) of a student. When it starts a comment code, the text the
    // code box opens with; every other key is carried out here.
    std::optional<std::string> keyTyped(int row, int col, int charCode);
    // Places `code` into comment cell (row, col) as a left click places a chosen code, with its
    // undo. False for a student with a free-form comment, whose cells take no codes.
    bool placeCode(int row, int col, const std::string& code);
    // Where a code chosen in the favourites by key goes for the student of `row`: the current
    // cell when it is a comment cell, else the student's first empty comment.
    int commentCellFor(int row) const;

private:
    void mouseUp(int button);
    void storeCell(int row, int col);
    void setCell(int row, int col, const std::string& value);
    void mouseMove(int xTwips);
    void pickUpCode(int row, int col);
    bool placeClickedCode(int button, int row, int col);
    void rateSkill(int button, int row, int col);
    void setFlagForClass(int button, int col);

    ui::ClassGrid& grid_;
    ProgramState& state_;
    EntryHost& host_;
    std::unique_ptr<CommentCodePicker> picker_;
};

} // namespace tq
