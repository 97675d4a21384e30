#include "gui/widgets/ReadingPanel.h"

#include "gui/widgets/FocusRing.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>

namespace tq::ui {

namespace {
// The panel as a screen reader sees it: a read-only text of several lines, its labels no
// objects of their own (read apart, they would mix the columns).
class ReadingPanelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadingPanelAccessible(ReadingPanel* panel) : QAccessibleWidget(panel, QAccessible::EditableText) {}

    ReadingPanel* panel() const { return static_cast<ReadingPanel*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    // No selection: the caret alone moves.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    int cursorPosition() const override { return panel()->caret(); }
    void setCursorPosition(int position) override { panel()->setCaret(position); }
    QString text(int start, int end) const override
    {
        const QString& all = panel()->readingText();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(panel()->readingText().size()); }
    // The lines are not where their words stand on screen: the whole panel stands for each.
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return panel()->caret(); }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

QAccessibleInterface* readingPanelInterface(const QString&, QObject* object)
{
    if (auto* panel = qobject_cast<ReadingPanel*>(object))
        return new ReadingPanelAccessible(panel);
    return nullptr;
}
} // namespace

ReadingPanel::ReadingPanel(QWidget* parent, const QString& accessibleName) : QFrame(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(readingPanelInterface);
        return true;
    }();
    (void)installed;
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    showFocusRing(this);
}

void ReadingPanel::setReadingLines(const QStringList& lines)
{
    const QString old = text_;
    text_ = lines.join(QLatin1Char('\n'));
    caret_ = 0;
    if (QAccessible::isActive() && old != text_) {
        QAccessibleTextUpdateEvent update(this, 0, old, text_);
        QAccessible::updateAccessibility(&update);
    }
}

void ReadingPanel::setCaret(int offset)
{
    caret_ = std::clamp(offset, 0, static_cast<int>(text_.size()));
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent moved(this, caret_);
        QAccessible::updateAccessibility(&moved);
    }
}

int ReadingPanel::lineStart(int offset) const
{
    return offset <= 0 ? 0 : static_cast<int>(text_.lastIndexOf(QLatin1Char('\n'), offset - 1)) + 1;
}

int ReadingPanel::lineEnd(int offset) const
{
    const auto end = text_.indexOf(QLatin1Char('\n'), offset);
    return end < 0 ? static_cast<int>(text_.size()) : static_cast<int>(end);
}

void ReadingPanel::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int start = lineStart(caret_);
    switch (event->key()) {
    case Qt::Key_Up: setCaret(start == 0 ? 0 : lineStart(start - 1)); break;
    case Qt::Key_Down: setCaret(lineEnd(caret_) < text_.size() ? lineEnd(caret_) + 1 : caret_); break;
    case Qt::Key_Left: setCaret(caret_ - 1); break;
    case Qt::Key_Right: setCaret(caret_ + 1); break;
    case Qt::Key_Home: setCaret(ctrl ? 0 : start); break;
    case Qt::Key_End: setCaret(ctrl ? static_cast<int>(text_.size()) : lineEnd(caret_)); break;
    case Qt::Key_PageUp: setCaret(0); break;
    case Qt::Key_PageDown: setCaret(lineStart(static_cast<int>(text_.size()))); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit activated(); break;
    default: QFrame::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace tq::ui
