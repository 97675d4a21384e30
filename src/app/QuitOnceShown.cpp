#include "app/QuitOnceShown.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <cstdlib>

namespace tq {

namespace {
// Watches every widget's paints, since the window itself may have none of its own to paint
// where its children cover it.
class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so that the paint in progress reaches the screen first; exit() rather
            // than quit(), which would close the windows and run their close handlers.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [window = window_] {
                    const char* grab = std::getenv("TQ_START_GRAB");
                    if (grab && *grab && window)
                        window->grab().save(QString::fromLocal8Bit(grab));
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
};
} // namespace

void quitOnceShown(QWidget* window)
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintWatcher(window));
}

} // namespace tq
