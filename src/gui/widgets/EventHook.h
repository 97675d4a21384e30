#pragma once
// Hands the events of one widget to a function, for the few events a window needs of a control
// that has no signal for them (a click on a label, a key release in a text box). The hook
// belongs to the watched object and goes with it.
#include <QObject>

#include <functional>

class QEvent;

namespace tq::ui {

class EventHook : public QObject {
public:
    // `handler` sees every event of `watched`; it returns true to keep the event from the widget.
    using Handler = std::function<bool(QEvent*)>;
    EventHook(QObject* watched, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

// Calls `action` for each event of type `type` of `watched`, which still receives the event.
void onEvent(QObject* watched, int type, const std::function<void(QEvent*)>& action);

} // namespace tq::ui
