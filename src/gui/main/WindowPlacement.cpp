#include "gui/main/WindowPlacement.h"

#include "gui/widgets/EventHook.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tq {

namespace {
// How long after the window is shown again a move by the window manager is undone.
constexpr int placingWindow = 1000;
} // namespace

WindowPlacement::WindowPlacement(QWidget& window) : QObject(&window), window_(window)
{
    ui::onEvent(&window, QEvent::Move, [this](QEvent*) { movedByManager(); });
}

void WindowPlacement::hideWindow()
{
    beforeHiding_ = Placement{window_.geometry(), window_.windowState()};
    window_.hide();
}

// A window shown again is placed anew by the window manager, which may put it in a corner of the
// screen. It is given back its place before it is shown, and again once, should the manager move
// it on the way.
void WindowPlacement::showWindowAgain()
{
    if (beforeHiding_) {
        window_.setGeometry(beforeHiding_->geometry);
        window_.setWindowState(beforeHiding_->state);
        placingAgain_ = !(beforeHiding_->state & (Qt::WindowMaximized | Qt::WindowFullScreen));
        QTimer::singleShot(placingWindow, this, [this] { placingAgain_ = false; });
    }
    window_.show();
    window_.raise();
    window_.activateWindow();
}

void WindowPlacement::movedByManager()
{
    if (placingAgain_ && beforeHiding_ && window_.geometry() != beforeHiding_->geometry) {
        placingAgain_ = false;
        window_.setGeometry(beforeHiding_->geometry);
    }
}

} // namespace tq
