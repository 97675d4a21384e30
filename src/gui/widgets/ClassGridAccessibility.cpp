#include "gui/widgets/ClassGridAccessibility.h"

#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/ClassGridTableAccessible.h"

#include <QAccessible>

namespace tq::ui {

namespace {
QAccessibleInterface* classGridInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClassGrid::staticMetaObject.className()))
        return new ClassGridTableAccessible(static_cast<ClassGrid*>(object));
    return nullptr;
}
} // namespace

void installClassGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(classGridInterface);
        return true;
    }();
    (void)installed;
}

void announceCurrentCell(ClassGrid& grid)
{
    if (!QAccessible::isActive() || !grid.hasFocus())
        return;
    auto* table = dynamic_cast<ClassGridTableAccessible*>(QAccessible::queryAccessibleInterface(&grid));
    if (!table)
        return;
    // A current cell that is no cell of the table (under a heading, in a hidden column) leaves
    // the focus on the table itself.
    QAccessibleEvent event(&grid, QAccessible::Focus);
    event.setChild(table->childIndexOf(grid.currentRow(), grid.currentCol()));
    QAccessible::updateAccessibility(&event);
}

} // namespace tq::ui
