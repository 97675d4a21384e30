#pragma once
// The order in which Tab goes through a window's controls: the order they are read in, row by
// row and, within a row, from left to right, whatever order they were made in.
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace tq::ui {

template <typename Controls>
void setTabOrderOf(const Controls& controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

inline void setTabOrder(std::initializer_list<QWidget*> controls)
{
    setTabOrderOf(controls);
}

inline void setTabOrder(const std::vector<QWidget*>& controls)
{
    setTabOrderOf(controls);
}

} // namespace tq::ui
