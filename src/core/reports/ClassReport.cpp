#include "core/reports/ClassReport.h"

#include "core/base/Message.h"
#include "core/entry/StudentDetails.h"
#include "core/phrases/Composition.h"
#include "core/reports/PrintStamp.h"

#include <algorithm>
#include <string_view>

namespace tq {

namespace {

const std::string reportFont = "Courier New";
const std::string indent = "   ";

size_t trimmedLength(std::string_view s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return 0;
    return s.find_last_not_of(' ') - first + 1;
}

// Prints report lines and counts them against the page limit.
class ReportPage {
public:
    explicit ReportPage(PrintScript& script) : script_(script) {}

    void print(const std::string& text)
    {
        script_.line(text);
        ++counted_;
    }
    void setCounted(int lines) { counted_ = lines; }
    // Starts a new page when the page is past its limit; a student block is never split.
    void breakIfFull()
    {
        if (counted_ <= classReportPageLimit)
            return;
        script_.newPage();
        script_.line("");
        script_.line("");
        counted_ = 2;
    }

private:
    PrintScript& script_;
    int counted_ = 0;
};

// The comment lines of a student whose remainder did not fit the fifth detail line: the whole
// remainder, in pieces of 72 characters under the comment column.
void printRemainder(ReportPage& page, const std::string& remainder, bool showCourseCodes)
{
    const std::string continuation(indent.size() + (showCourseCodes ? 29 : 22), ' ');
    page.print(continuation + remainder.substr(0, classReportRemainderWidth));
    size_t from = classReportRemainderWidth;
    // The piece after the first is printed even when empty, so the block keeps its shape.
    do {
        page.print(continuation + remainder.substr(std::min(from, remainder.size()), classReportRemainderWidth));
        from += classReportRemainderWidth;
    } while (from < remainder.size());
}

void printStudent(ReportPage& page, const StudentRecord& s, const StudentDetails& d, bool showCourseCodes)
{
    page.print(indent + d.lines[0]);
    page.print(indent + d.lines[1] + " IEP ESL ELD");
    page.print(indent + d.lines[2] + "   " + padRight(s.iep, 1) + "   " + padRight(s.esl, 1) + "   " +
               padRight(s.eld, 1));
    if (trimmedLength(d.lines[3]) > 1)
        page.print(indent + d.lines[3]);
    if (d.remainder.size() >= detailRemainderCut)
        printRemainder(page, d.remainder, showCourseCodes);
    else if (trimmedLength(d.lines[4]) > 1)
        page.print(indent + d.lines[4]);
    page.print(" ");
}

} // namespace

PrintScript classReport(const ClassList& students, const PhraseLibrary& library, bool showCourseCodes,
                        std::time_t now, const ReportStudentVisit& visit)
{
    PrintScript script;
    script.orientation(PageOrientation::Landscape);
    script.fitLinesPerPage(classReportLinesPerPage, reportFont, 9);
    script.line("");
    script.font(reportFont, 12);
    script.line("");
    script.line(std::string("Tallyquill v") + versionLabel + " ~ Class Report ~ " + printedDate(now) + " ~ " +
                printedTime(now));
    script.fontSize(9);
    script.line("");

    ReportPage page(script);
    page.setCounted(3);
    std::string currentCourse;
    for (size_t i = 0; i < students.size(); ++i) {
        const StudentRecord& s = students[i];
        page.breakIfFull();
        if (s.courseCode != currentCourse) {
            page.print(s.courseCode);
            currentCourse = s.courseCode;
        }
        if (visit)
            visit(static_cast<int>(i));
        printStudent(page, s, studentDetails(s, library, showCourseCodes), showCourseCodes);
    }
    script.end();
    return script;
}

} // namespace tq
