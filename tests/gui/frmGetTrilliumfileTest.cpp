// New class from the master list, and the Update command.
#include "MainWindowFixture.h"
#include "ControlOf.h"

#include "core/base/TextFile.h"
#include "core/classdata/ClassSort.h"
#include "core/classdata/DropReview.h"
#include "core/classdata/MasterFile.h"
#include "core/classdata/NewClass.h"
#include "core/entry/StudentDetails.h"
#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
class NewClassWindow : public MainWindowTest {
protected:
    frmGetTrilliumfile* dialog() const { return window->working.getClassDialog; }

    void openDialog()
    {
        window->newTrillium();
        ASSERT_TRUE(dialog());
    }

    void select(const QStringList& codes)
    {
        if (!controlOf<QCheckBox>(dialog(), "chkMultiCourse")->isChecked())
            controlOf<QCheckBox>(dialog(), "chkMultiCourse")->click();
        controlOf<QListWidget>(dialog(), "lstMultiSelect")->clearSelection();
        for (const QString& code : codes)
            controlOf<QListWidget>(dialog(), "lstMultiSelect")->findItems(code, Qt::MatchExactly).front()->setSelected(true);
    }

    int enrolled(const std::string& code) const
    {
        const std::vector<std::string> lines = readTextLines(root.file("data/TQStudentInfo.txt")).value_or(std::vector<std::string>());
        int n = 0;
        for (const std::string& line : lines)
            n += masterClassCodes(line).find(code) != std::string::npos;
        return n;
    }
};
} // namespace

TEST_F(NewClassWindow, OpensWithTheClassCodesOfTheMasterList)
{
    start();
    EXPECT_TRUE(menu("mnuNewTrillium")->isEnabled());
    EXPECT_TRUE(toolButton("cmdNew")->isEnabled());
    QTest::mouseClick(toolButton("cmdNew"), Qt::LeftButton);
    ASSERT_TRUE(dialog());
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(dialog()->isModal());
    EXPECT_EQ(dialog()->windowTitle(), "Get New Class File");
    EXPECT_TRUE(dialogs.callsOf(Kind::Question).empty()); // no class open: nothing to save
    EXPECT_EQ(controlOf<QLabel>(dialog(), "lblSelect")->text(), "&Select a Class     ");
    const int codes = static_cast<int>(readClassCodeList(root.file("data/TQStudentInfo.txt"), systemClock()).codes.size());
    ASSERT_GT(codes, 70);
    EXPECT_EQ(controlOf<QComboBox>(dialog(), "cboClasses")->count(), codes);
    EXPECT_EQ(controlOf<QListWidget>(dialog(), "lstMultiSelect")->count(), codes);
    for (int i = 1; i < controlOf<QComboBox>(dialog(), "cboClasses")->count(); ++i)
        EXPECT_LT(controlOf<QComboBox>(dialog(), "cboClasses")->itemText(i - 1), controlOf<QComboBox>(dialog(), "cboClasses")->itemText(i));
    EXPECT_TRUE(controlOf<QListWidget>(dialog(), "lstMultiSelect")->findItems("sh1x", Qt::MatchExactly).size() == 1);
    EXPECT_TRUE(controlOf<QListWidget>(dialog(), "lstMultiSelect")->findItems("LUNCH1", Qt::MatchExactly).empty());
    EXPECT_TRUE(controlOf<QPushButton>(dialog(), "cmdGetClass")->isVisible());
    EXPECT_FALSE(controlOf<QLabel>(dialog(), "lblWarning")->isVisible());

    controlOf<QCheckBox>(dialog(), "chkMultiCourse")->click();
    EXPECT_EQ(controlOf<QLabel>(dialog(), "lblSelect")->text(), "&Select ALL Classes");
    EXPECT_EQ(controlOf<QPushButton>(dialog(), "cmdGetClass")->text(), "&Get Classes");
    EXPECT_TRUE(controlOf<QLabel>(dialog(), "lblWarning")->isVisible());
    EXPECT_TRUE(controlOf<QLabel>(dialog(), "lblWarning")->text().startsWith("This feature is intended for teachers"));
    EXPECT_TRUE(controlOf<QListWidget>(dialog(), "lstMultiSelect")->isVisible());
    EXPECT_FALSE(controlOf<QComboBox>(dialog(), "cboClasses")->isVisible());
    controlOf<QCheckBox>(dialog(), "chkMultiCourse")->click();
    EXPECT_EQ(controlOf<QPushButton>(dialog(), "cmdGetClass")->text(), "&Get Class");
    EXPECT_EQ(controlOf<QLabel>(dialog(), "lblSelect")->text(), "&Select a Class");
    EXPECT_TRUE(controlOf<QComboBox>(dialog(), "cboClasses")->isVisible());
}

