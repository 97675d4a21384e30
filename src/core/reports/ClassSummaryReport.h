#pragma once
// The printed Class Summary: a heading with the date and time and the class's course codes, the
// chart of the marks in their five bands, every figure, and the students with no mark or an "I".
#include "core/reports/ClassSummary.h"
#include "core/reports/PrintScript.h"

#include <ctime>

namespace tq {

// The chart's name in the printout, and its height in lines of the heading's second font.
inline constexpr const char* markChartPicture = "mark chart";
inline constexpr int markChartLines = 18;

PrintScript classSummaryReport(const ClassSummary& summary, std::time_t now);

// The heading's second line: the class's course codes, separated by commas.
std::string courseList(const ClassSummary& summary);

} // namespace tq
