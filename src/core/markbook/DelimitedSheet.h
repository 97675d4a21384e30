#pragma once
// A CSV, TXT or TSV markbook: one sheet of rows. The separator (comma, semicolon or tab) is found
// from the file itself; the text may be UTF-8, with or without a byte-order mark, or Windows-1252
// (any text that is not well-formed UTF-8);
// a quoted field may hold separators, doubled quotes and line breaks.
#include "core/markbook/SheetLimits.h"
#include "core/markbook/SheetTable.h"

#include <string>
#include <string_view>

namespace tq {

// The separator the text uses: of comma, semicolon and tab, the one that splits the first lines
// into the same number of fields, the most of them; a comma when none splits anything.
char findSeparator(std::string_view text);

// The file's bytes as one sheet named `name`. An empty line is a row of empty cells, so row
// numbers are the spreadsheet's; a quote left open at the end takes the rest of the file. A file
// beyond the limits' size, rows or cells is refused with a message that says so.
SheetReadResult readDelimitedSheet(std::string_view bytes, const std::string& name,
                                   const SheetReadLimits& limits = {});

// UTF-8 text split by `separator` as above.
SheetTable readDelimitedText(std::string_view text, char separator, const std::string& name);

} // namespace tq
