// Marks from a markbook file and from the clipboard: the preview first, Apply as one undo step.
#include "EntryFixture.h"

#include "gui/markbook/frmImportMarks.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace tq;
using namespace tq::test;

namespace {
frmImportMarks* importWindow(frmEntry& window)
{
    auto* dialog = window.findChild<frmImportMarks*>();
    // The file is read on a thread of its own.
    if (dialog && !QTest::qWaitFor([dialog] { return dialog->ready(); }, 10000))
        return nullptr;
    return dialog;
}
} // namespace

TEST_F(EntryTest, ImportedMarksArePreviewedThenAppliedAndUndoneAsOneStep)
{
    startActive();
    openClass(sampleClassCopy());
    const ClassList before = state.students;
    const size_t undoBefore = undoCount();
    dialogs.answerOpenFile(QString::fromStdString(dataFile("markbook/platform-grades.csv")));
    menu("mnuImportMarks")->trigger();
    frmImportMarks* dialog = importWindow(*window);
    ASSERT_TRUE(dialog);
    auto* preview = controlOf<QTableWidget>(dialog, "tblPreview");
    ASSERT_EQ(preview->rowCount(), 28);
    EXPECT_EQ(preview->item(0, 0)->text(), "Ahmed, Layla");
    EXPECT_EQ(preview->item(0, 1)->text(), "89");
    EXPECT_EQ(preview->item(0, 2)->text(), QString::fromUtf8("36.75 / 50 \u2192 74"));
    EXPECT_EQ(preview->item(0, 3)->text(), "2");
    // A screen reader hears each cell with what it is.
    QAccessibleTableInterface* read = QAccessible::queryAccessibleInterface(preview)->tableInterface();
    EXPECT_EQ(read->cellAt(0, 1)->text(QAccessible::Name), "old mark 89");
    EXPECT_EQ(read->cellAt(0, 3)->text(QAccessible::Name), "row 2");
    EXPECT_EQ(controlOf<QLabel>(dialog, "lblCounts")->text(),
              "28 students: 26 marks change, 0 students without a row. 0 rows match no student, "
              "0 ambiguous rows, 0 values refused.");
    EXPECT_EQ(state.students, before); // nothing is stored before Apply

    controlOf<QPushButton>(dialog, "cmdApply")->click();
    settle();
    EXPECT_EQ(student(1).mark, "74");
    EXPECT_EQ(cell(1, 3), "74");
    EXPECT_EQ(undoCount(), undoBefore + 1);
    const ClassList imported = state.students;
    menu("mnuUndo")->trigger();
    EXPECT_EQ(state.students, before);
    EXPECT_EQ(cell(1, 3), "89");
    // Redo puts the import back whole; Ctrl+Z takes it back again.
    comesUp(window.get());
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(state.students, imported);
    EXPECT_EQ(cell(1, 3), "74");
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.students, before);
    EXPECT_TRUE(menu("mnuRedo")->isEnabled());

    // The grid copied for a spreadsheet carries HTML beside the text, with the IDs as text.
    menu("mnuCopyGrid")->trigger();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().startsWith("Student ID\tLAST"));
    EXPECT_TRUE(copied->html().contains(QString::fromUtf8("sdnum=\"1033;0;@\" style=\"mso-number-format:'\\@'\">") +
                                        QString::fromLatin1(cell(1, 0).toLatin1())));

    // Lines pasted with the cursor on the mark of the last student but one.
    const auto paste = [this](const QString& lines) {
        grid()->setCurrent(27, 3);
        QGuiApplication::clipboard()->setText(lines);
        menu("mnuPasteMarks")->trigger();
        return importWindow(*window);
    };
    // A column pasted into the mark column goes down from the current student; lines beyond the
    // class are listed. Cancel stores nothing.
    dialog = paste(QStringLiteral("70\n71\n72\n"));
    ASSERT_TRUE(dialog);
    preview = controlOf<QTableWidget>(dialog, "tblPreview");
    EXPECT_EQ(preview->item(27, 2)->text(), "71");
    EXPECT_EQ(preview->currentRow(), 26); // the preview opens on the first pasted student
    auto* problems = controlOf<QTableWidget>(dialog, "tblProblems");
    ASSERT_EQ(problems->rowCount(), 1);
    EXPECT_EQ(problems->item(0, 2)->text(), "beyond the last student");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(problems)->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
              "row 3");
    controlOf<QPushButton>(dialog, "cmdCancel")->click();
    settle();
    EXPECT_EQ(state.students, before);

    // Pasted lines that hold student numbers match by them, not by where the cursor stands.
    dialog = paste(QStringLiteral("316208659\t66\n"));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(controlOf<QTableWidget>(dialog, "tblPreview")->item(0, 2)->text(), "66");
    controlOf<QPushButton>(dialog, "cmdCancel")->click();
    settle();
}

TEST_F(EntryTest, TeachersMarkbooksOpenOnTheClassSheetBelowTheirHeadings)
{
    startActive();
    openClass(sampleClassCopy());
    struct Case {
        const char* file;
        const char* sheet;
        int headingRow;
    };
    const Case cases[] = {{"title-rows.xlsx", "ENG2D1-01", 3}, {"three-sheets.xlsx", "ENG2D1-01", 1},
                          {"letter-grades.ods", "Grades", 1},  {"typed-names.xlsx", "Typed", 1},
                          {"empty-lines.csv", "empty-lines", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        dialogs.answerOpenFile(QString::fromStdString(dataFile(std::string("markbook/") + c.file)));
        menu("mnuImportMarks")->trigger();
        frmImportMarks* dialog = importWindow(*window);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(controlOf<QComboBox>(dialog, "cmbSheet")->currentText(), c.sheet);
        auto* headingRow = controlOf<QSpinBox>(dialog, "spnHeadingRow");
        EXPECT_EQ(headingRow->value(), c.headingRow);
        auto* preview = controlOf<QTableWidget>(dialog, "tblPreview");
        EXPECT_EQ(preview->item(0, 2)->text(), "91"); // Ahmed, Layla
        EXPECT_EQ(preview->item(4, 2)->text(), "72"); // Bélanger, Amira
        EXPECT_EQ(dialog->plan().changeCount(), 19); // eight marks as they were, one empty
        if (c.headingRow == 3) {
            // Headings taken from another row: the columns are proposed again below it.
            headingRow->setValue(2);
            EXPECT_EQ(controlOf<QComboBox>(dialog, "cmbMarkColumn")->currentText(), "I: Final");
            headingRow->setValue(3);
            EXPECT_EQ(controlOf<QComboBox>(dialog, "cmbMarkColumn")->currentText(), "K: Final Mark");
        }
        controlOf<QPushButton>(dialog, "cmdCancel")->click();
        settle();
    }
}
