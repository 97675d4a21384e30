// A term's road by keyboard alone, as a teacher who uses no mouse walks it: a new class from the
// master list, a favourites list built in Comment Selection, a range given codes and a rating in
// Initial Values Setup, then marks, a code, a rating, a flag and a free-form comment in the main
// window, the class saved and the eFile written. Every step is a key pressed where the keyboard
// is; only the file dialogs and message boxes answer from the script.
#include "ExportFixture.h"
#include "WindowComesUp.h"

#include "core/classdata/ClassFile.h"
#include "core/export/ExportFile.h"
#include "core/export/Verification.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/selection/frmSelection.h"

#include <QCheckBox>
#include <QListView>
#include <QTest>

#include <algorithm>

using namespace tq;
using namespace tq::test;

namespace {

class KeyboardOnlyRoad : public ExportWindow {
protected:
    static QWidget* focus() { return QApplication::focusWidget(); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        ASSERT_TRUE(focus()) << "nothing has the keyboard";
        QTest::keyClick(focus(), key, modifiers);
    }

    // Each character typed where the keyboard is then: the first key of a mark or a code opens the
    // box that takes the rest.
    void type(const std::string& text)
    {
        for (const char c : text) {
            ASSERT_TRUE(focus());
            QTest::keyClick(focus(), c);
        }
    }

    // Tab until `control` has the keyboard; fails when Tab goes round without reaching it.
    void tabTo(QWidget* control)
    {
        ASSERT_TRUE(control);
        for (int i = 0; i < 80 && focus() != control; ++i)
            press(Qt::Key_Tab);
        ASSERT_EQ(focus(), control) << "Tab does not reach " << control->objectName().toStdString();
    }

    // The arrow keys until the grid's current cell is in `col`.
    void arrowToColumn(ui::ClassGrid* grid, int col)
    {
        for (int i = 0; i < 30 && grid->currentCol() != col; ++i)
            press(grid->currentCol() < col ? Qt::Key_Right : Qt::Key_Left);
        ASSERT_EQ(grid->currentCol(), col);
    }
};

} // namespace

