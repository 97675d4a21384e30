#include "core/markbook/ImportPlan.h"

#include "core/base/Cp1252.h"
#include "core/entry/InitialValueFill.h"
#include "core/markbook/HeadingRow.h"
#include "core/markbook/RowLabels.h"

#include <algorithm>

namespace tq {

namespace {
std::string listedUtf8(const StudentRecord& s) { return cp1252ToUtf8(listedName(s)); }

bool keyCellsEmpty(const SheetRow& row, const KeyColumns& key)
{
    const auto empty = [&](int c) { return c < 0 || cellAt(row, c).find_first_not_of(" \t") == std::string::npos; };
    return empty(key.first) && empty(key.second);
}

// What the initial values give the student with `mark`: "codes 0704 0112 0206; skills 4 4 4 4 4 4".
std::string initialValuesText(const StudentRecord& student, const std::vector<InitialValueRange>* ranges,
                              const std::string& mark)
{
    if (!ranges)
        return {};
    StudentRecord given = student;
    const InitialValuesGiven what = applyInitialValues(given, *ranges, mark);
    std::string text;
    if (what.comments) {
        text = "codes";
        for (int k = 1; k <= 3; ++k)
            text += " " + (given.comment(k).empty() ? std::string("-") : given.comment(k));
    }
    if (what.skills) {
        text += text.empty() ? "skills" : "; skills";
        for (int k = 1; k <= skillCount; ++k)
            text += " " + (given.skill(k).empty() ? std::string("-") : given.skill(k));
    }
    return text;
}

// The plan once each data row has the students it names.
ImportPlan planFromMatches(const SheetTable& sheet, const MarkbookChoice& choice, const ClassList& students,
                           const std::vector<InitialValueRange>* ranges,
                           const std::vector<std::vector<int>>& rowStudents)
{
    ImportPlan plan;
    const size_t first = static_cast<size_t>(choice.headingRow);
    const SheetRow* heading = headingOf(sheet, choice.headingRow);
    std::vector<std::vector<size_t>> rowsOfStudent(students.size());
    for (size_t r = first; r < sheet.rows.size(); ++r)
        if (rowStudents[r].size() == 1)
            rowsOfStudent[static_cast<size_t>(rowStudents[r][0])].push_back(r);

    for (size_t r = first; r < sheet.rows.size(); ++r) {
        const SheetRow& row = sheet.rows[r];
        const OutsideMark mark = markInRow(row, choice.mark);
        if (mark.kind == OutsideMark::Kind::Empty)
            continue; // an empty value leaves the mark alone wherever it is
        const RowProblem problem{static_cast<int>(r + 1), rowLabel(row, heading, choice.key), {}};
        const std::vector<int>& named = rowStudents[r];
        if (named.empty() && choice.key.kind != KeyKind::None && keyCellsEmpty(row, choice.key) &&
            isTotalsLabel(problem.who)) {
            plan.totalsRows.push_back(problem);
            plan.totalsRows.back().reason = "a row for the whole class, left out";
        } else if (named.empty()) {
            plan.unmatchedRows.push_back(problem);
            plan.unmatchedRows.back().reason = "matches no student of the class";
        } else if (named.size() > 1) {
            plan.ambiguousRows.push_back(problem);
            plan.ambiguousRows.back().reason = "matches " + std::to_string(named.size()) + " students: " +
                                               listedUtf8(students[static_cast<size_t>(named[0])]) + " and " +
                                               listedUtf8(students[static_cast<size_t>(named[1])]);
        } else if (rowsOfStudent[static_cast<size_t>(named[0])].size() > 1) {
            plan.ambiguousRows.push_back(problem);
            plan.ambiguousRows.back().reason = listedUtf8(students[static_cast<size_t>(named[0])]) +
                                               " is matched by " +
                                               std::to_string(rowsOfStudent[static_cast<size_t>(named[0])].size()) +
                                               " rows";
        } else if (!mark.accepted()) {
            plan.refusedValues.push_back(problem);
            plan.refusedValues.back().reason = "\"" + cellAt(row, choice.mark.column) + "\" is refused: " + mark.reason;
        }
    }

    for (size_t i = 0; i < students.size(); ++i) {
        StudentPreview preview{static_cast<int>(i), 0, students[i].mark, {}, {}, {}};
        if (rowsOfStudent[i].size() == 1) {
            const size_t r = rowsOfStudent[i][0];
            preview.sourceRow = static_cast<int>(r + 1);
            if (const OutsideMark mark = markInRow(sheet.rows[r], choice.mark); mark.accepted()) {
                preview.newMark = mark.mark;
                preview.shown = mark.shown;
                preview.initialValues = initialValuesText(students[i], ranges, mark.mark);
            }
        } else if (rowsOfStudent[i].empty()) {
            plan.studentsWithoutRow.push_back(static_cast<int>(i));
        }
        plan.students.push_back(std::move(preview));
    }
    return plan;
}
} // namespace

std::string listedName(const StudentRecord& s) { return s.lastName + ", " + s.firstName; }

int ImportPlan::changeCount() const
{
    int count = 0;
    for (const StudentPreview& p : students)
        count += p.applies() ? 1 : 0;
    return count;
}

int ImportPlan::markChangeCount() const
{
    int count = 0;
    for (const StudentPreview& p : students)
        count += !p.newMark.empty() && p.newMark != p.oldMark ? 1 : 0;
    return count;
}

MarkbookChoice proposeChoice(const SheetTable& sheet, const ClassList& students, KeyKind wantedKey)
{
    return proposeChoiceBelow(sheet, findHeadingRow(sheet, StudentKeys(students)), students, wantedKey);
}

MarkbookChoice proposeChoiceBelow(const SheetTable& sheet, int headingRow, const ClassList& students, KeyKind wantedKey)
{
    const StudentKeys keys(students);
    MarkbookChoice choice;
    choice.headingRow = std::clamp(headingRow, 0, static_cast<int>(sheet.rows.size()));
    const size_t first = std::min(sheet.rows.size(), static_cast<size_t>(choice.headingRow));
    const std::vector<SheetRow> data(sheet.rows.begin() + static_cast<long>(first),
                                     sheet.rows.begin() + static_cast<long>(std::min(sheet.rows.size(), first + proposalRows)));
    choice.key = proposeKeyColumns(data, keys, wantedKey);
    choice.mark = proposeMarkSource(sheet, choice.headingRow, choice.key);
    return choice;
}

ImportPlan planImport(const SheetTable& sheet, const MarkbookChoice& choice, const ClassList& students,
                      const std::vector<InitialValueRange>* ranges)
{
    const StudentKeys keys(students);
    std::vector<std::vector<int>> rowStudents(sheet.rows.size());
    for (size_t r = static_cast<size_t>(choice.headingRow); r < sheet.rows.size(); ++r)
        rowStudents[r] = keys.matches(sheet.rows[r], choice.key);
    return planFromMatches(sheet, choice, students, ranges, rowStudents);
}

ImportPlan planMarksDown(const SheetTable& sheet, const MarkbookChoice& choice, int firstStudent,
                         const ClassList& students, const std::vector<InitialValueRange>* ranges)
{
    std::vector<std::vector<int>> rowStudents(sheet.rows.size());
    std::vector<size_t> beyond;
    size_t next = static_cast<size_t>(std::max(firstStudent, 0));
    for (size_t r = static_cast<size_t>(choice.headingRow); r < sheet.rows.size(); ++r, ++next) {
        if (next < students.size())
            rowStudents[r] = {static_cast<int>(next)};
        else
            beyond.push_back(r);
    }
    ImportPlan plan = planFromMatches(sheet, choice, students, ranges, rowStudents);
    plan.unmatchedRows.clear(); // the rows past the end are the only ones matching no student
    for (const size_t r : beyond)
        if (markInRow(sheet.rows[r], choice.mark).kind != OutsideMark::Kind::Empty)
            plan.rowsBeyondClass.push_back({static_cast<int>(r + 1), cellAt(sheet.rows[r], choice.mark.column),
                                            "beyond the last student"});
    // Students above the first one are not meant to have a row.
    plan.studentsWithoutRow.clear();
    return plan;
}

std::vector<int> applyImport(const ImportPlan& plan, ClassList& students, const std::vector<InitialValueRange>* ranges)
{
    std::vector<int> changed;
    for (const StudentPreview& p : plan.students) {
        if (!p.applies())
            continue;
        StudentRecord& s = students[static_cast<size_t>(p.student)];
        if (ranges)
            applyInitialValues(s, *ranges, p.newMark);
        s.mark = p.newMark;
        changed.push_back(p.student);
    }
    return changed;
}

} // namespace tq
