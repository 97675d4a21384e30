// Typing marks in the main window, with initial values, and taking them back with undo.
#include "ControlOf.h"
#include "EntryFixture.h"

#include "core/classdata/ClassSort.h"
#include "core/entry/ClassGridLayout.h"
#include "gui/export/frmExport.h"
#include "gui/widgets/QtDialogs.h"

#include <filesystem>
#include <functional>
#include <utility>

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

using namespace tq;
using namespace tq::test;

TEST_F(EntryTest, TypedMarksAreStoredWithEnterAndTheEntryMovesDown)
{
    startActive();
    openClass(sampleClassCopy());
    ASSERT_EQ(grid()->currentRow(), 1);
    ASSERT_EQ(grid()->currentCol(), 3);
    key(Qt::Key_7, "7");
    ASSERT_TRUE(markBox()->isVisible());
    // Laid exactly over the mark cell.
    EXPECT_EQ(markBox()->geometry().translated(grid()->viewport()->pos()), grid()->cellRect(1, 3));
    EXPECT_TRUE(markBox()->hasFocus());
    key(Qt::Key_5, "5");
    EXPECT_EQ(markBox()->text(), "75");
    EXPECT_EQ(cell(1, 3), "89"); // nothing stored before Enter
    key(Qt::Key_Return, "\r");
    EXPECT_FALSE(markBox()->isVisible());
    EXPECT_EQ(cell(1, 3), "75");
    EXPECT_EQ(student(1).mark, "75");
    EXPECT_EQ(grid()->currentRow(), 2);
    // The next student's details.
    EXPECT_TRUE(mainControl<QLabel>("lblDetail2")->text().startsWith("Ahmed             67"));
    EXPECT_TRUE(undoEnabled());

    // From the last student Enter wraps to the first.
    grid()->setCurrent(28, 3);
    typeMark("100");
    EXPECT_EQ(student(28).mark, "100");
    EXPECT_EQ(grid()->currentRow(), 1);

    // "101" is wiped as its last digit is released; Enter then stores nothing but moves on.
    typeMark("101");
    EXPECT_EQ(student(1).mark, "75");
    EXPECT_EQ(grid()->currentRow(), 2);
    // A lower-case i opens an empty box; its release makes it "I".
    key(Qt::Key_I, "i");
    EXPECT_EQ(markBox()->text(), "I");
    key(Qt::Key_Return, "\r");
    EXPECT_EQ(student(2).mark, "I");
    EXPECT_EQ(undoCount(), 3u);
}

TEST_F(EntryTest, OtherKeysEmptyTheBoxAndLeavingTheCellDropsWhatWasTyped)
{
    startActive();
    openClass(sampleClassCopy());
    key(Qt::Key_8, "8");
    key(Qt::Key_Period, ".");
    EXPECT_EQ(markBox()->text(), ""); // a decimal point wipes the entry
    key(Qt::Key_8, "8");
    key(Qt::Key_Backspace);
    EXPECT_EQ(markBox()->text(), "");
    key(Qt::Key_8, "8");
    clickCell(4, 3); // another cell while the box shows "8"
    EXPECT_FALSE(markBox()->isVisible());
    EXPECT_EQ(student(1).mark, "89");
    EXPECT_EQ(cell(1, 3), "89");
    EXPECT_EQ(undoCount(), 0u);

    // In a comment column a key opens the box for a code, which leaving the cell drops too.
    clickCell(4, 5);
    key(Qt::Key_7, "7");
    EXPECT_TRUE(markBox()->isVisible());
    EXPECT_EQ(markBox()->text(), "7");
    clickCell(4, 3);
    EXPECT_FALSE(markBox()->isVisible());
    EXPECT_EQ(student(4).comment2, "1005");

    // Enter in the grid opens an empty box and takes the highlight off the row; Enter again
    // only steps down.
    clickCell(4, 3);
    key(Qt::Key_Return, "\r");
    EXPECT_TRUE(markBox()->isVisible());
    EXPECT_EQ(markBox()->text(), "");
    EXPECT_EQ(grid()->cellBackground(4, 0), window->palette().color(QPalette::Button));
    key(Qt::Key_Return, "\r");
    EXPECT_EQ(grid()->currentRow(), 5);
    EXPECT_EQ(student(4).mark, "82");
    EXPECT_EQ(grid()->cellBackground(5, 0), window->palette().color(QPalette::Highlight));
    EXPECT_EQ(undoCount(), 1u); // only the left click on a comment cell, which always records one
    EXPECT_TRUE(grid()->hasFocus());

    // A box scrolled out of sight is dropped and the keyboard stays with the grid, not with the
    // next button, where Space would press it.
    clickCell(1, 3);
    key(Qt::Key_6, "6");
    ASSERT_TRUE(markBox()->hasFocus());
    grid()->setTopRow(2);
    ASSERT_EQ(grid()->topRow(), 2);
    EXPECT_FALSE(markBox()->isVisible());
    EXPECT_TRUE(grid()->hasFocus());
    EXPECT_FALSE(mainControl<QPushButton>("cmdSwitch")->hasFocus());
    EXPECT_EQ(student(1).mark, "89");
}

