#include "gui/recovery/RecoveryStart.h"

#include "core/program/ProgramState.h"

#include <QPointer>
#include <QTimer>

namespace tq {

bool startRecovery(ProgramState& state, QObject* context, const std::string& folder, RecoveryCopies::Delay interval,
                   CopyWriteHook writeHook)
{
    RecoveryCopies::Settings settings;
    settings.folder = folder;
    settings.interval = interval;
    settings.writeHook = std::move(writeHook);
    // A precise timer: a coarse one may fire a twentieth of the interval late.
    settings.runLater = [context = QPointer<QObject>(context)](RecoveryCopies::Delay delay, std::function<void()> task) {
        if (context)
            QTimer::singleShot(delay, Qt::PreciseTimer, context, std::move(task));
    };
    return state.recovery.start(state.students, state.favourites, std::move(settings));
}

} // namespace tq
