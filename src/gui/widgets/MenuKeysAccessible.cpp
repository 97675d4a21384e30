#include "gui/widgets/MenuKeysAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QPointer>

namespace tq::ui {

namespace {
// A menu item that has a shortcut, in the menu that shows it.
class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QMenu* menu, QAction* action) : menu_(menu), action_(action) {}

    bool isValid() const override { return menu_ && action_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_.data()); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && action_ && action_->menu() ? QAccessible::queryAccessibleInterface(action_->menu()) : nullptr;
    }
    int childCount() const override { return action_ && action_->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && action_ && child->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!action_)
            return {};
        switch (t) {
        case QAccessible::Name: return QString(action_->text()).remove(QLatin1Char('&'));
        case QAccessible::Accelerator: return action_->shortcut().toString(QKeySequence::NativeText);
        case QAccessible::Description: return action_->statusTip();
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = menu_->actionGeometry(action_);
        return QRect(menu_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return action_ && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.focused = menu_->activeAction() == action_;
        s.disabled = !action_->isEnabled();
        s.invisible = !action_->isVisible() || !menu_->isVisible();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        s.hasPopup = action_->menu() != nullptr;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        // Also while greyed out: a screen reader reads the keys of the action's first binding.
        return isValid() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override
    {
        const QString binding = action_ ? menuKeyBinding(*action_) : QString();
        return binding.isEmpty() ? QStringList() : QStringList{binding};
    }

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

// The menu showing `action`, when it is a menu item with a shortcut.
QMenu* menuOfKeyedItem(QAction* action)
{
    if (action->shortcut().isEmpty())
        return nullptr;
    for (QObject* shown : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(shown))
            return menu;
    return nullptr;
}

QAccessibleInterface* menuItemInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String(QAction::staticMetaObject.className()))
        return nullptr;
    auto* action = qobject_cast<QAction*>(object);
    QMenu* menu = action ? menuOfKeyedItem(action) : nullptr;
    return menu ? new MenuItemAccessible(menu, action) : nullptr;
}
} // namespace

QString menuKeyBinding(const QAction& action)
{
    const QKeySequence keys = action.shortcut();
    return keys.isEmpty() ? QString() : QStringLiteral(";;") + keys.toString(QKeySequence::PortableText);
}

void readMenuKeys()
{
    static const bool installed = [] {
        QAccessible::installFactory(menuItemInterface);
        return true;
    }();
    (void)installed;
}

} // namespace tq::ui
