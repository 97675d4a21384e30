#pragma once
// Which row of a markbook sheet holds its headings. Teachers put a title, a blank row or headings
// over groups of columns above the real headings; the row that heads the students' columns is
// the one that counts.
#include "core/markbook/SheetTable.h"
#include "core/markbook/StudentMatching.h"

#include <string>
#include <string_view>
#include <vector>

namespace tq {

// The words of a heading in lower case: runs of ASCII letters and digits.
std::vector<std::string> headingWords(std::string_view heading);

// A heading that names the students: their number or ID, or their (last, first) name.
bool headingNamesStudents(std::string_view heading);
// A heading that names a number or ID rather than a name ("Student No", "OrgDefinedId").
bool headingNamesNumber(std::string_view heading);

// True when a cell of `row` is a student's number, whole name or last name.
bool rowNamesStudent(const SheetRow& row, const StudentKeys& keys);

// How far down the headings are looked for.
inline constexpr size_t headingRowsLooked = 50;

// The sheet's row number (the first row is 1) of the headings, 0 when the sheet has none. A
// heading row has two or more cells, one of which names the students. Of those above the first
// row naming a student, the last (so title rows and group headings above it are passed over);
// with no such student row, the first. Without any, the first row, when it names no student and
// holds text that is no mark.
int findHeadingRow(const SheetTable& sheet, const StudentKeys& keys);

} // namespace tq
