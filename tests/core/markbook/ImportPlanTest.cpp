#include "core/classdata/ClassFile.h"
#include "core/markbook/ClipboardText.h"
#include "core/markbook/ImportPlan.h"
#include "core/markbook/PreviewWords.h"
#include "core/markbook/MarkbookFile.h"
#include "core/markbook/SheetChoice.h"
#include "support/InitialRanges.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
ClassList sampleClass() { return std::get<ClassList>(readClassFile(test::sampleFile("ENG2D101.tqc"))); }

const StudentPreview& previewOf(const ImportPlan& plan, const ClassList& students, const std::string& last,
                                const std::string& first)
{
    for (const StudentPreview& p : plan.students)
        if (students[static_cast<size_t>(p.student)].lastName == last && students[static_cast<size_t>(p.student)].firstName == first)
            return p;
    throw std::runtime_error("no such student");
}

struct Export {
    const char* file;
    int sheet, headingRow;
    KeyKind key;
    int markColumn, denominator;
    const char* layla;  // Ahmed, Layla's new mark ("" when it stays)
    const char* adam;   // O'Brien, Adam's
    int withoutRow;
    int belangerRow;    // the sheet row of Bélanger, Amira's mark
};
} // namespace

TEST(ImportPlan, MarkbookExportsMatchEveryStudentOfTheSampleClass)
{
    const ClassList students = sampleClass();
    const Export exports[] = {
        {"platform-grades.csv", 0, 1, KeyKind::Number, 7, 8, "74", "53", 0, 6},   // 36.75 / 50; "#" numbers
        {"classroom-export.csv", 0, 1, KeyKind::LastFirst, 4, -1, "", "71", 0, 6}, // "71%"; accents left off
        {"excel-semicolons.csv", 0, 1, KeyKind::Number, 4, -1, "55", "85", 0, 6},  // "316-208-659", semicolons, Windows-1252
        // A title and merged group headings above row 3, a hidden column, dates, #DIV/0!, a class average.
        {"title-rows.xlsx", 0, 3, KeyKind::Number, 10, -1, "91", "84", 0, 8},
        {"title-rows.ods", 0, 3, KeyKind::Number, 10, -1, "91", "84", 0, 8},
        {"three-sheets.xlsx", 1, 1, KeyKind::Number, 3, -1, "91", "84", 0, 6},    // another class first
        {"three-sheets.ods", 1, 1, KeyKind::Number, 3, -1, "91", "84", 0, 6},
        {"letter-grades.xlsx", 0, 1, KeyKind::LastFirst, 2, -1, "91", "84", 0, 6}, // not "Final Grade"
        {"typed-names.ods", 0, 1, KeyKind::LastFirst, 2, -1, "91", "84", 0, 6},   // O’Brien, decomposed accents
        {"empty-lines.csv", 0, 1, KeyKind::Number, 3, -1, "91", "84", 0, 21},    // an empty line before each group
    };
    for (const Export& e : exports) {
        SCOPED_TRACE(e.file);
        const SheetReadResult read = readMarkbookFile(test::dataFile(std::string("markbook/") + e.file));
        const SheetProposal proposal = proposeSheet(read.sheets, students);
        EXPECT_EQ(proposal.sheet, e.sheet);
        const SheetTable& sheet = read.sheets.at(static_cast<size_t>(proposal.sheet));
        const MarkbookChoice& choice = proposal.choice;
        EXPECT_EQ(choice.headingRow, e.headingRow);
        EXPECT_EQ(choice.key.kind, e.key);
        EXPECT_EQ(choice.mark, (MarkSource{e.markColumn, e.denominator}));
        const ImportPlan plan = planImport(sheet, choice, students, nullptr);
        EXPECT_TRUE(plan.clean());
        EXPECT_EQ(plan.studentsWithoutRow.size(), static_cast<size_t>(e.withoutRow));
        EXPECT_EQ(previewOf(plan, students, "Ahmed", "Layla").newMark, e.layla);
        EXPECT_EQ(previewOf(plan, students, "O'Brien", "Adam").newMark, e.adam);
        EXPECT_EQ(previewOf(plan, students, "B\xE9langer", "Amira").sourceRow, e.belangerRow);
    }
}

