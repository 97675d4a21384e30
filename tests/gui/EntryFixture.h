#pragma once
// The main window with helpers to enter a class the way a teacher does: clicking grid cells
// with either button and typing keys into whatever has the focus.
#include "MainWindowFixture.h"
#include "WindowComesUp.h"

#include "core/classdata/ClassFile.h"
#include "core/entry/UndoStack.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/widgets/FavouritesList.h"
#include "support/NewStudents.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace tq::test {

class EntryTest : public MainWindowTest {
protected:

    // Starts the main window as the active window, so that the keyboard focus is real.
    void startActive(const std::string& favourites = "")
    {
        start(favourites);
        comesUp(window.get());
    }

    // Opens a class of `n` new students (no marks, no comments, every skill "3").
    void openNewClass(int n)
    {
        ASSERT_TRUE(saveClassFile(root.file("home/new.tqc"), newStudents(n)));
        if (state.studentCount() > 0)
            dialogs.answerQuestion(false);
        openClass(root.file("home/new.tqc"));
        ASSERT_EQ(state.studentCount(), n);
    }

    // A click with `button` in the middle of cell (row, col), scrolled into sight first.
    void clickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton)
    {
        if (grid()->cellRect(row, col).isEmpty() && row >= grid()->fixedRows())
            grid()->setTopRow(row);
        const QRect rect = grid()->cellRect(row, col);
        ASSERT_FALSE(rect.isEmpty()) << "cell " << row << "," << col << " is not on show";
        QTest::mouseClick(grid()->viewport(), button, {}, grid()->viewport()->mapFrom(grid(), rect.center()));
    }

    // Where the keyboard types: the mark box while it is open, the grid otherwise.
    QWidget* keyboardTarget() const
    {
        return markBox()->isVisible() ? static_cast<QWidget*>(markBox()) : grid();
    }

    // One key stroke: the press goes to what has the focus, the release to what has it then
    // (a key press in the grid opens the box, which receives the release).
    void key(int qtKey, const QString& text = {}, Qt::KeyboardModifiers modifiers = {})
    {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
        QApplication::sendEvent(keyboardTarget(), &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
        QApplication::sendEvent(keyboardTarget(), &release);
    }

    // Types a mark's characters and Enter.
    void typeMark(const std::string& mark)
    {
        for (char ch : mark) {
            const int qtKey = ch >= 'a' && ch <= 'z' ? ch - 'a' + Qt::Key_A : static_cast<int>(ch);
            key(qtKey, QString(QChar(ch)));
        }
        key(Qt::Key_Return, QStringLiteral("\r"));
    }

    void chooseFavourite(const std::string& code)
    {
        for (int i = 0; i < favouritesList()->count(); ++i)
            if (favouritesList()->item(i)->text().startsWith(QString::fromStdString(code))) {
                favouritesList()->setCurrentRow(i);
                return;
            }
        FAIL() << "no favourite " << code;
    }

    // Clicks the details panel and returns the free-form dialog it opened.
    frmFreeFormCommentEntry* openDialog()
    {
        auto* details = mainControl<QLabel>("lblFreeFormComment");
        QTest::mouseClick(details, Qt::LeftButton, {}, details->rect().center());
        auto* dialog = window->findChild<frmFreeFormCommentEntry*>();
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }

    const StudentRecord& student(int row) const { return state.students[static_cast<size_t>(row - 1)]; }
    size_t undoCount() const { return window->undoStack().size(); }
    bool undoEnabled() const { return toolButton("cmdUndo")->isEnabled() && menu("mnuUndo")->isEnabled(); }
};

} // namespace tq::test
