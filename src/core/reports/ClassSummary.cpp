#include "core/reports/ClassSummary.h"

#include <algorithm>

namespace tq {

MarkReading readMark(std::string_view mark)
{
    if (mark.empty())
        return {MarkKind::Unmarked};
    if (mark == "I")
        return {MarkKind::Incomplete};
    int value = 0;
    for (const char c : mark) {
        if (c < '0' || c > '9')
            return {MarkKind::Other};
        value = value * 10 + (c - '0');
        if (value > 100) // also keeps a long row of digits from overflowing
            return {MarkKind::Other};
    }
    return {MarkKind::Numeric, value};
}

const std::array<std::string, markBandCount>& markBandNames()
{
    static const std::array<std::string, markBandCount> names{"below 50", "50-59", "60-69", "70-79", "80-100"};
    return names;
}

int markBand(int mark)
{
    int band = 0;
    while (band + 1 < markBandCount && mark >= markBandEdges[static_cast<size_t>(band + 1)])
        ++band;
    return band;
}

double markAxisPosition(double mark)
{
    const double m = std::clamp(mark, double(markBandEdges.front()), double(markBandEdges.back()));
    const int band = markBand(static_cast<int>(m));
    const double low = markBandEdges[static_cast<size_t>(band)];
    const double high = markBandEdges[static_cast<size_t>(band + 1)];
    return band + (m - low) / (high - low);
}

namespace {

// The k-th smallest mark (from 0), from the count of each mark.
int kthMark(const std::array<int, 101>& counts, int k)
{
    for (int mark = 0; mark <= 100; ++mark) {
        k -= counts[static_cast<size_t>(mark)];
        if (k < 0)
            return mark;
    }
    return 100;
}

void addCourse(std::vector<std::string>& courses, const std::string& course)
{
    if (std::find(courses.begin(), courses.end(), course) == courses.end())
        courses.push_back(course);
}

} // namespace

ClassSummary summarizeClass(const ClassList& students)
{
    ClassSummary s;
    s.students = static_cast<int>(students.size());
    // The marks are whole numbers from 0 to 100: counting each gives the median without a sort.
    std::array<int, 101> counts{};
    long long sum = 0;
    for (const StudentRecord& student : students) {
        if (s.courses.empty() || s.courses.back() != student.courseCode)
            addCourse(s.courses, student.courseCode);
        const MarkReading mark = readMark(student.mark);
        switch (mark.kind) {
        case MarkKind::Numeric:
            ++s.marked;
            ++counts[static_cast<size_t>(mark.value)];
            ++s.marks.bands[static_cast<size_t>(markBand(mark.value))];
            sum += mark.value;
            s.lowest = std::min(s.lowest.value_or(mark.value), mark.value);
            s.highest = std::max(s.highest.value_or(mark.value), mark.value);
            break;
        case MarkKind::Incomplete:
            ++s.incomplete;
            s.incompleteNames.push_back(fullName(student));
            break;
        case MarkKind::Unmarked:
            ++s.unmarked;
            s.unmarkedNames.push_back(fullName(student));
            break;
        case MarkKind::Other: ++s.other; break;
        }
    }
    if (s.marked > 0) {
        const long long n = s.marked;
        // The mean in tenths, sum * 10 / n, rounded half up in whole numbers.
        s.marks.meanTenths = static_cast<int>((20 * sum + n) / (2 * n));
        // The mean of the middle two of an even count ends in .0 or .5: exact in tenths.
        const int upper = kthMark(counts, s.marked / 2);
        const int lower = s.marked % 2 ? upper : kthMark(counts, s.marked / 2 - 1);
        s.marks.medianTenths = (lower + upper) * 5;
    }
    return s;
}

std::string tenthsText(std::optional<int> tenths)
{
    if (!tenths)
        return "-";
    return std::to_string(*tenths / 10) + "." + std::to_string(*tenths % 10);
}

std::string markText(std::optional<int> mark) { return mark ? std::to_string(*mark) : "-"; }

std::vector<SummaryFigure> summaryFigures(const ClassSummary& s)
{
    std::vector<SummaryFigure> figures{{"students", std::to_string(s.students)},
                                       {"marked", std::to_string(s.marked)},
                                       {"incomplete", std::to_string(s.incomplete)},
                                       {"unmarked", std::to_string(s.unmarked)},
                                       {"mean", tenthsText(s.marks.meanTenths)},
                                       {"median", tenthsText(s.marks.medianTenths)},
                                       {"lowest", markText(s.lowest)},
                                       {"highest", markText(s.highest)}};
    for (int b = 0; b < markBandCount; ++b)
        figures.push_back({markBandNames()[static_cast<size_t>(b)], std::to_string(s.marks.bands[static_cast<size_t>(b)])});
    if (s.other > 0)
        figures.push_back({"other", std::to_string(s.other)});
    return figures;
}

} // namespace tq