TEST_F(EntryTest, AMarkBringsItsRangesInitialValuesInRedAndOneUndoTakesAllBack)
{
    startActive(sampleFile("Sample.tqf")); // 50-59: 0706 0719 0714, every skill 2
    openNewClass(4);
    ASSERT_TRUE(autoFillBox()->isChecked());
    typeMark("55");
    EXPECT_EQ(cell(1, 4) + cell(1, 5) + cell(1, 6) + cell(1, 7), "070607190714");
    for (int c : {4, 5, 6, 9, 14})
        EXPECT_EQ(grid()->cellForeground(1, c), QColor(255, 0, 0)) << c;
    EXPECT_EQ(student(1).comment3, "0714");
    EXPECT_EQ(student(1).skillSelfRegulation, "2");
    EXPECT_EQ(cell(1, 12), "2");

    // A code of the student's own keeps the comments; the skills still come.
    state.students[1].comment2 = "0702";
    grid()->setText(2, 5, "0702");
    typeMark("85");
    EXPECT_EQ(student(2).comment1, "");
    EXPECT_EQ(cell(2, 4), "");
    EXPECT_EQ(student(2).skillOrganization, "4");
    // "I" counts as 0; the 0-19 range has no codes and every skill at 1.
    typeMark("I");
    EXPECT_EQ(student(3).skillResponsibility, "1");
    EXPECT_EQ(student(3).comment1, "");
    // Unticked: the mark alone.
    autoFillBox()->setChecked(false);
    typeMark("55");
    EXPECT_EQ(student(4).comment1, "");
    EXPECT_EQ(student(4).skillResponsibility, "3");

    // Undo, latest first; the first student's mark, codes and skills go back at once.
    for (int i = 0; i < 3; ++i)
        toolButton("cmdUndo")->click();
    EXPECT_EQ(grid()->currentRow(), 2);
    EXPECT_EQ(student(2).skillOrganization, "3");
    EXPECT_EQ(student(2).comment2, "0702");
    EXPECT_EQ(student(1).mark, "55");
    toolButton("cmdUndo")->click();
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(student(1), newStudentRecord("SNC2D1-01", "200000000", "Last0", "Alex", "F", ""));
    EXPECT_EQ(cell(1, 3) + cell(1, 4) + cell(1, 9), "3");
    EXPECT_FALSE(undoEnabled());
    menu("mnuUndo")->trigger(); // nothing left: nothing happens
    EXPECT_EQ(student(1).mark, "");
}

