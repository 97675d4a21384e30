#pragma once
// Starts the recovery copies of the running program: copies are kept in `folder`, and the
// snapshots they are made from are taken on the window's thread by Qt's timers.
#include "core/recovery/RecoveryCopies.h"

class QObject;

namespace tq {

struct ProgramState;

// False when no copies can be kept there (the program then runs without them). The timers go
// with `context`.
bool startRecovery(ProgramState& state, QObject* context, const std::string& folder,
                   RecoveryCopies::Delay interval = RecoveryCopies::defaultInterval, CopyWriteHook writeHook = {});

} // namespace tq
