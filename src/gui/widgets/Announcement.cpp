#include "gui/widgets/Announcement.h"

#include "gui/widgets/ScreenReaderAnnouncement.h"

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
    // Qt gives a screen reader no text with the change, so the words are also said as a
    // notification, once, as they first apply.
    notify(control, words);
}

} // namespace tq::ui