TEST_F(EntryTest, UndoShowsTheRestoredStudentAndSortsAndOtherClassesEmptyIt)
{
    startActive();
    openClass(sampleClassCopy());
    typeMark("60");
    grid()->setCurrent(10, 3);
    EXPECT_TRUE(mainControl<QLabel>("lblDetail2")->text().startsWith("Grewal"));
    toolButton("cmdUndo")->click();
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(grid()->cellBackground(1, 0), window->palette().color(QPalette::Highlight));
    EXPECT_EQ(grid()->cellBackground(10, 0), window->palette().color(QPalette::Button));
    EXPECT_TRUE(mainControl<QLabel>("lblDetail2")->text().startsWith("Ahmed             89"));
    // Redo puts the mark back and shows its student again. While the mark box is open the redo
    // keys are the box's own: the class keeps its steps.
    grid()->setCurrent(10, 3);
    key(Qt::Key_5, "5");
    ASSERT_TRUE(markBox()->isVisible());
    QTest::keyClick(markBox(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(markBox(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_Escape);
    EXPECT_EQ(student(1).mark, "89");
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(student(1).mark, "60");
    EXPECT_EQ(cell(1, 3), "60");
    EXPECT_EQ(grid()->currentRow(), 1);
    menu("mnuUndo")->trigger();
    // A free-form comment stored since ends what can be redone: redo would put the student's
    // whole record back over it.
    ASSERT_TRUE(menu("mnuRedo")->isEnabled());
    grid()->setCurrent(2, 3);
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    controlOf<QPlainTextEdit>(dialog, "txtComment")->setPlainText("Reads widely.");
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();
    EXPECT_FALSE(menu("mnuRedo")->isEnabled());
    grid()->setCurrent(1, 3);

    typeMark("60");
    menu("mnuSortNames")->trigger();
    EXPECT_FALSE(undoEnabled());
    menu("mnuUndo")->trigger();
    EXPECT_EQ(student(1).mark, "60");

    // Saving sorts by name; undo still finds the student changed before.
    menu("mnuSortMarks")->trigger();
    grid()->setCurrent(1, 3);
    const std::string top = student(1).lastName + student(1).firstName;
    const std::string topMark = student(1).mark;
    typeMark("42");
    dialogs.answerSaveFile(QString::fromStdString(root.file("home/Saved.tqc")));
    toolButton("cmdSave")->click();
    toolButton("cmdUndo")->click();
    const StudentRecord& restored = student(grid()->currentRow());
    EXPECT_EQ(restored.lastName + restored.firstName, top);
    EXPECT_EQ(restored.mark, topMark);
    EXPECT_EQ(cell(grid()->currentRow(), 3).toStdString(), topMark);

    // Opening another class forgets the changes made to this one.
    typeMark("61");
    EXPECT_TRUE(undoEnabled());
    openNewClass(3);
    EXPECT_FALSE(undoEnabled());
    EXPECT_EQ(undoCount(), 0u);
}

// Every reordering keeps the student the teacher is on, with the cursor on them, so that what
// is typed next is theirs.
TEST_F(EntryTest, TheCurrentStudentStaysCurrentThroughEveryReordering)
{
    const std::pair<const char*, std::function<void()>> reorders[] = {
        {"the Sort menu", [this] { menu("mnuSortNames")->trigger(); }},
        {"the save's sort",
         [this] {
             dialogs.answerSaveFile(QString::fromStdString(root.file("home/Saved.tqc")));
             toolButton("cmdSave")->click();
         }},
        {"the update", [this] {
             dialogs.answerQuestion(true);
             menu("mnuUpdate")->trigger();
         }},
        // The update against the master list gives the master list's order; the class comes back
        // in name order all the same.
        {"the eFile window and back", [this] {
             menu("mnuExport")->trigger();
             controlOf<QPushButton>(window->working.exportWindow, "cmdReturn")->click();
             QApplication::processEvents();
         }},
    };
    // A mark; and a comment of the student who ends on the last row.
    for (const auto& [what, reorder] : reorders)
        for (const bool lastByName : {false, true}) {
            SCOPED_TRACE(std::string(what) + (lastByName ? ", the last row" : ""));
            start();
            openClass(sampleClassCopy());
            menu("mnuSortMarks")->trigger();
            ClassList byName = state.students;
            sortByName(byName);
            const int wasRow = lastByName ? findStudent(state.students, byName.back()) + 1 : 5;
            const int col = lastByName ? firstCommentColumn + 2 : markColumn;
            grid()->setCurrent(wasRow, col);
            const std::string was = fullName(student(wasRow));
            reorder();
            byName = state.students;
            sortByName(byName);
            EXPECT_EQ(state.students, byName);
            const int row = grid()->currentRow();
            EXPECT_EQ(fullName(student(row)), was);
            EXPECT_EQ(grid()->currentCol(), col);
            EXPECT_EQ(grid()->cellBackground(row, 1), window->palette().color(QPalette::Highlight));
            if (col == markColumn) {
                typeMark("88");
                EXPECT_EQ(student(row).mark, "88");
            }
            window.reset();
        }
}

TEST_F(EntryTest, ARebuildOfTheGridClosesTheMarkBoxWithoutStoringIt)
{
    startActive();
    openClass(sampleClassCopy());
    // Each way the grid is rebuilt while the teacher has a mark half typed; the Enter that
    // follows must not store it on whichever student the rebuilt grid starts at. Ctrl+S, and Yes
    // to saving at Exit, store it first on the student it was typed for, as Enter would: the
    // class saved is the one the window shows (the save dialogs are cancelled here).
    const std::pair<std::function<void()>, bool> rebuilds[] = {
        {[&] { dialogs.answerSaveFile(""); QTest::keyClick(markBox(), Qt::Key_S, Qt::ControlModifier); }, true},
        {[&] { dialogs.answerQuestion(true); dialogs.answerSaveFile(""); menu("mnuExit")->trigger(); }, true},
        {[&] { menu("mnuSortMarks")->trigger(); }, false},
        {[&] { menu("mnuShowCourse")->trigger(); }, false},
        {[&] {
             menu("mnuExport")->trigger();
             ASSERT_TRUE(window->working.exportWindow);
             window->working.exportWindow->close();
             QApplication::processEvents();
         },
         false},
    };
    int turn = 0;
    for (const auto& [rebuild, stores] : rebuilds) {
        SCOPED_TRACE(turn);
        grid()->setCurrent(5, 3);
        key(Qt::Key_4, "4");
        key(Qt::Key_0 + turn, QString::number(turn)); // another mark each turn
        ASSERT_TRUE(markBox()->isVisible());
        ClassList before = state.students;
        if (stores)
            before[4].mark = "4" + std::to_string(turn);
        ++turn;
        const size_t undoBefore = undoCount() + (stores ? 1 : 0);
        rebuild();
        EXPECT_FALSE(markBox()->isVisible());
        key(Qt::Key_Return, "\r"); // reaches the grid, which opens an empty box
        key(Qt::Key_Return, "\r"); // which stores nothing
        // The rebuilds may sort the class; its students are as they were, wherever they stand.
        ClassList after = state.students;
        sortByName(before);
        sortByName(after);
        EXPECT_EQ(after, before);
        EXPECT_LE(undoCount(), undoBefore);
    }
}

TEST_F(EntryTest, SaveWithTheMarkBoxOpenEntersTheMarkAndTheKeysThatFollowReachTheGrid)
{
    startActive();
    openClass(sampleClassCopy());
    menu("mnuSortNames")->trigger(); // as Save leaves it
    // Every key goes where the keyboard has it at that moment, as typing does.
    const auto press = [](int qtKey, Qt::KeyboardModifiers modifiers = {}) {
        ASSERT_TRUE(QApplication::focusWidget()) << "the keyboard is nowhere";
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(qtKey), modifiers);
    };
    const auto type = [&press](const std::string& keys) {
        for (const char ch : keys)
            press(ch == '\r' ? int{Qt::Key_Return} : ch);
    };
    const auto saveWithCtrlS = [&] {
        dialogs.answerSaveFile(QString::fromStdString(root.file("home/Saved.tqc")));
        press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), grid());
    };

    // From a paper list: 77 for Layla, Ctrl+S instead of Enter, then the next marks with Enter.
    grid()->setCurrent(1, markColumn);
    type("77");
    saveWithCtrlS();
    EXPECT_EQ(std::get<ClassList>(readClassFile(root.file("home/Saved.tqc")))[0].mark, "77");
    type("61\r62\r63\r");
    for (const int row : {1, 2, 3, 4})
        EXPECT_EQ(student(row).mark, std::vector<std::string>({"77", "61", "62", "63"})[static_cast<size_t>(row - 1)]);

    // After a Save with the box open: Down, a mark, Ctrl+L, a skill's code, Sort, Exit.
    type("70");
    saveWithCtrlS();
    press(Qt::Key_Down);
    type("55\r");
    EXPECT_EQ(student(7).mark, "55");
    press(Qt::Key_L, Qt::ControlModifier);
    press(Qt::Key_Right);
    const std::string skill = student(8).skill(1);
    type(skill == "1" ? "2" : "1");
    EXPECT_NE(student(8).skill(1), skill);
    menu("mnuSortMarks")->trigger();

    // Yes at Exit stores a mark in the box the same way, while the question's own window has the
    // keyboard; once the window has it back (the save dialog cancelled), the keys go to the grid.
    press(Qt::Key_Home); // the mark
    const int row = grid()->currentRow();
    type("48");
    QWidget question;
    comesUp(&question);
    dialogs.answerQuestion(true);
    dialogs.answerSaveFile("");
    menu("mnuExit")->trigger();
    EXPECT_EQ(student(row).mark, "48");
    EXPECT_EQ(grid()->currentRow(), row + 1);
    question.close();
    comesUp(window.get());
    EXPECT_EQ(QApplication::focusWidget(), grid());
    dialogs.answerQuestion(false);
    menu("mnuExit")->trigger();
    EXPECT_TRUE(window->programEnded());
}

