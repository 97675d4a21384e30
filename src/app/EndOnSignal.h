#pragma once
// The program's end when the system asks for it: SIGTERM (a shutdown, `kill`), SIGHUP (the
// terminal or the session gone) and SIGINT (Ctrl+C in a terminal). The signal handler itself only
// writes the signal's number into a pipe; the event loop reads it and runs `cleanUp` there, where
// the program may write files but never shows a dialog. Then the signal is raised again with the
// system's own action, so whoever started the program sees it ended by that signal.
#include <functional>

class QObject;

namespace tq {

// From now on, until `context` goes.
void endOnSignals(QObject* context, std::function<void()> cleanUp);

} // namespace tq
