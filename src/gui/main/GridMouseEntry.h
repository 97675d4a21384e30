#pragma once
// Entering comment codes, learning skills and flags with the mouse in the main window's grid:
// right-click pick-up, placing the picked or chosen code, rating skills by button, the flag
// toggles per student and, from the headings, for the whole class; and the mouse pointer that
// says what a click would do.
#include <QObject>

#include <memory>

namespace tq {

class CommentCodePicker;
class EntryHost;
class FavouritesList;
struct PendingCode;
struct ProgramState;
namespace ui {
class ClassGrid;
}

class GridMouseEntry : public QObject {
public:
    GridMouseEntry(ui::ClassGrid& grid, FavouritesList& palette, ProgramState& state, EntryHost& host);
    ~GridMouseEntry() override;

    // The code picked up with a right click, and its cell.
    const PendingCode& pending() const;
    void dropCode();

private:
    void mouseUp(int button);
    void click();
    void mouseMove(int xTwips);
    void pickUpCode(int row, int col);
    bool placeCode(int button, int row, int col);
    void rateSkill(int button, int row, int col);
    void setFlagForClass(int button, int col);

    ui::ClassGrid& grid_;
    ProgramState& state_;
    EntryHost& host_;
    std::unique_ptr<CommentCodePicker> picker_;
};

} // namespace tq
