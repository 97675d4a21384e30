#include "gui/widgets/EventHook.h"

#include <QEvent>

namespace tq::ui {

EventHook::EventHook(QObject* watched, Handler handler) : QObject(watched), handler_(std::move(handler))
{
    watched->installEventFilter(this);
}

bool EventHook::eventFilter(QObject*, QEvent* event)
{
    return handler_(event);
}

void onEvent(QObject* watched, int type, const std::function<void(QEvent*)>& action)
{
    new EventHook(watched, [type, action](QEvent* event) {
        if (event->type() == type)
            action(event);
        return false;
    });
}

} // namespace tq::ui
