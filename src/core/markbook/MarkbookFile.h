#pragma once
// Reading a markbook file of any kind the import takes: CSV, TXT or TSV text, or an XLSX or ODS
// workbook. The kind is told by the file's content first, then by its name, so a file that is not
// what its name says is still read when it can be, and otherwise gets a message that says what
// it is.
#include "core/markbook/SheetTable.h"

#include <string>

namespace tq {

// The file types the import offers, as a file dialog's filter.
inline constexpr const char* markbookFileFilter =
    "Markbooks (*.csv;*.txt;*.tsv;*.xlsx;*.ods)|*.csv;*.txt;*.tsv;*.xlsx;*.ods";

SheetReadResult readMarkbookFile(const std::string& path);
// The same from the file's bytes; `fileName` names the sheet of a text file and the messages.
SheetReadResult readMarkbookBytes(const std::string& bytes, const std::string& fileName);

} // namespace tq
