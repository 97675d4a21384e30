#include "gui/widgets/ClassGridCellAccessible.h"

#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/ClassGridTableAccessible.h"

#include <QWidget>
#include <QWindow>

namespace tq::ui {

ClassGridCellAccessible::ClassGridCellAccessible(ClassGrid* grid, int row, int col, bool heading)
    : grid_(grid), row_(row), col_(col), heading_(heading)
{
}

const ClassGrid* ClassGridCellAccessible::grid() const
{
    return grid_.data();
}

ClassGridTableAccessible* ClassGridCellAccessible::gridTable() const
{
    return grid_ ? dynamic_cast<ClassGridTableAccessible*>(QAccessible::queryAccessibleInterface(grid_.data())) : nullptr;
}

bool ClassGridCellAccessible::isValid() const
{
    if (!grid_ || col_ >= grid_->cols())
        return false;
    return heading_ ? grid_->fixedRows() > 0 : row_ < grid_->rows();
}

bool ClassGridCellAccessible::isCurrent() const
{
    return !heading_ && grid_->currentRow() == row_ && grid_->currentCol() == col_;
}

QWindow* ClassGridCellAccessible::window() const
{
    return grid_ ? grid_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ClassGridCellAccessible::parent() const
{
    return gridTable();
}

// A cell reads what it shows; a heading also serves as its column's name. The description says
// where the cell is: its column's heading and the student (or range) of its row, unless the cell
// said before was the same student's (another line of a comment wrapped over several rows).
QString ClassGridCellAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    const ClassGridTableAccessible* table = gridTable();
    switch (t) {
    case QAccessible::Name:
        return heading_ ? table->heading(col_) : grid_->text(row_, col_).trimmed();
    case QAccessible::Description:
    {
        if (heading_)
            return {};
        QStringList place{table->heading(col_), rowNameSaid() ? QString() : table->rowHeading(row_)};
        place.removeAll(QString());
        return place.join(QStringLiteral(", "));
    }
    default:
        return {};
    }
}

QRect ClassGridCellAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect inGrid = grid_->cellRect(heading_ ? 0 : row_, col_);
    return inGrid.isEmpty() ? QRect() : QRect(grid_->mapToGlobal(inGrid.topLeft()), inGrid.size());
}

QAccessible::Role ClassGridCellAccessible::role() const
{
    return heading_ ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State ClassGridCellAccessible::state() const
{
    QAccessible::State st;
    if (!isValid()) {
        st.invalid = true;
        return st;
    }
    if (grid_->columnWidthTwips(col_) == 0)
        st.invisible = true;
    else if (rect().isEmpty())
        st.offscreen = true; // scrolled away
    if (heading_)
        return st;
    st.focusable = true;
    st.selectable = true;
    st.selected = isCurrent();
    st.focused = isCurrent() && grid_->hasFocus();
    return st;
}

void* ClassGridCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

bool ClassGridCellAccessible::isSelected() const
{
    return isValid() && isCurrent();
}

QList<QAccessibleInterface*> ClassGridCellAccessible::columnHeaderCells() const
{
    if (heading_ || !isValid())
        return {};
    if (QAccessibleInterface* heading = gridTable()->headingCell(col_))
        return {heading};
    return {};
}

bool ClassGridCellAccessible::rowNameSaid() const
{
    return isCurrent() && grid_->rowNameSaidBefore(row_);
}

QList<QAccessibleInterface*> ClassGridCellAccessible::rowHeaderCells() const
{
    if (heading_ || !isValid() || rowNameSaid())
        return {};
    return gridTable()->rowHeaderCellsOf(row_, col_);
}

int ClassGridCellAccessible::columnIndex() const
{
    return isValid() ? gridTable()->tableColumnOf(col_) : -1;
}

int ClassGridCellAccessible::rowIndex() const
{
    return isValid() && !heading_ ? gridTable()->tableRowOf(row_) : -1;
}

} // namespace tq::ui
