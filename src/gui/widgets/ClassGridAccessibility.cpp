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

namespace {
// An event of `type` about the current cell, while a screen reader listens and the grid has the
// keyboard. A current cell that is no cell of the table (under a heading) leaves the event on the
// table itself.
void raiseAboutCurrentCell(ClassGrid& grid, QAccessible::Event type)
{
    if (!QAccessible::isActive() || !grid.hasFocus())
        return;
    auto* table = dynamic_cast<ClassGridTableAccessible*>(QAccessible::queryAccessibleInterface(&grid));
    if (!table)
        return;
    QAccessibleEvent event(&grid, type);
    event.setChild(table->childIndexOf(grid.currentRow(), grid.currentCol()));
    QAccessible::updateAccessibility(&event);
}
} // namespace

void announceCurrentCell(ClassGrid& grid)
{
    if (QAccessible::isActive() && grid.hasFocus())
        grid.noteRowSaid(grid.currentRow());
    raiseAboutCurrentCell(grid, QAccessible::Focus);
}

void announceCurrentText(ClassGrid& grid)
{
    raiseAboutCurrentCell(grid, QAccessible::NameChanged);
}

QString columnHeading(const ClassGrid& grid, int col)
{
    QStringList lines;
    for (int row = 0; row < grid.fixedRows(); ++row)
        if (const QString text = grid.text(row, col).trimmed(); !text.isEmpty())
            lines << text;
    return lines.join(QLatin1Char(' '));
}

QString cellWords(const ClassGrid& grid, int row, int col)
{
    const QString text = grid.text(row, col).trimmed();
    if (text.isEmpty() && !grid.emptyWords().isEmpty() && grid.rowName(row).isEmpty() &&
        columnHeading(grid, col).isEmpty())
        return grid.emptyWords();
    return columnHeading(grid, col) + QLatin1Char(' ') + (text.isEmpty() ? QStringLiteral("empty") : text) +
           QStringLiteral(", ") + grid.rowName(row) + QLatin1Char('.');
}

} // namespace tq::ui
