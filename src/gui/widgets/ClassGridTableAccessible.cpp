#include "gui/widgets/ClassGridTableAccessible.h"

#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/ClassGridAccessibility.h"
#include "gui/widgets/ClassGridCellAccessible.h"

#include <algorithm>

namespace tq::ui {

namespace {
quint64 cellKey(int gridRow, int gridCol, bool heading)
{
    return (quint64(heading) << 62) | (quint64(static_cast<quint32>(gridRow)) << 31) | quint64(static_cast<quint32>(gridCol));
}
} // namespace

ClassGridTableAccessible::ClassGridTableAccessible(ClassGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

ClassGridTableAccessible::~ClassGridTableAccessible()
{
    forgetCells();
}

ClassGrid* ClassGridTableAccessible::grid() const
{
    return static_cast<ClassGrid*>(widget());
}

void ClassGridTableAccessible::forgetCells()
{
    for (const QAccessible::Id id : std::as_const(cells_))
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

// --- positions -------------------------------------------------------------------------------

std::vector<int> ClassGridTableAccessible::shownColumns() const
{
    std::vector<int> shown;
    for (int col = 0; col < grid()->cols(); ++col)
        if (grid()->columnWidthTwips(col) > 0)
            shown.push_back(col);
    return shown;
}

int ClassGridTableAccessible::tableRowOf(int gridRow) const
{
    return gridRow >= grid()->fixedRows() && gridRow < grid()->rows() ? gridRow - grid()->fixedRows() : -1;
}

int ClassGridTableAccessible::tableColumnOf(int gridCol) const
{
    const std::vector<int> shown = shownColumns();
    const auto at = std::find(shown.begin(), shown.end(), gridCol);
    return at == shown.end() ? -1 : static_cast<int>(at - shown.begin());
}

int ClassGridTableAccessible::childIndexOf(int gridRow, int gridCol) const
{
    const int row = tableRowOf(gridRow);
    const int column = tableColumnOf(gridCol);
    if (row < 0 || column < 0)
        return -1;
    const int headingRows = grid()->fixedRows() > 0 ? 1 : 0;
    return (headingRows + row) * columnCount() + column;
}

QString ClassGridTableAccessible::heading(int gridCol) const
{
    return columnHeading(*grid(), gridCol);
}

QList<QAccessibleInterface*> ClassGridTableAccessible::rowHeaderCellsOf(int gridRow, int exceptCol) const
{
    QList<QAccessibleInterface*> cells;
    for (int col = 0; col < grid()->fixedCols(); ++col)
        if (col != exceptCol && grid()->columnWidthTwips(col) > 0)
            cells << gridCell(gridRow, col);
    return cells;
}

QString ClassGridTableAccessible::rowHeading(int gridRow) const
{
    return grid()->rowName(gridRow);
}

QAccessibleInterface* ClassGridTableAccessible::headingCell(int gridCol) const
{
    return grid()->fixedRows() > 0 ? cell(0, gridCol, true) : nullptr;
}

QAccessibleInterface* ClassGridTableAccessible::gridCell(int gridRow, int gridCol) const
{
    return cell(gridRow, gridCol, false);
}

QAccessibleInterface* ClassGridTableAccessible::cell(int gridRow, int gridCol, bool heading) const
{
    const quint64 key = cellKey(gridRow, gridCol, heading);
    if (const QAccessible::Id id = cells_.value(key))
        return QAccessible::accessibleInterface(id);
    auto* made = new ClassGridCellAccessible(grid(), gridRow, gridCol, heading);
    cells_.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

// --- the table as an object among the window's --------------------------------------------------

void* ClassGridTableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ClassGridTableAccessible::childCount() const
{
    const int headingRows = grid()->fixedRows() > 0 ? 1 : 0;
    return (headingRows + rowCount()) * columnCount();
}

QAccessibleInterface* ClassGridTableAccessible::child(int index) const
{
    const std::vector<int> shown = shownColumns();
    const int columns = static_cast<int>(shown.size());
    if (index < 0 || index >= childCount() || columns == 0)
        return nullptr;
    const int col = shown[static_cast<size_t>(index % columns)];
    int row = index / columns;
    if (grid()->fixedRows() > 0) {
        if (row == 0)
            return headingCell(col);
        --row;
    }
    return gridCell(row + grid()->fixedRows(), col);
}

int ClassGridTableAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const ClassGridCellAccessible*>(child);
    if (!cell || cell->grid() != grid())
        return -1;
    if (cell->isHeading()) {
        const int column = tableColumnOf(cell->gridCol());
        return grid()->fixedRows() > 0 ? column : -1;
    }
    return childIndexOf(cell->gridRow(), cell->gridCol());
}

QAccessibleInterface* ClassGridTableAccessible::childAt(int x, int y) const
{
    const QPoint at = grid()->mapFromGlobal(QPoint(x, y));
    const int row = grid()->rowAt(at);
    const int col = grid()->colAt(at);
    if (row < 0 || col < 0)
        return nullptr;
    return row < grid()->fixedRows() ? headingCell(col) : gridCell(row, col);
}

QAccessibleInterface* ClassGridTableAccessible::focusChild() const
{
    if (grid()->hasFocus()) {
        const int index = childIndexOf(grid()->currentRow(), grid()->currentCol());
        if (index >= 0)
            return child(index);
    }
    return QAccessibleWidget::focusChild();
}

// --- the table -----------------------------------------------------------------------------------

QAccessibleInterface* ClassGridTableAccessible::cellAt(int row, int column) const
{
    const std::vector<int> shown = shownColumns();
    if (row < 0 || row >= rowCount() || column < 0 || column >= static_cast<int>(shown.size()))
        return nullptr;
    return gridCell(row + grid()->fixedRows(), shown[static_cast<size_t>(column)]);
}

int ClassGridTableAccessible::selectedCellCount() const
{
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> ClassGridTableAccessible::selectedCells() const
{
    if (childIndexOf(grid()->currentRow(), grid()->currentCol()) < 0)
        return {};
    return {gridCell(grid()->currentRow(), grid()->currentCol())};
}

QString ClassGridTableAccessible::columnDescription(int column) const
{
    const std::vector<int> shown = shownColumns();
    if (column < 0 || column >= static_cast<int>(shown.size()))
        return {};
    return heading(shown[static_cast<size_t>(column)]);
}

int ClassGridTableAccessible::columnCount() const
{
    return static_cast<int>(shownColumns().size());
}

int ClassGridTableAccessible::rowCount() const
{
    return std::max(0, grid()->rows() - grid()->fixedRows());
}

QString ClassGridTableAccessible::rowDescription(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return rowHeading(row + grid()->fixedRows());
}

// The cells read the grid as it is whenever they are asked, so a change of the table's shape
// leaves them true; the ones made so far are let go all the same, as a reset asks.
void ClassGridTableAccessible::modelChange(QAccessibleTableModelChangeEvent* event)
{
    if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset)
        forgetCells();
}

} // namespace tq::ui
