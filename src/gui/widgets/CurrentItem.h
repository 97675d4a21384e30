#pragma once
// Every list and table has a current item once the keyboard reaches it: the one last chosen, or
// the first when none is (a list just filled has none). A screen reader is told of that item as
// the list is reached, so the teacher hears where the arrows start, and the first Down goes on to
// the second item rather than leaving the first unheard.
class QAbstractItemView;

namespace tq::ui {

// Keeps `view` so from now on; the view's current item is never selected by arriving.
void keepCurrentItem(QAbstractItemView& view);

// Tells a screen reader that `view`'s current item has the keyboard, while it does.
void announceCurrentItem(QAbstractItemView& view);

} // namespace tq::ui
