#include "core/reports/ClassSummaryReport.h"

#include "core/base/Message.h"
#include "core/phrases/Composition.h"
#include "core/reports/PrintStamp.h"

namespace tq {

namespace {

const std::string indent = "   ";
constexpr size_t figureNameWidth = 12;
constexpr size_t figureValueWidth = 6;

std::string padLeft(const std::string& s, size_t width)
{
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

void printNames(PrintScript& script, const std::string& heading, const std::vector<std::string>& names)
{
    script.line(heading + ": " + (names.empty() ? std::string("none") : std::to_string(names.size())));
    for (const std::string& name : names)
        script.line(indent + name);
    script.line("");
}

} // namespace

std::string courseList(const ClassSummary& summary)
{
    std::string list;
    for (const std::string& course : summary.courses)
        list += (list.empty() ? "" : ", ") + course;
    return list;
}

PrintScript classSummaryReport(const ClassSummary& summary, std::time_t now)
{
    PrintScript script;
    script.orientation(PageOrientation::Portrait);
    script.line("");
    script.font("Arial", 14);
    script.line(std::string("Tallyquill v") + versionLabel + " ~ Class Summary ~ " + printedDate(now) + " ~ " +
                printedTime(now));
    script.font("Arial", 12);
    script.line(courseList(summary));
    script.line("");
    script.picture(markChartPicture, markChartLines);
    script.line("");

    // Fixed pitch, so that the figures line up under each other.
    script.font("Courier New", 10);
    for (const SummaryFigure& figure : summaryFigures(summary))
        script.line(indent + padRight(figure.name, figureNameWidth) + padLeft(figure.value, figureValueWidth));
    script.line("");
    printNames(script, "No mark", summary.unmarkedNames);
    printNames(script, "Incomplete (I)", summary.incompleteNames);
    script.end();
    return script;
}

} // namespace tq
