#include "core/selection/FavouritesRows.h"

#include "core/selection/FavouritesFile.h"
#include "core/selection/FavouritesListText.h"

#include <algorithm>

namespace tq {

bool favouritesFull(size_t entryCount)
{
    return entryCount >= maxFavourites;
}

std::optional<RowChange> insertRowChange(size_t rowCount, std::optional<size_t> selected)
{
    if (favouritesFull(rowCount))
        return std::nullopt;
    const size_t at = selected && *selected < rowCount ? *selected + 1 : rowCount;
    return RowChange{RowChange::Kind::Insert, 0, at, at};
}

std::optional<RowChange> moveUpChange(size_t rowCount, std::optional<size_t> selected)
{
    if (!selected || *selected == 0 || *selected >= rowCount)
        return std::nullopt;
    return RowChange{RowChange::Kind::Move, *selected, *selected - 1, *selected - 1};
}

std::optional<RowChange> moveDownChange(size_t rowCount, std::optional<size_t> selected)
{
    if (!selected || *selected + 1 >= rowCount)
        return std::nullopt;
    return RowChange{RowChange::Kind::Move, *selected, *selected + 1, *selected + 1};
}

std::optional<RowChange> removeRowChange(size_t rowCount, std::optional<size_t> selected)
{
    if (!selected || *selected >= rowCount)
        return std::nullopt;
    const size_t left = rowCount - 1;
    // The row that took the removed one's place, or the new last row.
    const std::optional<size_t> next = left == 0 ? std::nullopt : std::optional<size_t>(std::min(*selected, left - 1));
    return RowChange{RowChange::Kind::Remove, *selected, 0, next};
}

std::optional<RowChange> dragChange(size_t rowCount, std::optional<size_t> from, std::optional<size_t> to)
{
    if (!from || !to || *from == *to || *from >= rowCount || *to >= rowCount)
        return std::nullopt;
    return RowChange{RowChange::Kind::Move, *from, *to, *to};
}

void applyRowChange(std::vector<std::string>& rows, const RowChange& change, const std::string& inserted)
{
    switch (change.kind) {
    case RowChange::Kind::Insert:
        rows.insert(rows.begin() + static_cast<long>(change.to), inserted);
        break;
    case RowChange::Kind::Remove:
        rows.erase(rows.begin() + static_cast<long>(change.from));
        break;
    case RowChange::Kind::Move: {
        const auto from = rows.begin() + static_cast<long>(change.from);
        const auto to = rows.begin() + static_cast<long>(change.to);
        if (change.from < change.to)
            std::rotate(from, from + 1, to + 1);
        else
            std::rotate(to, from, from + 1);
        break;
    }
    }
}

std::vector<std::string> entriesFromRows(const std::vector<std::string>& rows)
{
    std::vector<std::string> entries;
    entries.reserve(rows.size());
    for (const std::string& row : rows)
        entries.push_back(codeOfFavouritesLine(row));
    return entries;
}

Message favouritesFullMessage()
{
    return Message{std::string("TQ19: Your favourites list is full.") + crlf + crlf +
                   "A favourites list holds at most " + std::to_string(maxFavourites) +
                   " comments and separators. Remove some before you add more; nothing was added."};
}

} // namespace tq
