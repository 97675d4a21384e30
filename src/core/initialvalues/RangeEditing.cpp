#include "core/initialvalues/RangeEditing.h"

#include "core/classdata/StudentRecord.h"
#include "core/entry/SkillRating.h"

namespace tq {

std::string rangeRatingAfterClick(const std::string& rating, int button)
{
    if (std::optional<std::string> stepped = steppedSkillRating(rating, button))
        return *stepped;
    return rating.empty() ? std::string(defaultSkill) : rating;
}

std::optional<int> undoRangeEdit(std::vector<InitialValueRange>& ranges, RangeUndo& undo, RangeUndo& redo)
{
    std::optional<RangeUndoEntry> latest = undo.takeLatest();
    if (!latest || latest->rangePosition < 1 || static_cast<size_t>(latest->rangePosition) > ranges.size())
        return std::nullopt;
    InitialValueRange& range = ranges[static_cast<size_t>(latest->rangePosition - 1)];
    redo.push({range, latest->rangePosition});
    range = std::move(latest->savedRange);
    return latest->rangePosition;
}

} // namespace tq
