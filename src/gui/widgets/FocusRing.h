#pragma once
// A ring in the highlight colour round a control while it has the keyboard, for controls whose
// own look does not show it (a panel, a chart, a read-only text). It lies over the control,
// takes no click and no key, and goes with the control.
class QWidget;

namespace tq::ui {

void showFocusRing(QWidget* control);

} // namespace tq::ui
