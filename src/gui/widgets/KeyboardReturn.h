#pragma once
// The keyboard always lands somewhere: when a window or dialog that has the keyboard closes, by
// any button, key or close box, the window the keyboard came from is made the active one again,
// with the keyboard on the control that had it when the closed window came up (the grid's current
// cell, for a dialog opened from the grid) or on the one the program gave it to there meanwhile.
//
// Left to the desktop, the keyboard can be left nowhere: a question box closing together with the
// dialog it asked for (Escape, then Yes to throw the text away) leaves the window manager to
// activate the dialog, which is gone by then, and no window has the keyboard until Alt+Tab.
namespace tq::ui {

// Watches every window of the program from now on; once is enough, more calls do nothing.
void returnKeyboardAfterWindows();

} // namespace tq::ui
