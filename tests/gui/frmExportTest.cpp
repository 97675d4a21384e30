// The eFile window: verification against the master list, the reports, the confirmation grid
// and the export; and the whole road from the master list to the eFile.
#include "AccessibilityEvents.h"
#include "ExportFixture.h"
#include "ControlOf.h"

#include "core/export/ExportFile.h"
#include "core/export/Verification.h"
#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/export/frmExport.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

TEST_F(ExportWindow, ReportsTheIncompleteStudentsAndOffersNoExport)
{
    start();
    openClass(sampleClassCopy());
    // The two free-form comments, Jasmine's and Ali's, with a misspelt word and a pronoun for a boy.
    for (StudentRecord& s : state.students)
        if (s.hasFreeForm)
            s.freeFormComment += " He wil.";
    window->move(137, 91);
    const QRect place = window->geometry();
    openExport();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(exporter()->isVisible());
    EXPECT_EQ(exporter()->windowTitle(), "eFile Confirmation and Verification");
    EXPECT_TRUE(controlOf<QPlainTextEdit>(exporter(), "picOut")->isVisible());
    // The keyboard starts on the report; the empty grid under it is no stop of Tab.
    EXPECT_EQ(exporter()->focusWidget(), controlOf<QPlainTextEdit>(exporter(), "picOut"));
    EXPECT_EQ(controlOf<QWidget>(exporter(), "msfgClass")->focusPolicy(), Qt::NoFocus);
    const QStringList lines = report().split('\n');
    ASSERT_EQ(lines.size(), 11); // four students, one line each
    EXPECT_EQ(lines[0], "There are problems with your class.");
    EXPECT_EQ(lines[2], "NO EXPORT FILE WILL BE CREATED!");
    EXPECT_TRUE(lines[4].endsWith("  Comments exceed max Trillium length") || lines[4].endsWith("  has no mark") ||
                lines[4].endsWith("  has no comment") || lines[4].endsWith("  one or more missing Learning Skills"));
    EXPECT_EQ(report().count("  has no mark"), 1);
    EXPECT_EQ(lines[10], "Everyone MUST have a mark, at least one comment and all 6 learning skills.");
    // After the problems, under their own heading, the comments to read again.
    EXPECT_TRUE(controlOf<QPlainTextEdit>(exporter(), "txtCommentWarnings")->isVisible());
    EXPECT_EQ(controlOf<QPlainTextEdit>(exporter(), "txtCommentWarnings")->toPlainText(),
              "Free-form comments to read again (these do not stop the eFile):\n\n"
              "Iqbal Jasmine  pronoun \"He\" does not fit\nIqbal Jasmine  unknown word \"wil\"\n"
              "Ramos Ali  unknown word \"wil\"");
    EXPECT_FALSE(controlOf<QCheckBox>(exporter(), "chkConfirm")->isVisible());
    EXPECT_FALSE(controlOf<QPushButton>(exporter(), "cmdExport")->isVisible());
    EXPECT_EQ(controlOf<ui::ClassGrid>(exporter(), "msfgClass")->rows(), 0);
    EXPECT_EQ(controlOf<QPushButton>(exporter(), "cmdReturn")->text(), "Return to Mark / Comment Entry ");
    // The Class Summary is asked of the main window, which keeps it.
    QSignalSpy summaryAsked(exporter(), &frmExport::summaryRequested);
    controlOf<QPushButton>(exporter(), "cmdSummary")->click();
    EXPECT_EQ(summaryAsked.count(), 1);
    EXPECT_TRUE(exporter()->isVisible());

    controlOf<QPushButton>(exporter(), "cmdReturn")->click();
    QApplication::processEvents();
    EXPECT_FALSE(exporter());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), place); // back where the teacher left it
    EXPECT_EQ(grid()->rows(), 29);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ExportWindow, ReportsStudentsAddedOrDroppedAndKeepsTheUpdatedClass)
{
    start();
    openClass(sampleClassCopy());
    completeEveryone();
    const std::string realNumber = state.students[5].studentNumber;
    const std::string name = state.students[5].lastName + " " + state.students[5].firstName;
    state.students[5].studentNumber = "999999999";
    dialogs.answerQuestion(true); // the student under the unknown number may be dropped
    openExport();
    const QStringList lines = report().split('\n');
    EXPECT_EQ(lines[0], "There is a discrepancy between your file");
    EXPECT_EQ(lines[6], "The following students are no longer enrolled in your class(s):");
    EXPECT_EQ(lines[8], ui::fromCp1252(name));
    EXPECT_EQ(lines[13], ui::fromCp1252(name)); // and back under the real number, with empty entries
    EXPECT_FALSE(controlOf<QCheckBox>(exporter(), "chkConfirm")->isVisible());

    // Closing the window returns in the same way; the grid shows the updated class.
    exporter()->close();
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(state.studentCount(), 28);
    const auto back = std::find_if(state.students.begin(), state.students.end(),
                                   [&](const StudentRecord& s) { return s.studentNumber == realNumber; });
    ASSERT_NE(back, state.students.end());
    EXPECT_TRUE(back->mark.empty());
    const int row = static_cast<int>(back - state.students.begin()) + 1;
    EXPECT_EQ(grid()->text(row, 3), "");
}

