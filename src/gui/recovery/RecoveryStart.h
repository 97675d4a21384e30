#pragma once
// Starts the recovery copies of the running program: copies are kept in `settings.folder`, and
// the snapshots they are made from are taken on the window's thread by Qt's timers.
#include "core/recovery/RecoveryCopies.h"

class QObject;

namespace tq {

struct ProgramState;

// False when no copies can be kept there (the program then runs without them). The timers go
// with `context`; the settings' runLater is set here, and their troubleChanged, called by the
// writer's thread, is carried to `context`'s thread (and dropped once `context` has gone).
bool startRecovery(ProgramState& state, QObject* context, RecoveryCopies::Settings settings);

} // namespace tq
