// Marks from a markbook file and from the clipboard: the preview first, Apply as one undo step.
#include "EntryFixture.h"

#include "gui/markbook/frmImportMarks.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
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

    // A column pasted into the mark column goes down from the current student; lines beyond the
    // class are listed. Cancel stores nothing.
    grid()->setCurrent(27, 3);
    QGuiApplication::clipboard()->setText(QStringLiteral("70\n71\n72\n"));
    menu("mnuPasteMarks")->trigger();
    dialog = importWindow(*window);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(controlOf<QTableWidget>(dialog, "tblPreview")->item(27, 2)->text(), "71");
    auto* problems = controlOf<QTableWidget>(dialog, "tblProblems");
    ASSERT_EQ(problems->rowCount(), 1);
    EXPECT_EQ(problems->item(0, 2)->text(), "beyond the last student");
    controlOf<QPushButton>(dialog, "cmdCancel")->click();
    settle();
    EXPECT_EQ(state.students, before);
}
