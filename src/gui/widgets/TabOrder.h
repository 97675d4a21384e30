#pragma once
// The order in which Tab goes through a window's controls: the order they are read in, row by
// row and, within a row, from left to right, whatever order they were made in.
#include <QWidget>

#include <initializer_list>

namespace tq::ui {

inline void setTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace tq::ui
