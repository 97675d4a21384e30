#pragma once
// The class grid and the clipboard: lines of tab-separated cells, as spreadsheets put them there
// and take them.
#include "core/classdata/StudentRecord.h"
#include "core/markbook/SheetTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace tq {

// Clipboard text (UTF-8) as a sheet: one row a line, cells split at tabs only (a mark may hold a
// decimal comma), quotes as a spreadsheet writes them around a cell with a line break.
SheetTable pastedSheet(std::string_view text);

// The grid's heading line and every student's row, only the `columns` shown, cells joined by
// tabs, lines ended by CR LF (Windows-1252 bytes, as the class keeps them). Headings lose their
// leading spaces.
std::string gridCopyText(const ClassList& students, bool showCourseCodes, const std::vector<int>& columns);

// The same table as an HTML document (UTF-8), which a spreadsheet takes beside the plain text:
// the student IDs and comment codes are marked as text, so that "0103" keeps its leading zero.
std::string gridCopyHtml(const ClassList& students, bool showCourseCodes, const std::vector<int>& columns);

} // namespace tq
