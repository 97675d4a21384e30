#include "gui/widgets/FocusSaidFirst.h"

#include "gui/widgets/EventHook.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>

namespace tq::ui {

void sayFocusFirst(QWidget& box)
{
    // Seen before the box's own handling of the focus, which moves the caret.
    onEvent(&box, QEvent::FocusIn, [&box](QEvent*) {
        if (!QAccessible::isActive())
            return;
        QAccessibleEvent focus(&box, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    });
}

} // namespace tq::ui
