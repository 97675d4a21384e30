#pragma once
// Telling a screen reader what just happened, where the teacher is: the words come up as a
// notification in the window that has the keyboard, which screen readers speak whole as it comes
// up. (Qt on Linux passes no alerts on, and gives no new text with a name or description change,
// so a screen reader cannot speak those.) When a grid or its entry box has the keyboard, the words
// wait until the grid has said the move that led to them (ClassGrid::announce).
#include <QString>

class QWidget;

namespace tq::ui {

// `warning`: said after whatever else is announced for the same key or click.
void announce(const QString& words, bool warning = false);

// A notification with `words` comes up in the window of `inWindow` (for a dialog, in the window it
// belongs to), at once.
void notify(QWidget* inWindow, const QString& words);

} // namespace tq::ui
