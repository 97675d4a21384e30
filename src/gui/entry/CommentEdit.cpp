#include "gui/entry/CommentEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

namespace tq {

CommentEdit::CommentEdit(QWidget* parent) : QPlainTextEdit(parent) {}

void CommentEdit::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Mouse)
        emit wordMenuRequested(cursorForPosition(event->pos()), event->globalPos());
    else
        requestAtCaret();
}

void CommentEdit::keyPressEvent(QKeyEvent* event)
{
    // Where the desktop makes no menu event of these keys itself.
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        event->accept();
        requestAtCaret();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CommentEdit::requestAtCaret()
{
    emit wordMenuRequested(textCursor(), viewport()->mapToGlobal(cursorRect().bottomLeft()));
}

} // namespace tq