TEST_F(KeyboardOnlyRoad, ATermFromTheMasterListToTheEFileByKeysAlone)
{
    start();
    comesUp(window.get());

    // Get New Class: Ctrl+N, the class code typed into the list of classes, Enter.
    press(Qt::Key_N, Qt::ControlModifier);
    comesUp(window->working.getClassDialog);
    type("SNC1P1-01");
    press(Qt::Key_Return);
    settle();
    ASSERT_FALSE(window->working.getClassDialog);
    ASSERT_EQ(state.studentCount(), 20);
    const int students = state.studentCount();

    // Comment Selection: a search typed, two phrases copied in, the list saved and left.
    comesUp(window.get());
    press(Qt::Key_E, Qt::ControlModifier);
    frmSelection* selection = window->working.selectionWindow;
    comesUp(selection);
    type("organiz");
    press(Qt::Key_Return);
    tabTo(controlOf<QListView>(selection, "lstComments"));
    press(Qt::Key_Return);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    ASSERT_EQ(state.favourites.favourites.size(), 2u);
    const std::string first = state.favourites.favourites[0], second = state.favourites.favourites[1];
    const std::string favourites = root.file("home/Science.tqf");
    dialogs.answerSaveFile(QString::fromStdString(favourites));
    press(Qt::Key_S, Qt::ControlModifier);
    press(Qt::Key_Escape);
    settle();
    ASSERT_FALSE(window->working.selectionWindow);

    // Initial Values Setup: the top range gets the first favourite typed, the second chosen in the
    // list with Enter, and a rating of 2 for responsibility.
    comesUp(window.get());
    EXPECT_EQ(focus(), grid()) << "back from Comment Selection";
    press(Qt::Key_I, Qt::ControlModifier);
    frmAutoFill* setup = window->working.autoFillWindow;
    comesUp(setup);
    type(first);
    press(Qt::Key_Return);
    tabTo(controlOf<FavouritesList>(setup, "lstFavourites"));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    auto* ranges = controlOf<ui::ClassGrid>(setup, "msfgClass");
    ASSERT_EQ(focus(), ranges);
    arrowToColumn(ranges, 5);
    type("2");
    const InitialValueRange& top = state.favourites.initialRanges.at(0);
    EXPECT_EQ(top.rangeComment1 + "|" + top.rangeComment2 + "|" + top.rangeSkills[0], first + "|" + second + "|2");
    press(Qt::Key_Escape);
    settle();
    ASSERT_FALSE(window->working.autoFillWindow);

    // The main window: every mark, which brings the range's codes and ratings; a third code for
    // the second student; a rating for the third; a flag for the fourth; a free-form comment for
    // the fifth.
    comesUp(window.get());
    EXPECT_EQ(focus(), grid()) << "back from Initial Values Setup";
    tabTo(grid());
    ASSERT_TRUE(autoFillBox()->isChecked());
    ASSERT_EQ(grid()->currentRow(), 1);
    arrowToColumn(grid(), markColumn);
    std::vector<std::string> rowNumbers; // the students of the grid's rows, in order
    for (int i = 0; i < students; ++i) {
        rowNumbers.push_back(state.students[static_cast<size_t>(i)].studentNumber);
        type(std::to_string(80 + i));
        press(Qt::Key_Return);
    }
    press(Qt::Key_Down);
    arrowToColumn(grid(), firstCommentColumn + 2);
    type("0701");
    press(Qt::Key_Return);
    press(Qt::Key_L, Qt::ControlModifier);
    press(Qt::Key_Down);
    arrowToColumn(grid(), firstSkillColumn + 1);
    type("n");
    press(Qt::Key_Down);
    arrowToColumn(grid(), iepColumn);
    press(Qt::Key_Space);
    press(Qt::Key_Down);
    press(Qt::Key_F2);
    auto* freeForm = window->findChild<frmFreeFormCommentEntry*>();
    comesUp(freeForm);
    type("Works steadily and asks good questions.");
    tabTo(controlOf<QPushButton>(freeForm, "cmdOkay"));
    press(Qt::Key_Space);
    settle();

    // Saved with Ctrl+S.
    comesUp(window.get());
    const std::string classFile = root.file("home/SNC1P101.tqc");
    dialogs.answerSaveFile(QString::fromStdString(classFile));
    press(Qt::Key_S, Qt::ControlModifier);

    // The eFile: Ctrl+T, the confirmation ticked with Space, the eFile made.
    press(Qt::Key_T, Qt::ControlModifier);
    comesUp(exporter());
    tabTo(controlOf<QCheckBox>(exporter(), "chkConfirm"));
    press(Qt::Key_Space);
    const std::string eFile = root.file("home/SNC1P101.trc");
    dialogs.answerSaveFile(QString::fromStdString(eFile));
    tabTo(controlOf<QPushButton>(exporter(), "cmdExport"));
    press(Qt::Key_Space);
    settle();
    ASSERT_FALSE(messages().empty());
    EXPECT_TRUE(messages().back().text.startsWith("CONGRATULATIONS!!!")) << messages().back().text.toStdString();

    // The class file holds what was typed, for the students it was typed for (the eFile lists
    // the class by name, which may be another order than the one it was typed in).
    const std::variant<ClassList, Message> saved = readClassFile(classFile);
    ASSERT_TRUE(std::holds_alternative<ClassList>(saved));
    const ClassList& c = std::get<ClassList>(saved);
    ASSERT_EQ(static_cast<int>(c.size()), students);
    const auto typedFor = [&c](const std::string& number) {
        const auto found = std::find_if(c.begin(), c.end(), [&](const StudentRecord& s) { return s.studentNumber == number; });
        return found == c.end() ? StudentRecord{} : *found;
    };
    const StudentRecord s1 = typedFor(rowNumbers[0]);
    EXPECT_EQ(s1.mark + "|" + s1.comment1 + "|" + s1.comment2 + "|" + s1.skillResponsibility,
              "80|" + first + "|" + second + "|2");
    EXPECT_EQ(typedFor(rowNumbers[1]).comment3, "0701");
    EXPECT_EQ(typedFor(rowNumbers[2]).skillOrganization, "1");
    EXPECT_EQ(typedFor(rowNumbers[3]).iep, "Y");
    // The free-form dialog opens on the student's comments written out; the words typed follow.
    EXPECT_TRUE(typedFor(rowNumbers[4]).hasFreeForm);
    EXPECT_TRUE(typedFor(rowNumbers[4]).freeFormComment.ends_with(" Works steadily and asks good questions."))
        << typedFor(rowNumbers[4]).freeFormComment;
    EXPECT_EQ(typedFor(rowNumbers[students - 1]).mark, std::to_string(80 + students - 1));

    // The eFile is the one the command line makes of that class file.
    ClassList checked = c;
    ASSERT_TRUE(verifyClass(checked, state.phrases, root.file("data/TQStudentInfo.txt"), state.clock).passed());
    ASSERT_TRUE(writeExportFile(root.file("home/commandline.trc"), checked, state.phrases));
    EXPECT_EQ(readBytes(eFile), readBytes(root.file("home/commandline.trc")));
}
