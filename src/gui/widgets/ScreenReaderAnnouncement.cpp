#include "gui/widgets/ScreenReaderAnnouncement.h"

#include "gui/widgets/ClassGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QLabel>

namespace tq::ui {

namespace {
// The notification of a window: a one-pixel label in its corner that shows nothing and takes no
// focus, read as a notification whose name is its text.
class NotificationLabel : public QLabel {
    Q_OBJECT
public:
    explicit NotificationLabel(QWidget* window) : QLabel(window)
    {
        setObjectName(QStringLiteral("lblNotification"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
    }

protected:
    void paintEvent(QPaintEvent*) override {} // heard, not seen
};

class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QString();
    }
};

QAccessibleInterface* notificationInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(NotificationLabel::staticMetaObject.className()))
        return new NotificationAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void notify(QWidget* inWindow, const QString& words)
{
    if (!inWindow || !QAccessible::isActive() || words.isEmpty())
        return;
    static const bool installed = [] {
        QAccessible::installFactory(notificationInterface);
        return true;
    }();
    (void)installed;
    QWidget* window = inWindow->window();
    // A screen reader says the dialog a notification comes up in, with all its loose texts or its
    // description, before the notification itself, every time: a dialog's notifications come up
    // in the window under it, which a screen reader does not read out along with them.
    while (qobject_cast<QDialog*>(window) && window->parentWidget() && window->parentWidget()->window()->isVisible())
        window = window->parentWidget()->window();
    auto* label = window->findChild<NotificationLabel*>(QString(), Qt::FindDirectChildrenOnly);
    if (!label)
        label = new NotificationLabel(window);
    label->setText(words);
    // Coming up again is what is spoken.
    label->hide();
    label->show();
}

void announce(const QString& words, bool warning)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return;
    // A grid, or the entry box over one of its cells: the words are about the grid's current cell.
    for (QWidget* w = focused; w; w = w->parentWidget())
        if (auto* grid = qobject_cast<ClassGrid*>(w)) {
            grid->announce(words, warning);
            return;
        }
    notify(focused, words);
}

} // namespace tq::ui

#include "ScreenReaderAnnouncement.moc"
