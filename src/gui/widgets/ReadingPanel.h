#pragma once
// A panel that shows its fields on screen in columns and that a screen reader reads as one
// read-only text, a field a line. It is a stop of the Tab order and shows when it has the
// keyboard; the arrow keys move a caret through the text (Up and Down by line, Left and Right by
// character, Home and End to the ends of the line, Ctrl+Home and Ctrl+End to the ends of the
// text), and the reader says the line or character the caret comes to.
//
// And the read-only texts of other windows (a report, the help) read the same way: by a caret
// the arrow keys move, rather than only by scrolling.
#include "gui/widgets/FocusRing.h"

#include <QFrame>
#include <QStringList>

namespace tq::ui {

class ReadingPanel : public QFrame {
    Q_OBJECT

public:
    ReadingPanel(QWidget* parent, const QString& accessibleName);

    // The text the reader reads; the caret goes back to its start.
    void setReadingLines(const QStringList& lines);
    const QString& readingText() const { return text_; }
    int caret() const { return caret_; }
    void setCaret(int offset);

signals:
    // Enter or Space while the panel has the keyboard.
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int lineStart(int offset) const;
    int lineEnd(int offset) const;

    QString text_;
    int caret_ = 0;
};

// A read-only QPlainTextEdit or QTextEdit: reached by Tab, its focus shown by a ring, its caret
// moved by the arrow keys (a screen reader reads the line the caret comes to).
template <typename TextView>
void readByCaret(TextView* view)
{
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setFocusPolicy(Qt::StrongFocus);
    showFocusRing(view);
}

} // namespace tq::ui
