#pragma once
// A markbook as the readers give it: named sheets of rows of cells, every cell as UTF-8 text exactly
// as the spreadsheet shows it (numbers as their shortest decimal text, no formatting applied).
// A CSV or TXT file is one sheet named after the file; XLSX and ODS workbooks keep their sheets'
// names and order.
#include <string>
#include <vector>

namespace tq {

using SheetRow = std::vector<std::string>;

struct SheetTable {
    std::string name;
    // Every row from the sheet's first, the empty ones between included, so that rows[i] is the
    // row the spreadsheet numbers i + 1. Rows may differ in length; a missing cell is an empty one.
    std::vector<SheetRow> rows;
};

// What a reader gives back: the sheets, or the message that says why the file cannot be read.
struct SheetReadResult {
    std::vector<SheetTable> sheets;
    std::string error; // empty when the file was read
};

} // namespace tq