TEST_F(ExportWindow, AFailedUpdateShowsOnlyItsMessage)
{
    start();
    openClass(sampleClassCopy());
    std::filesystem::remove(root.file("data/TQStudentInfo.txt"));
    openExport();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "TQ5: You need to be at school to have access to the current student info.");
    EXPECT_FALSE(controlOf<QPlainTextEdit>(exporter(), "picOut")->isVisible());
    EXPECT_FALSE(controlOf<QCheckBox>(exporter(), "chkConfirm")->isVisible());
    EXPECT_TRUE(controlOf<QPushButton>(exporter(), "cmdReturn")->isVisible());
    EXPECT_EQ(state.studentCount(), 28);
}

TEST_F(ExportWindow, AFailedUpdateKeepsTheUndoOfTheClassItLeftAlone)
{
    start();
    openClass(sampleClassCopy());
    const std::string mark = state.students[4].mark;
    const std::string number = state.students[4].studentNumber;
    grid()->setCurrent(5, 3);
    window->msfgClass_KeyPress('7');
    window->commitMarkEntry();
    ASSERT_EQ(window->undoStack().size(), 1u);
    std::filesystem::remove(root.file("data/TQStudentInfo.txt"));
    openExport(); // TQ5: the class stays as it was
    controlOf<QPushButton>(exporter(), "cmdReturn")->click();
    QApplication::processEvents();
    EXPECT_EQ(window->undoStack().size(), 1u);
    EXPECT_TRUE(toolButton("cmdUndo")->isEnabled());
    toolButton("cmdUndo")->click();
    const auto student = std::find_if(state.students.begin(), state.students.end(), [&](const StudentRecord& s) {
        return s.studentNumber == number;
    });
    ASSERT_NE(student, state.students.end());
    EXPECT_EQ(student->mark, mark);

    // An update that ran but changed nothing leaves the undo as it was, still of use.
    std::filesystem::copy_file(sampleFile("TQStudentInfo.txt"), root.file("data/TQStudentInfo.txt"));
    settleFile(root.file("data/TQStudentInfo.txt"));
    grid()->setCurrent(5, 3);
    window->msfgClass_KeyPress('7');
    window->commitMarkEntry();
    openExport();
    QTest::keyClick(exporter(), Qt::Key_Escape); // leaves as Return does
    QApplication::processEvents();
    EXPECT_FALSE(exporter() && exporter()->isVisible());
    EXPECT_EQ(window->undoStack().size(), 1u);
    EXPECT_TRUE(toolButton("cmdUndo")->isEnabled());
}

