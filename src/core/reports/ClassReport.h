#pragma once
// The printed class report: every student of the open class in its current order, in the five
// detail lines of the main window's panel plus the IEP, ESL and ELD flags, under a heading with
// the date and time, for the teacher to proofread before the eFile is made.
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/reports/PrintScript.h"

#include <ctime>
#include <functional>

namespace tq {

// Called as the report reaches each student (by index), before the student's lines are made:
// the main window redraws its details panel there, which warns about an over-long comment.
using ReportStudentVisit = std::function<void(int studentIndex)>;

PrintScript classReport(const ClassList& students, const PhraseLibrary& library, bool showCourseCodes,
                        std::time_t now, const ReportStudentVisit& visit = {});

// A new page begins before a student when more lines than this have been counted on the page.
inline constexpr int classReportPageLimit = 53;
// What the report asks a page to hold, in lines of 9-point Courier New: the page limit, the
// longest student block (9 lines) and the first page's larger heading lines.
inline constexpr int classReportLinesPerPage = 64;
// Width of each printed piece of a comment's remainder.
inline constexpr size_t classReportRemainderWidth = 72;

} // namespace tq
