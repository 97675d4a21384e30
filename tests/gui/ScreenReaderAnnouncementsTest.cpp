// What a screen reader is told as the teacher works in the main window: the cell the teacher
// moves to, however the move is made, every change with its value and the student, and the
// over-long comment warning as it comes up.
#include "AccessibilityEvents.h"
#include "ControlOf.h"
#include "EntryFixture.h"

#include "gui/markbook/frmImportMarks.h"

#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <optional>

using namespace tq;
using namespace tq::test;

namespace {

class ScreenReaderBase : public EntryTest {
public:
    void SetUp() override
    {
        startActive();
        openClass(sampleClassCopy());
        grid()->setFocus();
        ASSERT_TRUE(grid()->hasFocus());
        accessibility.clear();
    }

    // The grid's cell of the latest focus event that names one: its row and column in the table.
    std::optional<std::pair<int, int>> lastFocusedCell() const
    {
        std::optional<std::pair<int, int>> cell;
        for (const AccessibilityEvents::Event& e : gridFocus())
            if (e.row >= 0)
                cell = {e.row, e.column};
        return cell;
    }
    std::vector<AccessibilityEvents::Event> gridFocus() const
    {
        std::vector<AccessibilityEvents::Event> found;
        for (const AccessibilityEvents::Event& e : accessibility.of(QAccessible::Focus))
            if (e.object == grid())
                found.push_back(e);
        return found;
    }

    QString name(int row) const { return cell(row, 1) + " " + cell(row, 2); }

    // What the moves do, as the teacher does it.
    void press(int qtKey, const QString& text = {}) { key(qtKey, text); }
    using EntryTest::clickCell;
    using MainWindowTest::cell;
    using MainWindowTest::window;
    using EntryTest::typeMark;
    using MainWindowTest::favouritesList;
    using MainWindowTest::grid;
    using MainWindowTest::dialogs;
    using MainWindowTest::root;
    using MainWindowTest::menu;
    using EntryTest::openDialog;

    // The free-form dialog of the first student with `text`, the keyboard in it and the caret at
    // `caret`.
    QPlainTextEdit* freeFormText(const QString& text, int caret)
    {
        frmFreeFormCommentEntry* dialog = openDialog();
        auto* box = dialog ? dialog->findChild<QPlainTextEdit*>(QStringLiteral("txtComment")) : nullptr;
        if (!box)
            return nullptr;
        comesUp(dialog);
        box->setFocus();
        box->setPlainText(text);
        QTextCursor at = box->textCursor();
        at.setPosition(caret);
        box->setTextCursor(at);
        return box;
    }

