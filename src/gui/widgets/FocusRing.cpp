#include "gui/widgets/FocusRing.h"

#include "gui/widgets/EventHook.h"
#include "gui/widgets/ReadableColour.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace tq::ui {

namespace {
constexpr int ringWidth = focusRingWidth;

class Ring : public QWidget {
public:
    explicit Ring(QWidget* control) : QWidget(control)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // Seen at once on the control's face and on what is round it.
        const QWidget* control = parentWidget();
        const QColor face = control->palette().color(control->backgroundRole());
        const QWidget* around = control->parentWidget() ? control->parentWidget() : control;
        const QColor outside = around->palette().color(around->backgroundRole());
        QPainter painter(this);
        QPen pen(focusRingColour(palette(), face, outside), ringWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(ringWidth / 2.0, ringWidth / 2.0, -ringWidth / 2.0, -ringWidth / 2.0));
    }
};
} // namespace

void showFocusRing(QWidget* control)
{
    auto* ring = new Ring(control);
    new EventHook(control, [control, ring](QEvent* e) {
        switch (e->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Resize:
            ring->setGeometry(control->rect());
            ring->setVisible(control->hasFocus());
            ring->raise();
            break;
        default: break;
        }
        return false;
    });
}

} // namespace tq::ui
