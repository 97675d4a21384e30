#pragma once
// Words for a screen reader to say about a control that has the keyboard, without moving the
// keyboard anywhere: they become the control's description, and a screen reader says a changed
// description of the control it is on. (Alerts, meant for this, do not reach the reader on Linux.)
class QString;
class QWidget;

namespace tq::ui {

void describeChange(QWidget* control, const QString& words);

} // namespace tq::ui
