// The CSV/TXT/TSV reader on the fuzzer's bytes, and the import planned from what it read against
// a small class: every cell comes back as well-formed UTF-8, and the plan has every student once.
#include "FuzzSupport.h"
#include "core/base/Cp1252.h"
#include "core/markbook/DelimitedSheet.h"
#include "core/markbook/ImportPlan.h"

using namespace tq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const ClassList students = [] {
        ClassList c;
        c.push_back(newStudentRecord("ENG2D1-01", "316208659", "Ahmed", "Layla", "F", ""));
        c.push_back(newStudentRecord("ENG2D1-01", "312320351", "B\xE9langer", "Amira", "F", ""));
        c.push_back(newStudentRecord("ENG2D1-01", "324119051", "O'Brien", "Adam", "M", ""));
        c.push_back(newStudentRecord("ENG2D1-02", "324119051", "O'Brien", "Adam", "M", ""));
        return c;
    }();
    static const std::vector<InitialValueRange> ranges = defaultInitialRanges();
    const SheetReadResult read =
        readDelimitedSheet(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    fuzz::check(read.error.empty() && read.sheets.size() == 1, "one sheet, no message");
    for (const SheetRow& row : read.sheets[0].rows)
        for (const std::string& cell : row)
            fuzz::check(isWellFormedUtf8(cell), "cells are UTF-8");
    const MarkbookChoice choice = proposeChoice(read.sheets[0], students);
    const ImportPlan plan = planImport(read.sheets[0], choice, students, &ranges);
    fuzz::check(plan.students.size() == students.size(), "every student previewed once");
    for (const StudentPreview& p : plan.students)
        fuzz::check(p.newMark.empty() || p.newMark == "I" || (p.newMark.size() <= 3 && std::stoi(p.newMark) <= 100),
                    "a stored mark is I or a whole number up to 100");
    return 0;
}
