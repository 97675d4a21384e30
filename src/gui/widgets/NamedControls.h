#pragma once
// Controls made with the names the windows and their tests find them by, and with the names a
// screen reader reads them by.
#include <QObject>
#include <QString>

#include <vector>

class QLabel;
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

// A flat tool-bar button showing an icon of 24×24 (from the shared icons) with its tooltip; a
// screen reader reads the tooltip's words as its name.
QToolButton* pictureButton(QWidget* parent, const char* name, const QString& tip, const char* iconPath);

// `caption` is what names `control` on screen: it becomes the control's buddy, by which a screen
// reader names boxes and buttons. Lists are not named by their buddy, so a list is given the
// caption's words (its accessible name when it has one, its text otherwise) as its own name;
// call this again when the words change or the caption moves to another control.
void captionControl(QLabel* caption, QWidget* control);

} // namespace tq::ui
