#pragma once
// Which sheet of a workbook holds the class, and what was read from it, in words.
#include "core/markbook/ImportPlan.h"

#include <string>
#include <vector>

namespace tq {

struct SheetProposal {
    int sheet = -1; // index in the workbook; -1 when it has no sheet
    MarkbookChoice choice;
    int matched = 0; // the class's students its rows name
};

// The sheet whose rows name the most students of the class (read as proposeChoice reads it);
// of sheets naming as many, the first whose name holds the class's course code, else the first.
SheetProposal proposeSheet(const std::vector<SheetTable>& sheets, const ClassList& students,
                           KeyKind wantedKey = KeyKind::None);

// The sheet named `name`, exactly or else ignoring case; -1 when none is.
int sheetNamed(const std::vector<SheetTable>& sheets, const std::string& name);

// The sheets' names, each in quotes, joined by ", ".
std::string quotedSheetNames(const std::vector<SheetTable>& sheets);

// What is read, as one sentence: `Read sheet "ENG2D1-01", headings on row 3, students by column A
// "Student No", marks from column K "Final Mark".`
std::string readSummary(const SheetTable& sheet, const MarkbookChoice& choice);

} // namespace tq
