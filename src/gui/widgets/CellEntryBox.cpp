#include "gui/widgets/CellEntryBox.h"

#include "core/entry/CellKeys.h"
#include "core/entry/MarkEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/ClassGridAccessibility.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/EventHook.h"
#include "gui/widgets/NamedControls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace tq {

namespace {
MarkKey markKeyOf(int qtKey)
{
    if (qtKey == Qt::Key_I)
        return MarkKey::LetterI;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) // the keypad's digits carry the same key codes
        return MarkKey::Digit;
    if (qtKey == Qt::Key_Shift)
        return MarkKey::Shift;
    return MarkKey::Other;
}
} // namespace

CellEntryBox::CellEntryBox(ui::ClassGrid& grid) : QObject(&grid), grid_(grid)
{
    // The box lies on the grid's cell area: showing or hiding it there lays nothing else out again.
    txtDataEntry = ui::named(new QLineEdit(grid.viewport()), "txtDataEntry");
    txtDataEntry->hide();
    txtDataEntry->setAccessibleName(QStringLiteral("Mark"));
    // A thin border in the highlight colour tells the teacher the cell is being typed into.
    txtDataEntry->setFrame(false);
    txtDataEntry->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(highlight); border-radius: 0; "
                                               "padding: 0 1px; background: palette(base); }"));
    txtDataEntry->setFont(grid.font());
    new ui::EventHook(txtDataEntry, [this](QEvent* e) {
        // Escape is the box's own while it is open, before the window's Escape (which leaves it).
        if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            e->accept();
            return true;
        }
        // So are the undo and redo keys: the window's Undo and Redo would change the class under
        // the box. They act on what is typed.
        if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
            const QKeyCombination pressed = static_cast<QKeyEvent*>(e)->keyCombination();
            const bool undo = pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
            const bool redo = pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
                              pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
            if (undo || redo) {
                e->accept();
                if (e->type() == QEvent::KeyPress)
                    undo ? txtDataEntry->undo() : txtDataEntry->redo();
                return true;
            }
        }
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return false;
        const int qtKey = static_cast<QKeyEvent*>(e)->key();
        if (e->type() == QEvent::KeyRelease) {
            if (txtDataEntry->isVisible())
                keyReleased(qtKey);
            return false;
        }
        if (qtKey == Qt::Key_Escape) {
            // Escape takes back what was typed, and goes no further: the window under the box
            // may take Escape as its way back.
            close();
            return true;
        }
        if (qtKey != Qt::Key_Return && qtKey != Qt::Key_Enter)
            return false; // typed into the box as usual
        // Enter stores the mark and goes no further: passed on to the grid below, it would open
        // the box again.
        emit enterPressed();
        return true;
    });
    // The box follows its cell when the grid scrolls.
    for (QScrollBar* bar : {grid.verticalScrollBar(), grid.horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (txtDataEntry->isVisible())
                place();
        });
}

void CellEntryBox::open(const std::string& text, Holds holds)
{
    holds_ = holds;
    // A screen reader says what the box takes, and for whom: "Mark for Ahmed Nadia",
    // "Comment code, CM2, Ahmed Nadia".
    const int row = grid_.currentRow();
    txtDataEntry->setAccessibleName(holds == Holds::Mark
                                        ? QStringLiteral("Mark for ") + grid_.rowName(row)
                                        : QStringLiteral("Comment code, ") + ui::columnHeading(grid_, grid_.currentCol()) +
                                              QStringLiteral(", ") + grid_.rowName(row));
    // Focused before it takes the first key's text: a screen reader that hears the caret move into
    // the box first takes the box's focus for one it already has, and says nothing of it.
    txtDataEntry->clear();
    place();
    txtDataEntry->show();
    txtDataEntry->setFocus(Qt::OtherFocusReason);
    txtDataEntry->setText(ui::fromCp1252(text));
}

void CellEntryBox::place()
{
    const QRect cell = grid_.currentCellRect();
    if (cell.isEmpty()) {
        close(); // the mark cell has scrolled out of sight: nothing is stored
        return;
    }
    txtDataEntry->setGeometry(cell.translated(-grid_.viewport()->pos()));
    txtDataEntry->raise();
}

void CellEntryBox::close()
{
    // The grid takes the keyboard back first: a focused box that is hidden hands the focus to the
    // next control in tab order (the Comments/Skills button), where Space or Enter would press it.
    // So also when a dialog has the keyboard now (the box is closed at its Yes): the window gives
    // the keyboard back to the control it last had focused, which must not be the hidden box.
    if (txtDataEntry->hasFocus() || txtDataEntry->window()->focusWidget() == txtDataEntry)
        grid_.setFocus(Qt::OtherFocusReason);
    txtDataEntry->hide();
}

bool CellEntryBox::isOpen() const
{
    return txtDataEntry->isVisible();
}

std::string CellEntryBox::text() const
{
    return ui::toCp1252(txtDataEntry->text());
}

void CellEntryBox::keyReleased(int qtKey)
{
    const std::string typed = text();
    const std::string filtered =
        holds_ == Holds::Mark ? filterMarkText(typed, markKeyOf(qtKey)) : filterCodeText(typed);
    if (filtered != typed)
        txtDataEntry->setText(ui::fromCp1252(filtered)); // the caret goes to the end
}

} // namespace tq
