#pragma once
// Controls made with the names the windows and their tests find them by.
#include <QObject>
#include <QString>

#include <vector>

class QToolButton;
class QWidget;

namespace tq::ui {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The same, with the name a screen reader says for the control.
template <typename T>
T* named(T* widget, const char* name, const QString& accessibleName)
{
    widget->setAccessibleName(accessibleName);
    return named(widget, name);
}

// The objects named `name` among `owner`'s descendants that belong to it: the search does not go
// into the other windows and dialogs it owns (they have controls of the same names).
std::vector<QObject*> ownNamedObjects(const QObject* owner, const QString& name);

// The control of `owner` named `name` (one of its own, as above) of type T, or null.
template <typename T>
T* findNamed(const QObject* owner, const char* name)
{
    for (QObject* object : ownNamedObjects(owner, QString::fromLatin1(name)))
        if (T* control = dynamic_cast<T*>(object))
            return control;
    return nullptr;
}

// A flat tool-bar button showing an icon of 24×24 (from the shared icons) with its tooltip.
QToolButton* pictureButton(QWidget* parent, const char* name, const char* tip, const char* iconPath);

} // namespace tq::ui