TEST_F(EntryTest, TheOverLongWarningTakesNoKeyAndNoClickMeantForTheGrid)
{
    // The real dialogs: a message box would take the keys typed after it. Any box that does
    // come up is noted and closed, so that the test fails instead of waiting.
    ui::QtDialogs realDialogs;
    window = std::make_unique<frmEntry>(state, realDialogs);
    ASSERT_TRUE(window->Form_Load([](ProgramState&) {}));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    std::filesystem::copy_file(sampleFile("ENG2D101.tqc"), root.file("home/speed.tqc"));
    window->openClass(root.file("home/speed.tqc"));
    QStringList boxes;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                boxes << box->windowTitle();
                box->done(QMessageBox::Ok);
            }
    });
    watchdog.start(5);

    // Row 3 has the over-long comment. "70 Enter 90 Enter 72 Enter" typed from row 2, each key
    // going wherever the keyboard is, as a teacher's keys do.
    grid()->setCurrent(2, 3);
    const auto type = [](Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key);
    };
    for (const char* mark : {"70", "90", "72"}) {
        for (const char* c = mark; *c; ++c)
            type(static_cast<Qt::Key>(Qt::Key_0 + (*c - '0')));
        type(Qt::Key_Return);
    }
    EXPECT_EQ(student(2).mark, "70");
    EXPECT_EQ(student(3).mark, "90");
    EXPECT_EQ(student(4).mark, "72");
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(", ").toStdString();

    // The first click on the over-long student's skill cell is a click like any other.
    mainControl<QPushButton>("cmdSwitch")->click();
    const std::string before = student(3).skillResponsibility;
    clickCell(3, 9);
    EXPECT_NE(student(3).skillResponsibility, before);
    EXPECT_TRUE(mainControl<QFrame>("fraCommentWarning")->isVisible());
    EXPECT_TRUE(boxes.isEmpty());
}
