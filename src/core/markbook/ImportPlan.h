#pragma once
// What importing marks would do to the class, worked out before anything is stored: each
// student's old and new mark and the row it comes from, and every row that cannot be applied
// with its reason. Applying the plan is a separate step, so the teacher sees it first.
#include "core/classdata/StudentRecord.h"
#include "core/markbook/MarkColumns.h"
#include "core/markbook/OutsideMark.h"
#include "core/selection/FavouritesFile.h"

#include <string>
#include <vector>

namespace tq {

// How a sheet is read: the row of its headings, the key columns and the mark source. The rows
// below the heading row are the data; those above it (a title, group headings) are passed over.
struct MarkbookChoice {
    int headingRow = 0; // the sheet's row number (the first row is 1); 0 when it has no heading
    KeyColumns key;
    MarkSource mark;
};

// The choice proposed for a sheet and a class; `wantedKey` as proposeKeyColumns takes it.
MarkbookChoice proposeChoice(const SheetTable& sheet, const ClassList& students, KeyKind wantedKey = KeyKind::None);
// The same with the headings on row `headingRow` (0: none), as the teacher says.
MarkbookChoice proposeChoiceBelow(const SheetTable& sheet, int headingRow, const ClassList& students,
                                  KeyKind wantedKey = KeyKind::None);

struct StudentPreview {
    int student = 0;          // index in the class
    int sourceRow = 0;        // the sheet's row number (the first row is 1); 0 when no row
    std::string oldMark;      // class text (Windows-1252)
    std::string newMark;      // the mark to store; "" when the student's mark stays
    std::string shown;        // the new mark as previewed, UTF-8 ("87.5 → 88")
    std::string initialValues; // what "Initial Values" gives with it: "" for nothing
    bool applies() const { return !newMark.empty() && (newMark != oldMark || !initialValues.empty()); }
};

// A row that is not applied.
struct RowProblem {
    int row = 0;        // the sheet's row number (the first row is 1)
    std::string who;    // the row's key cells, as the teacher would recognise the row (UTF-8)
    std::string reason; // UTF-8
};

struct ImportPlan {
    std::vector<StudentPreview> students; // every student of the class, in the class's order
    std::vector<int> studentsWithoutRow;  // class indices
    std::vector<RowProblem> unmatchedRows, ambiguousRows, refusedValues, rowsBeyondClass;
    // Rows of figures for the whole class ("Class Average"): left out, and no obstacle.
    std::vector<RowProblem> totalsRows;

    // Every non-empty value (totals rows apart) matched one student and was accepted.
    bool clean() const
    {
        return unmatchedRows.empty() && ambiguousRows.empty() && refusedValues.empty() && rowsBeyondClass.empty();
    }
    // The students the plan changes anything for (a mark, or initial values alone).
    int changeCount() const;
    // The marks that change: a student who keeps the mark and is only given initial values is
    // not counted.
    int markChangeCount() const;
};

// The plan for matching the sheet's rows by their key columns. With `ranges`, the preview says
// which initial values each new mark gives (as "Initial Values" does for a typed mark).
ImportPlan planImport(const SheetTable& sheet, const MarkbookChoice& choice, const ClassList& students,
                      const std::vector<InitialValueRange>* ranges);

// The plan for a column of marks without keys: row by row from student `firstStudent` down in
// the class's order, an empty row leaving its student's mark alone; rows beyond the last student
// are listed.
ImportPlan planMarksDown(const SheetTable& sheet, const MarkbookChoice& choice, int firstStudent,
                         const ClassList& students, const std::vector<InitialValueRange>* ranges);

// Stores the plan's marks (with the initial values of `ranges`, when given). Returns the class
// indices of the students changed.
std::vector<int> applyImport(const ImportPlan& plan, ClassList& students, const std::vector<InitialValueRange>* ranges);

// "Last, First" of a student, as the import lists them (class text).
std::string listedName(const StudentRecord& s);

} // namespace tq
