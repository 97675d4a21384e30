#pragma once
// Editing what a range gives: ratings stepped by clicking, and undo of each edit. Before each
// edit the whole range is kept with its position (from 1, as the grid rows count), so that undo
// puts it back, latest edit first; the latest 500 edits are kept.
#include "core/entry/SnapshotUndo.h"
#include "core/selection/FavouritesFile.h"

#include <optional>
#include <string>
#include <vector>

namespace tq {

struct RangeUndoEntry {
    InitialValueRange savedRange; // the range as it was before the edit
    int rangePosition = 0;        // where it stands in the table, from 1
};

using RangeUndo = SnapshotUndo<RangeUndoEntry>;

// The rating a skill cell of a range holds after a click with `button`: as a student's skill
// steps (an empty cell counts as "3" first), and an empty cell becomes "3" whichever button.
std::string rangeRatingAfterClick(const std::string& rating, int button);

// Puts the latest kept range of `undo` back into `ranges` and returns its position; nothing when
// there is nothing to undo. The range it replaced is kept on `redo`. An entry whose position the
// table no longer has is dropped unused. Redo is the same with the two lists swapped.
std::optional<int> undoRangeEdit(std::vector<InitialValueRange>& ranges, RangeUndo& undo, RangeUndo& redo);

} // namespace tq