TEST_F(NewClassWindow, NoClassIsChosenUntilTheTeacherChoosesOne)
{
    start();
    openClass(sampleClassCopy());
    const ClassList before = state.students;
    dialogs.answerQuestion(false);
    openDialog();
    EXPECT_EQ(controlOf<QComboBox>(dialog(), "cboClasses")->currentIndex(), -1);
    EXPECT_EQ(controlOf<QComboBox>(dialog(), "cboClasses")->currentText(), "");
    // Get Class (or Enter) straight away builds nothing: the dialog stays, and so does the class.
    controlOf<QPushButton>(dialog(), "cmdGetClass")->click();
    QApplication::processEvents();
    ASSERT_TRUE(dialog());
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(state.students, before);
    EXPECT_TRUE(messages().empty());
}

TEST_F(NewClassWindow, GetClassBuildsTheClassAndShowsIt)
{
    start();
    openDialog();
    controlOf<QComboBox>(dialog(), "cboClasses")->setCurrentText("ENG2D1-01");
    controlOf<QPushButton>(dialog(), "cmdGetClass")->click();
    QApplication::processEvents();
    EXPECT_FALSE(dialog());
    ASSERT_EQ(state.studentCount(), 28);
    EXPECT_EQ(state.students[0].courseCode, "ENG2D1-01");
    EXPECT_EQ(state.students[0].skillInitiative, "3");
    EXPECT_EQ(grid()->rows(), 29);
    EXPECT_EQ(mainControl<QLabel>("lblCourse")->text(), "ENG2D1-01");
    // The first student, current in the grid, is the one the details show.
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(mainControl<QLabel>("lblDetail1")->text().toStdString(),
              studentDetails(state.students[0], state.phrases, false).lines[0]);
    EXPECT_TRUE(mainControl<QLabel>("lblDetail2")->text().startsWith(QString::fromStdString(state.students[0].lastName)));
    for (QAction* a : {menu("mnuSave"), menu("mnuSortNames"), menu("mnuSortMarks"), menu("mnuUpdate"), menu("mnuExport")})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(messages().empty());
}

TEST_F(NewClassWindow, SeveralCodesGiveOneClassWithEveryEnrolment)
{
    start();
    openDialog();
    select({"ENG2D1-02", "ENG2D1-01"});
    controlOf<QPushButton>(dialog(), "cmdGetClass")->click();
    // Two students are in both sections: they come twice, under 01 first.
    ASSERT_EQ(state.studentCount(), enrolled("ENG2D1-01") + enrolled("ENG2D1-02"));
    int twice = 0;
    for (int i = 1; i < state.studentCount(); ++i)
        if (state.students[i].studentNumber == state.students[i - 1].studentNumber) {
            ++twice;
            EXPECT_EQ(state.students[i - 1].courseCode, "ENG2D1-01");
            EXPECT_EQ(state.students[i].courseCode, "ENG2D1-02");
        }
    EXPECT_EQ(twice, 2);
}

TEST_F(NewClassWindow, TheOpenClassStaysUntilANewOneIsBuilt)
{
    start();
    openClass(sampleClassCopy());
    const ClassList before = state.students;
    dialogs.answerQuestion(false);
    openDialog();
    const auto questions = dialogs.callsOf(Kind::Question);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "Do you want to save the current class?");
    EXPECT_EQ(questions[0].title, "Load New Trillium Class");

    // Nothing selected: the dialog stays and so does the class.
    select({});
    controlOf<QPushButton>(dialog(), "cmdGetClass")->click();
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(state.students, before);

    // The master list gone since the dialog opened: TQ10b, and still nothing lost.
    std::filesystem::remove(root.file("data/TQStudentInfo.txt"));
    select({"MPM2D1-01"});
    controlOf<QPushButton>(dialog(), "cmdGetClass")->click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(ui::toCp1252(messages()[0].text), masterUnreadableMessage().text);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(state.students, before);
    EXPECT_EQ(grid()->text(1, 1), "Ahmed");
}

TEST_F(NewClassWindow, AnOldMasterListIsRefusedWithTQ9)
{
    state.clock = [] { return std::time(nullptr) + 40 * 24 * 3600; };
    start();
    openDialog();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith("TQ9: The Trillium class data file is 40 days old."));
    EXPECT_EQ(messages()[0].title, "Your Trillium Class File is Too Old!");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(controlOf<QComboBox>(dialog(), "cboClasses")->count(), 0);
    EXPECT_FALSE(controlOf<QPushButton>(dialog(), "cmdGetClass")->isVisible());
}

TEST_F(NewClassWindow, AMissingMasterListClosesTheDialogAndAnEmptyOneEndsTheProgram)
{
    std::filesystem::remove(root.file("data/TQStudentInfo.txt"));
    start();
    openDialog();
    QApplication::processEvents();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith("TQ10b: Class File Read Error"));
    EXPECT_FALSE(dialog()); // closed, so the next New reads the master list afresh

    writeBytes(root.file("data/TQStudentInfo.txt"), "Last Name,First Name\r\n");
    window->newTrillium();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_TRUE(messages()[1].text.startsWith("TQ10a: "));
    EXPECT_TRUE(window->programEnded());
}

