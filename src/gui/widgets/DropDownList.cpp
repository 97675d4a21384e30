#include "gui/widgets/DropDownList.h"

#include "gui/widgets/ScreenReaderAnnouncement.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPointer>

namespace tq::ui {

namespace {
class DropDownAccessible : public QAccessibleWidget {
public:
    explicit DropDownAccessible(DropDownList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return list()->spokenName();
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }
    // The caption is said in the name; as a label as well, it would be said instead of the name.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found = QAccessibleWidget::relations(match);
        found.removeIf([](const auto& r) { return r.second & QAccessible::Label; });
        return found;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    DropDownList* list() const { return static_cast<DropDownList*>(widget()); }
};

QAccessibleInterface* dropDownInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(DropDownList::staticMetaObject.className()))
        return new DropDownAccessible(static_cast<DropDownList*>(object));
    return nullptr;
}

// The words of the choice being said, and of what it brought about, gathered while the key that
// made it is handled and said together once it is done.
struct ChoiceWords {
    QPointer<QWidget> window;
    QStringList words;
    bool posted = false;
};

ChoiceWords& pending()
{
    static ChoiceWords words;
    return words;
}

void sayPending()
{
    ChoiceWords& p = pending();
    p.posted = false;
    QStringList sentences;
    for (const QString& w : p.words)
        sentences << (w.endsWith(QLatin1Char('.')) ? w : w + QLatin1Char('.'));
    if (p.window)
        notify(p.window, sentences.join(QLatin1Char(' ')));
    p.window = nullptr;
    p.words.clear();
}

QString captionOf(const QWidget* control)
{
    QString words = control->accessibleName();
    if (words.isEmpty())
        for (const QLabel* label : control->window()->findChildren<QLabel*>())
            if (label->buddy() == control) {
                words = label->text();
                break;
            }
    words = words.remove(QLatin1Char('&')).simplified();
    while (words.endsWith(QLatin1Char(':')))
        words.chop(1);
    return words;
}
} // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(dropDownInterface);
        return true;
    }();
    (void)installed;
    // Connected first, so the choice is said before what the window does about it.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { choiceMade(); });
}

QString DropDownList::spokenName() const
{
    const QString choice = currentIndex() < 0 ? placeholderText() : currentText();
    const QString caption = captionOf(this);
    if (caption.isEmpty() || choice.isEmpty())
        return caption.isEmpty() ? choice : caption;
    return caption + QStringLiteral(", ") + choice;
}

void DropDownList::choiceMade()
{
    // Only the teacher's choices: the lists a window fills or sets as it goes stay quiet.
    if (!hasFocus() && !view()->isVisible())
        return;
    ChoiceWords& p = pending();
    p.window = window();
    p.words = QStringList{currentText()};
    if (!p.posted) {
        p.posted = true;
        QMetaObject::invokeMethod(qApp, &sayPending, Qt::QueuedConnection);
    }
}

void sayAfterChoice(QWidget* inWindow, const QString& words)
{
    ChoiceWords& p = pending();
    if (p.posted && p.window == inWindow->window())
        p.words << words;
    else
        notify(inWindow, words);
}

} // namespace tq::ui
