#pragma once
// The class as a whole before it goes: how many students have a mark, an "I" or nothing yet;
// the mean, median, lowest and highest mark; how the marks fall into the five bands of the
// provincial report card; and who has no mark or an "I". The Class Summary window, its printout
// and the summary command show the same figures.
#include "core/classdata/StudentRecord.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// What a mark field holds: a mark (digits only, from 0 to 100, leading zeros allowed as the
// mark box allows them), "I" for incomplete, nothing yet, or something else a file brought in.
enum class MarkKind { Numeric, Incomplete, Unmarked, Other };

struct MarkReading {
    MarkKind kind = MarkKind::Unmarked;
    int value = 0; // the mark, for Numeric
};

MarkReading readMark(std::string_view mark);

// The bands: below 50, 50-59, 60-69, 70-79 and 80-100. Band b holds the marks from
// markBandEdges[b] up to, but not including, markBandEdges[b + 1]; the last also holds 100.
inline constexpr int markBandCount = 5;
inline constexpr std::array<int, markBandCount + 1> markBandEdges{0, 50, 60, 70, 80, 100};
// "below 50", "50-59", "60-69", "70-79", "80-100".
const std::array<std::string, markBandCount>& markBandNames();
// The band of a mark from 0 to 100.
int markBand(int mark);

// Where a mark falls on the chart's mark axis, counted in bands from its left end: every band
// is one unit wide and its marks are spread evenly over it, so 50 lies at 1, 63.4 at 2.34 and
// 100 at 5. Marks outside 0 to 100 lie at the nearer end.
double markAxisPosition(double mark);

// What the chart shows: the number of marks in each band, and the mean and the median in tenths
// of a mark, worked out exactly and rounded half up (none without a mark). The median of an even
// count is the mean of the middle two.
struct MarkDistribution {
    std::array<int, markBandCount> bands{};
    std::optional<int> meanTenths;
    std::optional<int> medianTenths;

    bool operator==(const MarkDistribution&) const = default;
};

struct ClassSummary {
    int students = 0;
    int marked = 0;     // a mark from 0 to 100
    int incomplete = 0; // "I"
    int unmarked = 0;   // nothing
    int other = 0;      // none of these
    MarkDistribution marks;
    std::optional<int> lowest;
    std::optional<int> highest;
    // The course codes of the class, each once, in the order the class first lists them.
    std::vector<std::string> courses;
    // The students without a mark and those with "I" (see fullName), in class order.
    std::vector<std::string> unmarkedNames;
    std::vector<std::string> incompleteNames;

    bool operator==(const ClassSummary&) const = default;
};

ClassSummary summarizeClass(const ClassList& students);

// Tenths as a figure with one decimal ("63.4"); "-" for none.
std::string tenthsText(std::optional<int> tenths);
// A whole mark ("38"); "-" for none.
std::string markText(std::optional<int> mark);

struct SummaryFigure {
    std::string name;
    std::string value;
    bool operator==(const SummaryFigure&) const = default;
};

// Every figure by name, in this order: students, marked, incomplete, unmarked, mean, median,
// lowest, highest, then the bands by their names; and last "other", only when some mark is none
// of the three kinds.
std::vector<SummaryFigure> summaryFigures(const ClassSummary& summary);

} // namespace tq
