#include "program/QuitOnceShown.h"

#include "ui/EventHook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tq {

void quitOnceShown(QWidget* window)
{
    // Queued, so that the paint in progress reaches the screen first; exit() rather than quit(),
    // which would close the windows and run their close handlers.
    ui::onEvent(window, QEvent::Paint, [](QEvent*) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    });
}

} // namespace tq
