#pragma once
// A text box reached with Tab moves its caret (and selects its text) as it takes the keyboard,
// and tells a screen reader of that before it tells of the focus: Orca then takes the box for the
// one it is already on, says the text at the caret (nothing, in an empty box) and never the box's
// name. Boxes made so tell a screen reader of the focus first.
class QWidget;

namespace tq::ui {

void sayFocusFirst(QWidget& box);

} // namespace tq::ui
