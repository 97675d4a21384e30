#include "gui/main/LockWatcher.h"

#include "core/program/FileKeeping.h"
#include "core/program/ProgramState.h"

namespace tq {

LockWatcher::LockWatcher(ProgramState& state, QObject* parent, std::function<void()> classLockTaken)
    : QObject(parent), state_(state), classLockTaken_(std::move(classLockTaken))
{
    setObjectName(QStringLiteral("lockWatcher"));
    timer_.setInterval(2000);
    connect(&timer_, &QTimer::timeout, this, [this] { check(); });
    timer_.start();
}

void LockWatcher::check()
{
    const std::time_t now = state_.clock();
    if (takeLockWhenFree(state_.classOpen, now) && classLockTaken_)
        classLockTaken_();
    takeLockWhenFree(state_.favouritesOpen, now);
}

} // namespace tq
