#include "core/entry/InitialValueFill.h"

#include "core/classdata/CsvText.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tq {

std::optional<int> markRangeValue(std::string_view mark)
{
    const double rounded = std::nearbyint(leadingNumber(mark)); // the default rounding: halves to even
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

const InitialValueRange* rangeForMark(const std::vector<InitialValueRange>& ranges, std::string_view mark)
{
    const std::optional<int> m = markRangeValue(mark);
    if (!m)
        return nullptr;
    for (const InitialValueRange& range : ranges)
        if (range.lowMark <= *m && *m <= range.highMark)
            return &range;
    return nullptr;
}

bool initialCommentsWanted(const StudentRecord& s)
{
    return !s.hasFreeForm && s.comment1.empty() && s.comment2.empty() && s.comment3.empty();
}

bool initialSkillsWanted(const StudentRecord& s)
{
    for (int k = 1; k <= skillCount; ++k)
        if (s.skill(k) != defaultSkill && !s.skill(k).empty())
            return false;
    return true;
}

InitialValuesGiven applyInitialValues(StudentRecord& s, const std::vector<InitialValueRange>& ranges,
                                      std::string_view mark)
{
    InitialValuesGiven given;
    const InitialValueRange* range = rangeForMark(ranges, mark);
    if (range == nullptr)
        return given;
    if (initialCommentsWanted(s)) {
        for (int k = 1; k <= 3; ++k)
            s.comment(k) = range->rangeComment(k);
        given.comments = true;
    }
    if (initialSkillsWanted(s)) {
        for (int k = 1; k <= skillCount; ++k)
            s.skill(k) = range->rangeSkills[static_cast<size_t>(k - 1)];
        given.skills = true;
    }
    return given;
}

} // namespace tq
