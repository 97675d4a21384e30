#pragma once
// Editing the favourites list row by row, as the Comment Selection window does: a phrase or a
// separator inserted after the selected row, a row moved up, down or dragged, a row removed. The
// rows are what the teacher sees; after an edit the entries are made again from them.
#include "core/base/Message.h"

#include <optional>
#include <string>
#include <vector>

namespace tq {

// One edit of the rows, and the row selected after it.
struct RowChange {
    enum class Kind { Insert, Move, Remove };

    Kind kind = Kind::Insert;
    size_t from = 0;                 // Move, Remove: the row taken out
    size_t to = 0;                   // Insert, Move: where the row goes
    std::optional<size_t> selected;  // the selection afterwards; nothing when no row is left

    bool operator==(const RowChange&) const = default;
};

// True when the list holds as many entries as a favourites list may.
bool favouritesFull(size_t entryCount);

// The edits of the window's commands, for a list of `rowCount` rows with `selected` chosen.
// Nothing when the command does not apply: a full list takes no new row; moving and removing need
// a selected row; the first row goes no higher and the last no lower.
std::optional<RowChange> insertRowChange(size_t rowCount, std::optional<size_t> selected);
std::optional<RowChange> moveUpChange(size_t rowCount, std::optional<size_t> selected);
std::optional<RowChange> moveDownChange(size_t rowCount, std::optional<size_t> selected);
std::optional<RowChange> removeRowChange(size_t rowCount, std::optional<size_t> selected);
// A step of a drag: the dragged row `from` follows the pointer to row `to`.
std::optional<RowChange> dragChange(size_t rowCount, std::optional<size_t> from, std::optional<size_t> to);

// Makes the change in `rows`; an inserted row gets the text `inserted`.
void applyRowChange(std::vector<std::string>& rows, const RowChange& change, const std::string& inserted = {});

// The entries the rows stand for: each row's first four characters, so a separator row gives the
// blank code and a longer code is cut to four.
std::vector<std::string> entriesFromRows(const std::vector<std::string>& rows);

// TQ19: the list is full and nothing was added.
Message favouritesFullMessage();

} // namespace tq