    AccessibilityEvents accessibility;
};

struct MoveCase {
    const char* name;
    std::function<void(ScreenReaderBase&)> move;
    std::optional<std::pair<int, int>> cell; // the grid cell announced, if any
};

class ScreenReader : public ScreenReaderBase, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(ScreenReader, HearsTheCellTheTeacherMovesTo)
{
    GetParam().move(*this);
    const std::optional<std::pair<int, int>> heard = lastFocusedCell();
    if (!GetParam().cell) {
        EXPECT_FALSE(heard);
        return;
    }
    const auto [row, col] = *GetParam().cell;
    ASSERT_EQ(grid()->currentRow(), row);
    ASSERT_EQ(grid()->currentCol(), col);
    ASSERT_TRUE(heard);
    // Grid row 1 is the table's row 0; in the comments view the table's columns are the grid's.
    EXPECT_EQ(*heard, std::make_pair(row - 1, col));
    const AccessibilityEvents::Event said = gridFocus().back();
    EXPECT_EQ(said.name, cell(row, col).trimmed());
    EXPECT_EQ(said.description, cell(0, col).trimmed() + ", " + name(row));
}

INSTANTIATE_TEST_SUITE_P(
    Moves, ScreenReader,
    ::testing::Values(
        MoveCase{"DownArrow", [](ScreenReaderBase& t) { t.press(Qt::Key_Down); }, std::pair{2, 3}},
        MoveCase{"RightArrow", [](ScreenReaderBase& t) { t.press(Qt::Key_Right); }, std::pair{1, 4}},
        MoveCase{"EndOfTheRow", [](ScreenReaderBase& t) { t.press(Qt::Key_End); }, std::pair{1, 8}},
        MoveCase{"Click", [](ScreenReaderBase& t) { t.clickCell(5, 6); }, std::pair{5, 6}},
        // Enter stores the mark and goes on to the next student, from the mark box back to the grid.
        MoveCase{"MarkStored", [](ScreenReaderBase& t) { t.typeMark("77"); }, std::pair{2, 3}},
        // Moves made while the keyboard is elsewhere are not the teacher's: nothing is said.
        MoveCase{"KeyboardElsewhere",
                 [](ScreenReaderBase& t) {
                     t.favouritesList()->setFocus();
                     t.grid()->setCurrent(6, 3);
                 },
                 std::nullopt}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

struct ChangeCase {
    const char* name;
    std::function<void(ScreenReaderBase&)> act;
    std::function<QStringList(const ScreenReaderBase&)> heard; // each said by some event
    std::function<QStringList(const ScreenReaderBase&)> unheard = {}; // none said by any event
};

class ScreenReaderOfChanges : public ScreenReaderBase, public ::testing::WithParamInterface<ChangeCase> {};

// The keyboard comes to the grid from another control or window, as `reason` says: the cell is said.
ChangeCase arrivingInTheGrid(const char* name, Qt::FocusReason reason)
{
    return {name,
            [reason](ScreenReaderBase& t) {
                t.favouritesList()->setFocus();
                t.grid()->setFocus(reason);
            },
            [](const ScreenReaderBase& t) { return QStringList{"MRK " + t.cell(1, 3) + ", " + t.name(1) + "."}; }};
}

TEST_P(ScreenReaderOfChanges, HearsTheNewValueAndTheStudent)
{
    GetParam().act(*this);
    // What is announced is said once the key is done; a confirmation once the action is through.
    for (int pass = 0; pass < 3; ++pass)
        QApplication::processEvents();
    const QString said = accessibility.said();
    for (const QString& words : GetParam().heard(*this))
        EXPECT_TRUE(said.contains(words)) << "not said: " << words.toStdString() << "\nsaid: " << said.toStdString();
    if (GetParam().unheard) {
        for (const QString& words : GetParam().unheard(*this)) {
            EXPECT_FALSE(said.contains(words)) << "said: " << words.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ScreenReaderOfChanges,
    ::testing::Values(
        ChangeCase{"MarkBoxOpens", [](ScreenReaderBase& t) { t.press(Qt::Key_7, "7"); },
                   [](const ScreenReaderBase& t) { return QStringList{"Mark for " + t.name(1)}; }},
        ChangeCase{"MarkStored", [](ScreenReaderBase& t) { t.typeMark("75"); },
                   [](const ScreenReaderBase& t) {
                       return QStringList{"Mark 75 stored for " + t.name(1) + ". Next: " + t.name(2) + "."};
                   }},
        ChangeCase{"CodeBoxOpens",
                   [](ScreenReaderBase& t) {
                       t.grid()->setCurrent(2, 5);
                       t.press(Qt::Key_0, "0");
                   },
                   [](const ScreenReaderBase& t) { return QStringList{"Comment code, CM2, " + t.name(2)}; }},
        ChangeCase{"CodePlaced",
                   [](ScreenReaderBase& t) {
                       t.grid()->setCurrent(2, 5);
                       t.typeMark("0701");
                   },
                   [](const ScreenReaderBase& t) { return QStringList{"CM2 0701, " + t.name(2) + "."}; }},
        ChangeCase{"Rating",
                   [](ScreenReaderBase& t) {
                       t.window->cmdSwitch_Click();
                       t.grid()->setCurrent(2, 9);
                       t.press(Qt::Key_2, "2");
                   },
                   [](const ScreenReaderBase& t) { return QStringList{"R 2, " + t.name(2) + "."}; }},
        ChangeCase{"DeleteAndFlag",
                   [](ScreenReaderBase& t) {
                       t.window->cmdSwitch_Click();
                       t.grid()->setCurrent(2, 10);
                       t.press(Qt::Key_Delete, QString(QChar(0x7f)));
                       QApplication::processEvents();
                       t.grid()->setCurrent(2, 15);
                       t.press(Qt::Key_Space, " ");
                   },
                   [](const ScreenReaderBase& t) {
                       return QStringList{"O empty, " + t.name(2) + ".", "P Y, " + t.name(2) + "."};
                   }},
        ChangeCase{"ViewSwitched",
                   [](ScreenReaderBase& t) {
                       t.grid()->setCurrent(2, 6);
                       QTest::keyClick(t.grid(), Qt::Key_L, Qt::ControlModifier);
                   },
                   [](const ScreenReaderBase& t) {
                       return QStringList{"Learning skills view. MRK " + t.cell(2, 3) + ", " + t.name(2) + "."};
                   }},
        // A drop-down list says the teacher's choice, then what it re-counted, and Apply going grey.
        ChangeCase{"DropDownChoiceAndTheNewCounts",
                   [](ScreenReaderBase& t) {
                       t.dialogs.answerOpenFile(QString::fromStdString(dataFile("markbook/platform-grades.csv")));
                       t.menu("mnuImportMarks")->trigger();
                       auto* dialog = t.window->findChild<frmImportMarks*>();
                       ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->ready(); }, 10000));
                       comesUp(dialog);
                       auto* column = controlOf<QComboBox>(dialog, "cmbMarkColumn");
                       column->setFocus();
                       QTest::keyClick(column, Qt::Key_Home);
                   },
                   [](const ScreenReaderBase&) {
                       return QStringList{"(none). 28 students: 0 marks change", "values refused. Apply is unavailable."};
                   }},
        // Ctrl+Left from one misspelt word onto the one before it: each is said with its finding.
        ChangeCase{"CaretOnTwoMisspeltWords",
                   [](ScreenReaderBase& t) {
                       QPlainTextEdit* box = t.freeFormText("Layla wrtes thngs well.", 18);
                       ASSERT_TRUE(box);
                       QTest::keyClick(box, Qt::Key_Left, Qt::ControlModifier);
                       QTest::keyClick(box, Qt::Key_Left, Qt::ControlModifier);
                   },
                   [](const ScreenReaderBase&) { return QStringList{"thngs, misspelt", "wrtes, misspelt"}; }},
        arrivingInTheGrid("ArrivingInTheGrid", Qt::TabFocusReason),
        arrivingInTheGrid("ArrivingByShiftTab", Qt::BacktabFocusReason),
        // Back from a working window, the program gives the grid the keyboard and says the cell.
        ChangeCase{"ArrivingFromAnotherWindow",
                   [](ScreenReaderBase& t) {
                       t.favouritesList()->setFocus();
                       t.window->showAfterWorkingWindow();
                   },
                   [](const ScreenReaderBase& t) { return QStringList{"MRK " + t.cell(1, 3) + ", " + t.name(1) + "."}; }},
        // The window coming back to the front (a message box closed) is read by the screen reader
        // itself: no words of ours come with it.
        ChangeCase{"WindowComesBack",
                   [](ScreenReaderBase& t) {
                       QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
                       QApplication::sendEvent(t.grid(), &back);
                   },
                   [](const ScreenReaderBase&) { return QStringList(); },
                   [](const ScreenReaderBase& t) { return QStringList{"MRK " + t.cell(1, 3) + ", " + t.name(1) + "."}; }},
        // Reaching a list says the item the arrows start from, and Down goes on to the next one.
        ChangeCase{"ArrivingInAList",
                   [](ScreenReaderBase& t) {
                       t.favouritesList()->showLines({"0701 first of the list", "0702 second of the list"});
                       t.favouritesList()->setFocus(Qt::TabFocusReason);
                       QApplication::processEvents();
                       QTest::keyClick(t.favouritesList(), Qt::Key_Down);
                   },
                   [](const ScreenReaderBase&) {
                       return QStringList{"0701 first of the list", "0702 second of the list"};
                   }},
        // Confirmations of what leaves no cell to read, each after its action.
        ChangeCase{"UndoneAndRedone",
                   [](ScreenReaderBase& t) {
                       t.typeMark("75");
                       QTest::keyClick(t.grid(), Qt::Key_Z, Qt::ControlModifier);
                       QApplication::processEvents();
                       QTest::keyClick(t.grid(), Qt::Key_Y, Qt::ControlModifier);
                   },
                   [](const ScreenReaderBase& t) {
                       return QStringList{"Undone: a mark for " + t.name(1) + ".", "Redone: a mark for " + t.name(1) + "."};
                   }},
        ChangeCase{"PastedMarksStoredAndUndone",
                   [](ScreenReaderBase& t) {
                       QGuiApplication::clipboard()->setText(QStringLiteral("70\n71\n"));
                       t.menu("mnuPasteMarks")->trigger();
                       auto* dialog = t.window->findChild<frmImportMarks*>();
                       ASSERT_TRUE(dialog);
                       dialog->findChild<QPushButton*>(QStringLiteral("cmdApply"))->click();
                       QApplication::processEvents();
                       comesUp(t.window.get());
                       t.grid()->setFocus();
                       QTest::keyClick(t.grid(), Qt::Key_Z, Qt::ControlModifier);
                   },
                   [](const ScreenReaderBase&) {
                       return QStringList{"2 marks stored. Ctrl+Z takes them back.", "Undone: 2 pasted marks."};
                   }},
        ChangeCase{"Saved",
                   [](ScreenReaderBase& t) {
                       t.dialogs.answerSaveFile(QString::fromStdString(t.root.file("home/MyClass.tqc")));
                       QTest::keyClick(t.grid(), Qt::Key_S, Qt::ControlModifier);
                   },
                   [](const ScreenReaderBase&) { return QStringList{"Saved as MyClass.tqc."}; }},
        ChangeCase{"FreeFormStored",
                   [](ScreenReaderBase& t) {
                       t.grid()->setCurrent(3, 3);
                       QTest::keyClick(t.grid(), Qt::Key_F2);
                       auto* dialog = t.window->findChild<QDialog*>(QStringLiteral("frmFreeFormCommentEntry"));
                       ASSERT_TRUE(dialog);
                       dialog->findChild<QPlainTextEdit*>(QStringLiteral("txtComment"))->setPlainText("Reads widely.");
                       dialog->findChild<QPushButton*>(QStringLiteral("cmdOkay"))->click();
                   },
                   [](const ScreenReaderBase& t) { return QStringList{"Free-form comment stored for " + t.name(3) + "."}; }},
        // Cancel on a student of coded comments removes nothing, and nothing is said removed.
        ChangeCase{"FreeFormCancelledOverCodes",
                   [](ScreenReaderBase& t) {
                       t.grid()->setCurrent(3, 3);
                       QTest::keyClick(t.grid(), Qt::Key_F2);
                       auto* dialog = t.window->findChild<QDialog*>(QStringLiteral("frmFreeFormCommentEntry"));
                       ASSERT_TRUE(dialog);
                       dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
                   },
                   [](const ScreenReaderBase&) { return QStringList(); },
                   [](const ScreenReaderBase& t) { return QStringList{"Free-form comment removed for " + t.name(3)}; }}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

// Typing on at the limit is dropped: that the comment is full is said as it becomes full, not on
// every key after it, and again once it has gone below the limit and is full again.
TEST_F(ScreenReaderBase, AFullFreeFormCommentIsSaidOnceEachTimeItBecomesFull)
{
    QPlainTextEdit* box = freeFormText(QString(459, QLatin1Char('x')), 459);
    ASSERT_TRUE(box);
    accessibility.clear();
    for (const int key : {Qt::Key_Y, Qt::Key_Z, Qt::Key_Z, Qt::Key_Backspace, Qt::Key_Y, Qt::Key_Z})
        QTest::keyClick(box, static_cast<Qt::Key>(key));
    int said = 0;
    for (const AccessibilityEvents::Event& shown : accessibility.of(QAccessible::ObjectShow))
        said += shown.name == "The comment is full: 460 characters.";
    EXPECT_EQ(said, 2);
    EXPECT_EQ(box->toPlainText().size(), 460);
}

// An empty main window's grid says so, not an empty cell of nobody.
TEST_F(EntryTest, TheGridWithoutAClassSaysNoClassIsOpen)
{
    startActive();
    AccessibilityEvents accessibility;
    favouritesList()->setFocus();
    grid()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(accessibility.said().contains("No class is open")) << accessibility.said().toStdString();
}

TEST_F(EntryTest, TheOverLongCommentWarningIsAnnouncedAsItComesUp)
{
    startActive();
    openClass(sampleClassCopy());
    AccessibilityEvents accessibility;
    auto* warning = mainControl<QFrame>("fraCommentWarning");
    auto* words = mainControl<QLabel>("lblCommentWarning");
    // Down the mark column and back up: each time the warning comes up it is announced once,
    // however long it stays up.
    std::vector<int> rows;
    for (int row = 1; row <= state.studentCount(); ++row)
        rows.push_back(row);
    for (int row = state.studentCount(); row >= 1; --row)
        rows.push_back(row);
    int comings = 0;
    for (const int row : rows) {
        const bool wasUp = !warning->isHidden();
        grid()->setCurrent(row, 3);
        comings += !wasUp && !warning->isHidden();
        ASSERT_EQ(accessibility.of(QAccessible::Alert).size(), static_cast<size_t>(comings)) << "row " << row;
    }
    ASSERT_GT(comings, 1);
    for (const AccessibilityEvents::Event& alert : accessibility.of(QAccessible::Alert)) {
        EXPECT_EQ(alert.object.data(), static_cast<QObject*>(words));
        EXPECT_TRUE(alert.name.startsWith("TQ8A: Trillium Comment Length Exceeded")) << alert.name.toStdString();
    }
}

} // namespace
