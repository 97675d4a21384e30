#include "gui/recovery/RecoveryStart.h"

#include "core/program/ProgramState.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace tq {

bool startRecovery(ProgramState& state, QObject* context, RecoveryCopies::Settings settings)
{
    // A precise timer: a coarse one may fire a twentieth of the interval late.
    settings.runLater = [context = QPointer<QObject>(context)](RecoveryCopies::Delay delay, std::function<void()> task) {
        if (context)
            QTimer::singleShot(delay, Qt::PreciseTimer, context, std::move(task));
    };
    if (std::function<void()> told = std::move(settings.troubleChanged)) {
        // Posted to the application, which outlives the writer's thread; the window may not.
        settings.troubleChanged = [context = QPointer<QObject>(context), told = std::move(told)] {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [context, told] {
                    if (context)
                        told();
                },
                Qt::QueuedConnection);
        };
    }
    return state.recovery.start(state.students, state.favourites, std::move(settings));
}

} // namespace tq