TEST_F(NewClassWindow, AFailedUpdateLeavesTheClassInItsOrder)
{
    start();
    openClass(sampleClassCopy());
    sortByMark(state.students);
    window->fillflexGrid();
    const ClassList before = state.students;
    std::filesystem::remove(root.file("data/TQStudentInfo.txt"));
    dialogs.answerQuestion(true);
    window->updateCommand();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(ui::toCp1252(messages()[0].text), masterUnavailableForUpdateMessage().text);
    EXPECT_EQ(state.students, before);
    EXPECT_EQ(grid()->text(1, 1), QString::fromStdString(before[0].lastName));
}

// A master file that lacks some of the class: the leavers are named with their work before
// anyone leaves, more than half of the class needs a second Yes, and one Undo brings all back.
TEST_F(NewClassWindow, AnUpdateNamesWhoLeavesFirstAndIsOneStepOfUndo)
{
    start();
    openClass(sampleClassCopy());
    const ClassList before = state.students;
    // The master file without the class's students after the tenth: 18 of 28 would leave. They are
    // named first; then a second question comes, whose No keeps them all.
    std::string text;
    const std::vector<std::string> master =
        readTextLines(root.file("data/TQStudentInfo.txt")).value_or(std::vector<std::string>());
    for (const std::string& l : master)
        if (std::none_of(before.begin() + 10, before.end(),
                         [&](const StudentRecord& s) { return l.find("," + s.studentNumber + ",") != std::string::npos; }))
            text += l + "\r\n";
    writeBytes(root.file("data/TQStudentInfo.txt"), text);
    settleFile(root.file("data/TQStudentInfo.txt"));
    for (bool yes : {true, true, false})
        dialogs.answerQuestion(yes);
    window->updateCommand();
    const auto questions = dialogs.callsOf(Kind::Question);
    ASSERT_EQ(questions.size(), 3u);
    const StudentRecord& leaver = before.back();
    EXPECT_NE(ui::toCp1252(questions[1].text).find(leaver.lastName + ", " + leaver.firstName + " (" + leaver.courseCode + ")"),
              std::string::npos);
    EXPECT_TRUE(questions[2].text.startsWith("The master class list looks incomplete"));
    EXPECT_EQ(state.students, before);

    for (bool yes : {true, true, true})
        dialogs.answerQuestion(yes);
    window->updateCommand();
    ASSERT_EQ(state.studentCount(), 10);
    EXPECT_EQ(grid()->rows(), 11);
    ASSERT_TRUE(toolButton("cmdUndo")->isEnabled());
    toolButton("cmdUndo")->click();
    EXPECT_EQ(state.students, before);
    EXPECT_EQ(grid()->rows(), 29);
    EXPECT_EQ(grid()->text(28, 1), ui::fromCp1252(before[27].lastName));
    EXPECT_FALSE(toolButton("cmdUndo")->isEnabled());
}

// The questions before an update drops anyone: No is the default whenever a leaver has work
// entered, a free-form comment alone too, or the master file looks incomplete (more than half of
// the class leaving; exactly half is not more).
TEST(DropQuestions, NoIsTheDefaultWhenALeaverHasWorkOrTheMasterListLooksIncomplete)
{
    const auto student = [](const std::string& number, bool freeForm) {
        StudentRecord s = newStudentRecord("ENG-01", number, "Last" + number, "Al", "F", "");
        s.hasFreeForm = freeForm;
        s.freeFormComment = freeForm ? "Works with care." : "";
        return s;
    };
    const struct {
        const char* what;
        size_t leaving; // the first students of the four
        bool freeForm;  // the first has a free-form comment and nothing else
        std::vector<int> defaults; // of each question asked: 0 Yes, 1 No
    } rows[] = {
        {"one leaver, nothing entered", 1, false, {0}},
        {"one leaver with only a free-form comment", 1, true, {1}},
        {"exactly half leaving", 2, false, {0}},
        {"more than half leaving", 3, false, {1, 1}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const ClassList before{student("1", row.freeForm), student("2", false), student("3", false), student("4", false)};
        const ClassList after(before.begin() + static_cast<long>(row.leaving), before.end());
        ui::ScriptedDialogs dialogs;
        dialogs.answerQuestion(true);
        dialogs.answerQuestion(true);
        EXPECT_TRUE(ui::confirmDrops(dialogs, nullptr,
                                     reviewDrops(before, after, {before.begin(), before.begin() + static_cast<long>(row.leaving)})));
        std::vector<int> defaults;
        for (const ui::ScriptedDialogs::Call& question : dialogs.callsOf(Kind::Question))
            defaults.push_back(question.defaultButton);
        EXPECT_EQ(defaults, row.defaults);
        EXPECT_EQ(dialogs.calls.at(0).text.contains("Last1, Al (ENG-01): a free-form comment"), row.freeForm);
    }
}
