#pragma once
// Ends the event loop once `window` has been painted for the first time: the end of a timed
// start-up (see QuitAfterStart.h).
class QWidget;

namespace tq {

void quitOnceShown(QWidget* window);

} // namespace tq