TEST_F(ExportWindow, AConfirmedLargeClassIsLaidOutOnWhite)
{
    start();
    newClass("PPL2O1-01");
    ASSERT_EQ(state.studentCount(), 40);
    completeEveryone();
    const std::string otherName = state.students[4].firstName;
    state.students[3].freeFormComment += " " + otherName + " helps.";
    openExport();
    ui::ClassGrid* grid = controlOf<ui::ClassGrid>(exporter(), "msfgClass");
    EXPECT_FALSE(controlOf<QPlainTextEdit>(exporter(), "picOut")->isVisible());
    EXPECT_EQ(grid->cols(), 16);
    EXPECT_EQ(grid->text(0, 0), "Course");
    EXPECT_EQ(grid->text(0, 15), "Interview");
    EXPECT_GE(grid->columnWidthTwips(5), 5400);
    EXPECT_EQ(grid->columnWidthTwips(11), 325);
    EXPECT_EQ(grid->columnWidthTwips(15), 725);
    EXPECT_EQ(grid->fixedRows(), 1);
    EXPECT_EQ(grid->fixedCols(), 4);
    EXPECT_TRUE(grid->mergeCol(4));
    EXPECT_FALSE(grid->mergeCol(5));
    EXPECT_EQ(grid->backgroundOutsideCells(), QColor(Qt::white));
    // Three rows per student here; the first student's identity reads as one block.
    EXPECT_EQ(grid->rows(), 1 + 3 * 40);
    EXPECT_EQ(grid->mergedTop(3, 2), 1);
    EXPECT_EQ(grid->text(2, 6), QString::fromStdString(state.students[0].skillResponsibility));

    // Another student's name in a comment is a warning; the class is still offered for the eFile.
    EXPECT_TRUE(controlOf<QPlainTextEdit>(exporter(), "txtCommentWarnings")->toPlainText().endsWith(
        QString("  another student's name \"%1\"").arg(ui::fromCp1252(otherName))));
    EXPECT_TRUE(controlOf<QCheckBox>(exporter(), "chkConfirm")->isVisible());
    EXPECT_FALSE(controlOf<QCheckBox>(exporter(), "chkConfirm")->isChecked());
    EXPECT_FALSE(controlOf<QPushButton>(exporter(), "cmdExport")->isVisible());
    AccessibilityEvents screenReader;
    controlOf<QCheckBox>(exporter(), "chkConfirm")->click();
    EXPECT_TRUE(controlOf<QPushButton>(exporter(), "cmdExport")->isVisible());
    // The button comes up out of the teacher's way: a screen reader is told, on the box and, as
    // Qt passes no words with a changed description, in a notification that comes up.
    EXPECT_EQ(controlOf<QCheckBox>(exporter(), "chkConfirm")->accessibleDescription(),
              "The Create eFile button is now after this box");
    const auto shown = screenReader.of(QAccessible::ObjectShow);
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const AccessibilityEvents::Event& e) {
        return e.name == "The Create eFile button is now after this box";
    }));
    controlOf<QCheckBox>(exporter(), "chkConfirm")->click();
    EXPECT_FALSE(controlOf<QPushButton>(exporter(), "cmdExport")->isVisible());
}

TEST_F(ExportWindow, EveryCommentLineShowsWhole)
{
    start();
    newClass("ENG2D1-01");
    completeEveryone();
    // Wide letters: 75 characters of them pass the column's usual width.
    state.students[3].freeFormComment = "WM natural leaders MW " + std::string(60, 'W') + " Woven Words Mown Meadows "
                                        "Whimsical Wombats Wander Widely";
    openExport();
    ui::ClassGrid* grid = controlOf<ui::ClassGrid>(exporter(), "msfgClass");
    ASSERT_GT(grid->rows(), 1);
    const QFontMetrics metrics(grid->font());
    const int column = ui::twipsToPixelsX(grid->columnWidthTwips(5), grid);
    int widest = 0;
    for (int row = 1; row < grid->rows(); ++row) {
        widest = std::max(widest, metrics.horizontalAdvance(grid->text(row, 5)));
        EXPECT_LE(metrics.horizontalAdvance(grid->text(row, 5)) + 3, column) << grid->text(row, 5).toStdString();
    }
    EXPECT_GT(widest, ui::twipsToPixelsX(5400, grid) - 3); // the case that needed the room
    // The window is as wide as the grid's columns: nothing hides under the scroll bar.
    EXPECT_GE(grid->viewport()->width(), column);
}

