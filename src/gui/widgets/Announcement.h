#pragma once
// Words for a screen reader to say about a control that has the keyboard, without moving the
// keyboard anywhere: they become the control's description (read whenever the control is read
// again) and are said once as a notification in its window (ScreenReaderAnnouncement.h).
class QString;
class QWidget;

namespace tq::ui {

void describeChange(QWidget* control, const QString& words);

} // namespace tq::ui
