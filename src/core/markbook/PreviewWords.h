#pragma once
// What a screen reader says for the cells of the import's tables, so that every cell says what
// it is even when empty: a preview row reads "Zhou, Samuel", "old mark 82", "no new mark",
// "row 4", "initial values unchanged", never a bare "82" and "4" that sound like a change from
// 82 to 4. All texts UTF-8.
#include "core/markbook/ImportPlan.h"

#include <string>
#include <vector>

namespace tq {

// The spoken cells of a student's preview row, in the preview's columns: student, old mark, new
// mark, row, initial values.
std::vector<std::string> previewCellWords(const StudentPreview& preview, const StudentRecord& student);

// A sheet's row as said: "row 4", or "no row" for none (0).
std::string sheetRowWords(int row);

// A cell of a sheet under its column's letters: "E, 82", "E, empty".
std::string sheetCellWords(const std::string& columnLetters, const std::string& text);

// The student a preview of pasted lines opens on: the one the first pasted line is for (the
// smallest sheet row), or the first student when no line is for anyone.
int firstPastedStudent(const ImportPlan& plan);

} // namespace tq
