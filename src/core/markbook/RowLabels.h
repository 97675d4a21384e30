#pragma once
// How a markbook row is named to the teacher: by the names it carries, as they read it in the
// spreadsheet ("Jones, Nora, 0316100204", "Class Average").
#include "core/markbook/SheetTable.h"
#include "core/markbook/StudentMatching.h"

#include <string>
#include <string_view>

namespace tq {

// The row's non-empty cells in the columns that name students (by their heading, and the key
// columns), names before numbers, joined by ", "; without any, its first text that is no mark.
// Without a key or a heading (lines pasted down the class), the first three cells joined by
// blanks. `heading` is null for a sheet without one.
std::string rowLabel(const SheetRow& row, const SheetRow* heading, const KeyColumns& key);

// True when a label names a row of figures for the whole class ("Class Average", "Total").
bool isTotalsLabel(std::string_view label);

} // namespace tq
