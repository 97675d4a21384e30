#pragma once
// A ring in the highlight colour round a control while it has the keyboard, 2 pixels wide and
// standing out from the control and what is round it by 3 : 1, for controls whose own look does
// not show it clearly (a panel, a chart, a read-only text, a picture button of a tool bar). It
// lies over the control, takes no click and no key, and goes with the control.
class QWidget;

namespace tq::ui {

// How wide every focus ring of the program is, in pixels.
inline constexpr int focusRingWidth = 2;

void showFocusRing(QWidget* control);

} // namespace tq::ui
