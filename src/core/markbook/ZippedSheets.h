#pragma once
// The sheets of an XLSX workbook or an ODS spreadsheet, from the file's bytes: every sheet in the
// workbook's order with its name, each cell's text as the spreadsheet shows it (numbers as their
// shortest decimal text, percentages as "87.5%", TRUE/FALSE, a formula's last computed value).
// A file that is not such a workbook, or is damaged, gives a message and no sheet; so does one
// beyond the limits (SheetLimits.h).
#include "core/markbook/SheetLimits.h"
#include "core/markbook/SheetTable.h"

#include <string>

namespace tq {

SheetReadResult readXlsxSheets(const std::string& bytes);
SheetReadResult readOdsSheets(const std::string& bytes);

SheetReadResult readXlsxSheets(const std::string& bytes, const SheetReadLimits& limits);
SheetReadResult readOdsSheets(const std::string& bytes, const SheetReadLimits& limits);

} // namespace tq
