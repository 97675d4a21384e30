#pragma once
// The text box of a free-form comment: asks for the menu of a word, at the word under the mouse
// (right click) or at the caret (the Menu key, Shift+F10), so the spelling suggestions are in
// reach without a mouse.
#include <QPlainTextEdit>

namespace tq {

class CommentEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CommentEdit(QWidget* parent = nullptr);

signals:
    // The menu of the word at `at` is wanted, shown at `globalPos`.
    void wordMenuRequested(const QTextCursor& at, const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void requestAtCaret();
};

} // namespace tq