TEST(ImportPlan, RowsThatCannotBeAppliedAreListedWithTheirReasons)
{
    ClassList students = sampleClass();
    students.resize(4); // Ahmed Layla 89, Ahmed Nadia 67, Anderson Tariq 88, Arsenault Carlos 82
    students[0] = newStudentRecord(students[0].courseCode, students[0].studentNumber, "Ahmed", "Layla", "F", "");
    students[0].mark = "89";
    const SheetTable sheet{"m",
                           {{"Last", "First", "Final"},
                            {"Ahmed", "Layla", "87.5"},
                            {"Ahmed", "Nadia", "B+"},
                            {"Anderson", "Tariq", "70"},
                            {"Anderson", "Tariq", "71"},
                            {"Nobody", "Here", "50"},
                            {"Nobody", "Else", ""}}};
    const MarkbookChoice choice = proposeChoice(sheet, students);
    const std::vector<InitialValueRange> ranges{test::markRange(80, 100, {"0101", "", "0103"}, {"4", "4", "4", "4", "4", "4"})};
    const ImportPlan plan = planImport(sheet, choice, students, &ranges);
    EXPECT_EQ(plan.students[0].shown, "87.5 \u2192 88");
    EXPECT_EQ(plan.students[0].sourceRow, 2);
    EXPECT_EQ(plan.students[0].initialValues, "codes 0101 - 0103; skills 4 4 4 4 4 4");
    EXPECT_EQ(plan.students[2].initialValues, ""); // an ambiguous student gets nothing
    ASSERT_EQ(plan.refusedValues.size(), 1u);
    EXPECT_EQ(plan.refusedValues[0].row, 3);
    EXPECT_EQ(plan.refusedValues[0].reason, "\"B+\" is refused: a letter grade, not a mark");
    ASSERT_EQ(plan.ambiguousRows.size(), 2u);
    EXPECT_EQ(plan.ambiguousRows[1].reason, "Anderson, Tariq is matched by 2 rows");
    ASSERT_EQ(plan.unmatchedRows.size(), 1u); // the row without a value is nothing to worry about
    EXPECT_EQ(plan.unmatchedRows[0].who, "Nobody, Here");
    EXPECT_EQ(plan.studentsWithoutRow, std::vector<int>{3});
    EXPECT_FALSE(plan.clean());
    EXPECT_EQ(plan.changeCount(), 1);
    // Every cell says what it is: a refused value is no new mark from its row, not a mark of 3.
    using Words = std::vector<std::string>;
    EXPECT_EQ(previewCellWords(plan.students[0], students[0]),
              (Words{"Ahmed, Layla", "old mark 89", "new mark 87.5 \u2192 88", "row 2",
                     "initial values codes 0101 - 0103; skills 4 4 4 4 4 4"}));
    EXPECT_EQ(previewCellWords(plan.students[1], students[1]),
              (Words{"Ahmed, Nadia", "old mark 67", "no new mark", "row 3", "initial values unchanged"}));
    EXPECT_EQ(previewCellWords(plan.students[3], students[3])[3], "no row");
    EXPECT_EQ(applyImport(plan, students, &ranges), std::vector<int>{0});
    EXPECT_EQ(students[0].mark, "88");
    EXPECT_EQ(students[0].skill(1), "4");
    EXPECT_EQ(students[2].mark, "88"); // an ambiguous student keeps the mark
}

TEST(ImportPlan, MarksWithoutKeysGoDownFromTheCurrentStudent)
{
    const ClassList students = sampleClass();
    // A column copied in a spreadsheet, its first, a middle and its last cell empty, pasted on
    // Ahmed, Nadia: every mark lands on its own student, an empty cell leaves the mark alone.
    const SheetTable column = pastedSheet("\r\n70\r\n\r\n71\r\n72\r\n\r\n");
    const MarkbookChoice choice = proposeChoice(column, students);
    EXPECT_EQ(choice.headingRow, 0);
    EXPECT_EQ(choice.key.kind, KeyKind::None);
    const ImportPlan plan = planMarksDown(column, choice, 1, students, nullptr);
    const char* const newMarks[] = {"", "", "70", "", "71", "72", ""}; // Ahmed, Layla to Delgado, Alejandro
    for (size_t i = 0; i < std::size(newMarks); ++i)
        EXPECT_EQ(plan.students[i].newMark, newMarks[i]) << students[i].lastName;
    EXPECT_EQ(plan.changeCount(), 3);

    const SheetTable sheet{"clipboard", {{"70"}, {""}, {"72"}, {"73"}}};
    const ImportPlan end = planMarksDown(sheet, proposeChoice(sheet, students), 26, students, nullptr);
    EXPECT_EQ(end.students[26].newMark, "70");
    ASSERT_EQ(end.rowsBeyondClass.size(), 2u); // listed, not dropped
    EXPECT_EQ(end.rowsBeyondClass[0].row, 3);
    EXPECT_EQ(end.rowsBeyondClass[0].reason, "beyond the last student");
}

// A mark that stays the same while the initial values come with it is applied, but it is no
// mark that changes; the preview says so.
TEST(ImportPlan, MarksThatStayAreNotCountedAsChanges)
{
    ClassList students = sampleClass();
    students.resize(3); // Ahmed Layla 89, Ahmed Nadia 67, Anderson Tariq 88, given no comments yet
    for (StudentRecord& s : students) {
        const std::string mark = s.mark;
        s = newStudentRecord(s.courseCode, s.studentNumber, s.lastName, s.firstName, s.gender, "");
        s.mark = mark;
    }
    const SheetTable sheet{"m", {{"Anderson", "Tariq", "88"}, {"Ahmed", "Nadia", "70"}, {"Ahmed", "Layla", "89"}}};
    const MarkbookChoice choice = proposeChoice(sheet, students);
    const std::vector<InitialValueRange> ranges{test::markRange(80, 100, {"0101", "", ""}, {"", "", "", "", "", ""})};
    const ImportPlan plan = planImport(sheet, choice, students, &ranges);
    EXPECT_EQ(plan.changeCount(), 3);
    EXPECT_EQ(plan.markChangeCount(), 1);
    EXPECT_EQ(previewCellWords(plan.students[0], students[0])[2], "new mark 89, unchanged");
    // Pasted with their names, the lines start at the student the first line is for.
    EXPECT_EQ(firstPastedStudent(plan), 2);
}
