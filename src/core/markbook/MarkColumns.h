#pragma once
// Where the marks are in a markbook sheet: whether its first row is a heading, and which
// column (or numerator/denominator pair of columns) holds the mark to import.
#include "core/markbook/SheetTable.h"
#include "core/markbook/StudentMatching.h"

#include <string>

namespace tq {

// The column the marks come from; with a denominator column, the marks are the numerator's
// share of it in percent.
struct MarkSource {
    int column = -1;
    int denominator = -1;
    bool operator==(const MarkSource&) const = default;
};

// True when the first row is a heading: it names no student and holds text that is no mark.
bool looksLikeHeading(const SheetRow& first, const StudentKeys& keys);

// The source for `column`: a "... Numerator" column heading brings its "... Denominator" column.
MarkSource markSourceFor(const SheetRow* heading, int column);

// The proposed mark column: the right-most whose heading names a final, term or overall mark,
// else the last column whose cells are mostly marks. Key columns and denominators are never
// proposed. Column -1 when there is none.
MarkSource proposeMarkSource(const SheetTable& sheet, bool hasHeading, const KeyColumns& key);

// A column as a spreadsheet names it: 0 is "A", 26 is "AA".
std::string columnLetters(int column);
// The column that `text` names: a heading (exactly, or ignoring case), letters ("C"), or a
// number counted from 1. -1 when it names none.
int columnNamed(const SheetTable& sheet, bool hasHeading, const std::string& text);

} // namespace tq
