#include "gui/widgets/KeyboardReturn.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace tq::ui {

namespace {
// Menus, drop-down lists and tool tips come and go without taking the keyboard from a window.
bool takesTheKeyboard(const QWidget* window)
{
    const Qt::WindowType type = window->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet;
}

class KeyboardReturn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Shown and hidden by the program, not minimised and brought back by the desktop.
        if ((event->type() != QEvent::Show && event->type() != QEvent::Hide) || event->spontaneous())
            return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow() || !takesTheKeyboard(window))
            return false;
        if (event->type() == QEvent::Show) {
            cameFrom_.remove(window);
            QWidget* had = QApplication::focusWidget();
            if (had && had->window() != window)
                cameFrom_.insert(window, had);
            return false;
        }
        const QPointer<QWidget> back = cameFrom_.take(window);
        // Only a window that had the keyboard (or one over it that went first) gives it back.
        const QWidget* active = QApplication::activeWindow();
        if (!back || (active && active != window && active->isVisible()))
            return false;
        // Once the closing is done: a dialog closing with the question box over it gives the
        // keyboard to the window under both.
        QMetaObject::invokeMethod(this, [back] {
            if (!back)
                return;
            QWidget* to = back->window();
            if (!to->isVisible() || !to->isEnabled())
                return;
            to->activateWindow();
            // The control the window itself gives the keyboard to: the one that had it, unless
            // the program has chosen another there meanwhile.
            QWidget* control = to->focusWidget() && to->focusWidget()->isVisible() ? to->focusWidget() : back.data();
            if (control->isVisible())
                control->setFocus(Qt::ActiveWindowFocusReason);
        }, Qt::QueuedConnection);
        return false;
    }

private:
    QHash<QObject*, QPointer<QWidget>> cameFrom_;
};
} // namespace

void returnKeyboardAfterWindows()
{
    static KeyboardReturn* watcher = [] {
        auto* w = new KeyboardReturn(qApp);
        qApp->installEventFilter(w);
        return w;
    }();
    (void)watcher;
}

} // namespace tq::ui
