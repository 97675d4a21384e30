#pragma once
// Where the marks are in a markbook sheet: which column (or numerator/denominator pair of
// columns) holds the mark to import.
#include "core/markbook/OutsideMark.h"
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

// The cells of the sheet's row `headingRow` (the first row is 1); null for 0 or a row it lacks.
const SheetRow* headingOf(const SheetTable& sheet, int headingRow);

// The mark a row gives through `source`.
OutsideMark markInRow(const SheetRow& row, const MarkSource& source);

// The source for `column`: a "... Numerator" column heading brings its "... Denominator" column.
MarkSource markSourceFor(const SheetRow* heading, int column);

// The proposed mark column, read below the heading row `headingRow` (0: none): the right-most
// whose heading names a final, term or overall mark and whose cells are mostly marks (so a column
// of letter grades is passed over), else the last column whose cells are mostly marks. Key
// columns and denominators are never proposed. Column -1 when there is none.
MarkSource proposeMarkSource(const SheetTable& sheet, int headingRow, const KeyColumns& key);

// A column as a spreadsheet names it: 0 is "A", 26 is "AA".
std::string columnLetters(int column);
// The column that `text` names: a heading on row `headingRow` (exactly, or ignoring case),
// letters ("C"), or a number counted from 1. -1 when it names none.
int columnNamed(const SheetTable& sheet, int headingRow, const std::string& text);

} // namespace tq
