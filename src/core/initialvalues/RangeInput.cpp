#include "core/initialvalues/RangeInput.h"

#include "core/entry/InitialValueFill.h"

#include <algorithm>
#include <optional>

namespace tq {

namespace {
struct MarkPair {
    int low = 0;
    int high = 0;
};

std::string_view trimBlanks(std::string_view s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A mark as the teacher typed it: its leading number, rounded the way a typed mark is looked up.
// Nothing for a number that is not a mark at all.
std::optional<int> typedMark(std::string_view text)
{
    const std::optional<int> m = markRangeValue(text);
    if (!m || *m < 0 || *m > 100)
        return std::nullopt;
    return m;
}

bool contains(const MarkPair& range, int mark) { return range.low <= mark && mark <= range.high; }

bool anyOverlap(const std::vector<MarkPair>& pairs)
{
    for (size_t i = 0; i < pairs.size(); ++i)
        for (size_t j = 0; j < pairs.size(); ++j)
            if (i != j && (contains(pairs[j], pairs[i].low) || contains(pairs[j], pairs[i].high)))
                return true;
    return false;
}
} // namespace

std::string enterRangesPrompt()
{
    return std::string("Please enter the ranges (low-high), separated by spaces.") + crlf +
           "(Eg: 0-49 50-59 60-84, 85-100)" + crlf + "Do not overlap ranges such as 50-60 60-70" + crlf +
           "WARNING: This will delete all comment codes.";
}

std::string defaultRangeRating(int lowMark, int highMark)
{
    if (lowMark >= 81)
        return "4";
    if (highMark <= 50)
        return "1";
    if (highMark <= 60)
        return "2";
    return "3";
}

std::variant<std::vector<InitialValueRange>, Message> rangesFromInput(std::string_view answer)
{
    // A comma parts two ranges as a blank does: the prompt's own example writes one.
    std::string separated(answer);
    std::replace(separated.begin(), separated.end(), ',', ' ');
    std::vector<MarkPair> pairs;
    std::string_view rest = separated;
    while (!rest.empty()) {
        rest = trimBlanks(rest);
        const size_t end = std::min(rest.find(' '), rest.size()); // the range runs up to here
        const size_t dash = rest.find('-');
        if (dash == std::string_view::npos)
            return Message{"TQ11: Invalid format: missing '-'"};
        if (dash >= end)
            return Message{"TQ12: Invalid format"}; // the dash belongs to a later range
        const std::optional<int> low = typedMark(rest.substr(0, dash));
        const std::optional<int> high = typedMark(rest.substr(dash + 1, end - dash - 1));
        if (!low || !high || *low >= *high)
            return Message{"TQ13: Invalid format: number not in range 0 to 100"};
        if (pairs.size() == maxRangesPerInput)
            return Message{"TQ20: Too many ranges: enter at most 50 ranges at a time."};
        pairs.push_back(MarkPair{*low, *high});
        rest = end >= rest.size() ? std::string_view() : rest.substr(end + 1);
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const MarkPair& a, const MarkPair& b) { return a.low > b.low; });
    if (anyOverlap(pairs))
        return Message{"TQ14: Invalid input: overlapping ranges"};

    std::vector<InitialValueRange> ranges;
    for (const MarkPair& pair : pairs) {
        InitialValueRange range;
        range.lowMark = pair.low;
        range.highMark = pair.high;
        range.rangeSkills.fill(defaultRangeRating(pair.low, pair.high));
        ranges.push_back(std::move(range));
    }
    return ranges;
}

} // namespace tq
