#pragma once
// Controls made with the names the windows and their tests find them by.
#include <QString>

class QToolButton;
class QWidget;

namespace tq::ui {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A flat tool-bar button showing an icon of 24×24 (from the shared icons) with its tooltip.
QToolButton* pictureButton(QWidget* parent, const char* name, const char* tip, const char* iconPath);

} // namespace tq::ui
