#include "gui/widgets/NamedControls.h"

#include "gui/widgets/FocusRing.h"
#include "gui/widgets/SharedIcons.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QToolButton>
#include <QWidget>

namespace tq::ui {

namespace {
bool isOtherWindow(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget)
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog; // menus (popups) hold the window's actions
}

void collectNamed(const QObject* owner, const QString& name, std::vector<QObject*>& found)
{
    for (QObject* child : owner->children()) {
        if (isOtherWindow(child))
            continue;
        if (child->objectName() == name)
            found.push_back(child);
        collectNamed(child, name, found);
    }
}
} // namespace

std::vector<QObject*> ownNamedObjects(const QObject* owner, const QString& name)
{
    std::vector<QObject*> found;
    if (owner)
        collectNamed(owner, name, found);
    return found;
}

QToolButton* pictureButton(QWidget* parent, const char* name, const QString& tip, const char* iconPath)
{
    auto* button = named(new QToolButton(parent), name);
    button->setToolTip(tip);
    button->setIcon(sharedIcon(QString::fromLatin1(iconPath)));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setAccessibleName(button->toolTip());
    showFocusRing(button); // the style's own is a faint line
    return button;
}

void captionControl(QLabel* caption, QWidget* control)
{
    caption->setBuddy(control);
    if (!qobject_cast<QAbstractItemView*>(control))
        return;
    const QString words = caption->accessibleName().isEmpty() ? caption->text() : caption->accessibleName();
    control->setAccessibleName(QString(words).remove(QLatin1Char('&')).simplified());
}

} // namespace tq::ui
