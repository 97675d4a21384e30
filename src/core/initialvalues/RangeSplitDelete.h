#pragma once
// Splitting a mark range in two halves, and deleting a range into the one below it. Positions
// count from 1, the top range, as the ranges grid shows them.
#include "core/base/Message.h"
#include "core/selection/FavouritesFile.h"

#include <vector>

namespace tq {

enum class SplitResult {
    Split,      // the range is now two
    NotSplit,   // no such range, or a one-mark range
    TableFull,  // the table holds 100 ranges already: nothing changed (TQ21)
};

// Splits the range at `position`: the upper half keeps the position and the lower half, with
// the same comment codes and ratings, follows it (60-84 gives 72-84 and 60-71).
SplitResult splitRange(std::vector<InitialValueRange>& ranges, int position);

// Deletes the range at `position`; the range below it takes over its marks and keeps its own
// codes and ratings. False, with nothing changed, for the bottom range or a single range.
bool deleteRange(std::vector<InitialValueRange>& ranges, int position);

Message rangeTableFullMessage(); // TQ21

} // namespace tq
