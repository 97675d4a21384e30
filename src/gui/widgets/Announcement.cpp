#include "gui/widgets/Announcement.h"

#include <QAccessible>
#include <QWidget>

namespace tq::ui {

void describeChange(QWidget* control, const QString& words)
{
    if (control->accessibleDescription() == words)
        return;
    control->setAccessibleDescription(words);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(control, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

} // namespace tq::ui
