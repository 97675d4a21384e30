#pragma once
// The favourites list as every window shows it: one row per favourite ("0123 phrase text") or
// separator, in the teacher's order. As a palette (the main window, Initial Values Setup) it ends
// with the "no comment" row and is where the code to place is chosen; as the list of entries
// (Comment Selection) it holds exactly the entries being edited. Every row shows its whole
// phrase as a tooltip, since a long phrase is wider than the list. The list of entries can be
// edited row by row, and its rows can be dragged to another place.
#include "core/selection/FavouritesListText.h"
#include "core/selection/FavouritesRows.h"

#include <QListWidget>

#include <optional>
#include <string>
#include <vector>

namespace tq {

namespace ui {
class UniformWidthDelegate;
}

class FavouritesList : public QListWidget {
    Q_OBJECT

public:
    FavouritesList(FavouritesListKind kind, QWidget* parent);

    FavouritesListKind kind() const { return kind_; }

    // Fills the list from the favourites (its font set first: rows are sized for it).
    void showFavourites(const Favourites& fav, const PhraseLibrary& library);
    // Fills the list with lines as favouritesListLines makes them.
    void showLines(std::vector<std::string> lines);

    // The rows' texts in the program's code page.
    const std::vector<std::string>& lines() const { return lines_; }
    // The code a row stands for: its first four characters (four spaces for a separator and for
    // the "no comment" row).
    std::string codeAt(int row) const;

    // True while the teacher has an entry chosen.
    bool hasChosenEntry() const;
    // The code of the chosen entry; empty when none is chosen.
    std::string chosenCode() const;

    // The look-up of a right click on a comment holding `cellText`: selects the row that stands
    // for it ("no comment" for an empty comment) and shows it, without counting as the teacher's
    // choice. False, with nothing selected, when no row has the code.
    bool selectRowFor(const std::string& cellText);

    // The selected row; nothing when no row is selected.
    std::optional<size_t> selectedRow() const;
    // Makes one edit of the rows in the list and in its lines, and selects the row the edit
    // leaves selected. An inserted row shows `inserted`.
    void applyRowChange(const RowChange& change, const std::string& inserted = {});

signals:
    // The teacher chose an entry with the mouse or the keyboard (not raised by selectRowFor).
    void entryChosen();
    // The teacher let go of a row of a list of entries, dragged or not.
    void dragFinished();
    // Enter on an entry of a palette: the teacher places its code where the window's grid is.
    void placeChosen();

protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // In a list of entries, a row pressed with the left button follows the pointer, one place at
    // a time, until the button is let go.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<size_t> dragTargetRow(const QPoint& pos) const;

    FavouritesListKind kind_;
    ui::UniformWidthDelegate* sizing_;
    std::vector<std::string> lines_;
    bool quiet_ = false;
    bool dragging_ = false;
    std::optional<size_t> dragFrom_;
};

} // namespace tq