TEST_F(ExportWindow, CancellingOrFailingTheExportWritesNothingAndSaysSo)
{
    start();
    openClass(sampleClassCopy());
    completeEveryone();
    openExport();
    controlOf<QCheckBox>(exporter(), "chkConfirm")->click();
    controlOf<QPushButton>(exporter(), "cmdExport")->click(); // the save dialog is cancelled
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith("TQ15: "));

    openExport();
    controlOf<QCheckBox>(exporter(), "chkConfirm")->click();
    dialogs.answerSaveFile(QString::fromStdString(root.file("no such folder/ENG2D101.trc")));
    controlOf<QPushButton>(exporter(), "cmdExport")->click();
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_TRUE(messages()[2].text.startsWith("TQTemp: The eFile could not be written."));
}

TEST_F(ExportWindow, TheWholeRoadFromTheMasterListToTheEFile)
{
    start();
    newClass("ENG2D1-01");
    ASSERT_EQ(state.studentCount(), 28);
    completeEveryone();

    dialogs.answerSaveFile(QString::fromStdString(root.file("home/ENG2D101.tqc")));
    window->saveCommand();
    ASSERT_TRUE(std::filesystem::exists(root.file("home/ENG2D101.tqc")));

    openExport();
    EXPECT_EQ(controlOf<ui::ClassGrid>(exporter(), "msfgClass")->backgroundOutsideCells(), exporter()->palette().color(QPalette::Button));
    controlOf<QCheckBox>(exporter(), "chkConfirm")->click();
    // A name given without an extension gets ".trc".
    dialogs.answerSaveFile(QString::fromStdString(root.file("home/ENG2D101")));
    controlOf<QPushButton>(exporter(), "cmdExport")->click();
    QApplication::processEvents();

    const auto saves = dialogs.callsOf(Kind::SaveFile);
    ASSERT_EQ(saves.size(), 2u);
    EXPECT_EQ(saves[1].filter, "Trillium Export (*.trc)|*.trc");
    EXPECT_EQ(saves[1].fileName, "ENG2D101");
    EXPECT_EQ(saves[1].initialFolder, QString::fromStdString(root.file("home"))); // it holds the class file
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_TRUE(messages()[0].text.startsWith("TQ15: You are now about to be prompted"));
    EXPECT_TRUE(messages()[1].text.startsWith("CONGRATULATIONS!!! You have saved your .trc file.\r\n"));
    EXPECT_EQ(messages()[1].title, "Tallyquill");
    EXPECT_FALSE(exporter());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(readBytes(root.file("home/ENG2D101.trc")), readBytes(dataFile("whole-road-ENG2D1-01.trc")));
}

TEST_F(ExportWindow, TheWindowAndTheCommandLineMakeTheSameEFile)
{
    // A class of two sections, out of name order, with a student in both.
    std::filesystem::copy_file(dataFile("cli/master.txt"), root.file("data/TQStudentInfo.txt"),
                               std::filesystem::copy_options::overwrite_existing);
    settleFile(root.file("data/TQStudentInfo.txt"));
    start();
    openClass(dataFile("cli/two-sections-unsorted.tqc"));
    const ClassList opened = state.students;
    openExport();
    controlOf<QCheckBox>(exporter(), "chkConfirm")->click();
    dialogs.answerSaveFile(QString::fromStdString(root.file("home/window.trc")));
    controlOf<QPushButton>(exporter(), "cmdExport")->click();
    QApplication::processEvents();

    // What the command line's export does with the same class.
    ClassList students = opened;
    const Verification v = verifyClass(students, state.phrases, root.file("data/TQStudentInfo.txt"), state.clock);
    ASSERT_TRUE(v.passed());
    ASSERT_TRUE(writeExportFile(root.file("home/commandline.trc"), students, state.phrases));
    EXPECT_EQ(readBytes(root.file("home/window.trc")), readBytes(root.file("home/commandline.trc")));
}
