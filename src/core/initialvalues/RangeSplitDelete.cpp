#include "core/initialvalues/RangeSplitDelete.h"

namespace tq {

SplitResult splitRange(std::vector<InitialValueRange>& ranges, int position)
{
    if (position < 1 || static_cast<size_t>(position) > ranges.size())
        return SplitResult::NotSplit;
    const size_t at = static_cast<size_t>(position - 1);
    if (ranges[at].lowMark >= ranges[at].highMark)
        return SplitResult::NotSplit;
    if (ranges.size() >= maxInitialRanges)
        return SplitResult::TableFull;
    // Halfway, rounded down (a range read from a file may lie below 0).
    const int sum = ranges[at].highMark + 1 + ranges[at].lowMark;
    const int mid = sum >= 0 ? sum / 2 : -((1 - sum) / 2);
    InitialValueRange lower = ranges[at];
    lower.highMark = mid - 1;
    ranges[at].lowMark = mid;
    ranges.insert(ranges.begin() + static_cast<long>(at) + 1, std::move(lower));
    return SplitResult::Split;
}

bool deleteRange(std::vector<InitialValueRange>& ranges, int position)
{
    if (position < 1 || static_cast<size_t>(position) >= ranges.size())
        return false;
    const size_t at = static_cast<size_t>(position - 1);
    const int deletedHigh = ranges[at].highMark;
    ranges.erase(ranges.begin() + static_cast<long>(at));
    ranges[at].highMark = deletedHigh;
    return true;
}

Message rangeTableFullMessage()
{
    return Message{"TQ21: The range was not split: there are already 100 ranges, the most a favourites file can hold."};
}

} // namespace tq
