#pragma once
// XLSX and ODS workbooks: every sheet with its rows of cell texts.
#include "core/markbook/SheetTable.h"

#include <string>

namespace tq {

SheetReadResult readXlsxSheets(const std::string& bytes);
SheetReadResult readOdsSheets(const std::string& bytes);

} // namespace tq
