#pragma once
// Ends the event loop once `window` has been painted for the first time: the end of a timed
// start-up (see QuitAfterStart.h). With TQ_START_GRAB=<file.png> in the environment the window is
// first saved as a picture, so that the benchmark's floors can be compared with the program.
class QWidget;

namespace tq {

void quitOnceShown(QWidget* window);

} // namespace tq
