#pragma once
// Telling a screen reader what just happened, where the teacher is. The words are said two ways,
// for the screen readers that hear one and not the other:
//  - as the new description of the object that has the keyboard (the current cell when a grid or
//    its entry box has it, ClassGrid::announce; otherwise the control, whose own description
//    comes back once the keyboard leaves it): screen readers speak the focused object's
//    description as it changes;
//  - as a notification that comes up in the window (Qt on Linux passes no alerts on, and no new
//    description text with a description change, but a notification coming up is spoken whole).
#include <QString>

class QWidget;

namespace tq::ui {

// `warning`: said after whatever else is announced for the same key or click.
void announce(const QString& words, bool warning = false);

// The second way alone: a notification with `words` comes up in the window of `inWindow`.
void notify(QWidget* inWindow, const QString& words);

} // namespace tq::ui
