// A whole class entered by keyboard and mouse, saved, and found again when reopened.
#include "EntryFixture.h"
#include "ControlOf.h"

#include "core/entry/ClassGridLayout.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/FavouritesList.h"

#include <QPushButton>

using namespace tq;
using namespace tq::test;

namespace {
// The marks typed, student by student, round again after ten.
const std::vector<std::string> marks{"85", "72", "64", "55", "47", "30", "10", "I", "100", "58"};
} // namespace

TEST_F(EntryTest, AClassCompletedByKeyboardAndMouseSurvivesSaveAndReopen)
{
    startActive(sampleFile("Sample.tqf"));
    // The sample class's students, as a class freshly taken from the master list.
    const std::variant<ClassList, Message> sample = readClassFile(sampleClassCopy());
    ASSERT_TRUE(std::holds_alternative<ClassList>(sample));
    ClassList fresh;
    for (const StudentRecord& s : std::get<ClassList>(sample))
        fresh.push_back(newStudentRecord(s.courseCode, s.studentNumber, s.lastName, s.firstName, s.gender, s.masterColumn8));
    ASSERT_TRUE(saveClassFile(root.file("home/fresh.tqc"), fresh));
    openClass(root.file("home/fresh.tqc"));
    const int n = state.studentCount();
    ASSERT_EQ(n, 28);

    // Every mark by keyboard; the initial values give codes and skills.
    for (int i = 0; i < n; ++i)
        typeMark(marks[static_cast<size_t>(i) % marks.size()]);
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(student(1).comment1 + student(1).comment2 + student(1).comment3, "070401120206");
    EXPECT_EQ(student(6).comment1 + student(6).comment2 + "|" + student(6).comment3, "07070710|");
    EXPECT_EQ(student(8).mark + student(8).skillCollaboration, "I1");
    EXPECT_EQ(student(9).skillSelfRegulation, "4");

    // Comments by mouse: a favourite, a code picked up from a cell, a code moved, one deleted.
    chooseFavourite("1001");
    clickCell(2, 7);
    clickCell(3, 7);
    clickCell(1, 5, Qt::RightButton); // 0112 is no favourite
    clickCell(7, 4);
    chooseFavourite("0706");
    clickCell(3, 8); // 0706 leaves CM1 for CM5
    favouritesList()->setCurrentRow(favouritesList()->count() - 1);
    clickCell(4, 6);

    // Skills and flags in the skills view.
    mainControl<QPushButton>("cmdSwitch")->click();
    clickCell(5, 9);
    clickCell(6, 14, Qt::RightButton);
    clickCell(2, 16);
    clickCell(3, 17);
    clickCell(4, 15);
    clickCell(5, 18);
    clickCell(8, 16);
    toolButton("cmdUndo")->click(); // not that one after all

    // A free-form comment for the sixth student.
    grid()->setCurrent(6, 3);
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    controlOf<QPlainTextEdit>(dialog, "txtComment")->setPlainText("Works steadily, and asks for help when needed.");
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();

    EXPECT_EQ(student(2).comment4, "1001");
    EXPECT_EQ(student(7).comment1, "0112");
    EXPECT_EQ(student(3).comment1 + "|" + student(3).comment4 + "|" + student(3).comment5, "|1001|0706");
    EXPECT_EQ(student(4).comment3, "    ");
    EXPECT_EQ(student(5).skillResponsibility, "4");
    EXPECT_EQ(student(6).skillSelfRegulation, "2");
    EXPECT_EQ(student(2).esl + student(3).eld + student(4).iep + student(5).interview, "YYYY");
    EXPECT_EQ(student(8).esl, "");
    EXPECT_TRUE(student(6).hasFreeForm);

    const std::string saved = root.file("home/Finished.tqc");
    dialogs.answerSaveFile(QString::fromStdString(saved));
    toolButton("cmdSave")->click();
    const ClassList entered = state.students;

    dialogs.answerQuestion(false); // no need to save again
    openClass(saved);
    ASSERT_EQ(state.studentCount(), n);
    for (int r = 1; r <= n; ++r) {
        EXPECT_EQ(student(r), entered[static_cast<size_t>(r - 1)]) << "student " << r;
        for (int c = 3; c < 19; ++c)
            EXPECT_EQ(ui::toCp1252(cell(r, c)), gridRowCells(entered[static_cast<size_t>(r - 1)], false)[static_cast<size_t>(c)])
                << r << "," << c;
    }
    EXPECT_FALSE(undoEnabled());
}
