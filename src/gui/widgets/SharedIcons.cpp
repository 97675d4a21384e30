#include "gui/widgets/SharedIcons.h"

#include <QHash>

namespace tq::ui {

QIcon sharedIcon(const QString& path)
{
    // Kept until the program ends and never destroyed: an icon must not outlive the
    // application object, which goes before the program's static objects do.
    static auto* icons = new QHash<QString, QIcon>;
    auto found = icons->constFind(path);
    if (found == icons->constEnd())
        found = icons->insert(path, QIcon(path));
    return *found;
}

} // namespace tq::ui
