#pragma once
// A CSV, TXT or TSV markbook: one sheet of rows. The separator (comma, semicolon or tab) is found
// from the file itself; the text may be UTF-8, with or without a byte-order mark, or Windows-1252;
// a quoted field may hold separators, doubled quotes and line breaks.
#include "core/markbook/SheetTable.h"

#include <string>
#include <string_view>

namespace tq {

// The text as UTF-8: a byte-order mark dropped; text that is not well-formed UTF-8 taken as
// Windows-1252.
std::string markbookTextAsUtf8(std::string_view bytes);

// The separator the text uses: of comma, semicolon and tab, the one that splits the first lines
// into the same number of fields, the most of them; a comma when none splits anything.
char findSeparator(std::string_view text);

// The file's bytes as one sheet named `name`. Empty lines are left out; a quote left open at the
// end takes the rest of the file.
SheetReadResult readDelimitedSheet(std::string_view bytes, const std::string& name);

// UTF-8 text split by `separator` as above.
SheetTable readDelimitedText(std::string_view text, char separator, const std::string& name);

} // namespace tq
