#pragma once
// One cell of a ClassGrid's accessible table, or one column's heading: it reads the grid as it is
// when asked (its text, whether it is the current cell, where it is on screen), so that it stays
// true while the grid changes under it.
#include <QAccessible>
#include <QPointer>

namespace tq::ui {

class ClassGrid;
class ClassGridTableAccessible;

class ClassGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    // The cell (row, col) of the grid, or with `heading` the heading over column `col`.
    ClassGridCellAccessible(ClassGrid* grid, int row, int col, bool heading);

    int gridRow() const { return row_; }
    int gridCol() const { return col_; }
    bool isHeading() const { return heading_; }
    const ClassGrid* grid() const;

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    ClassGridTableAccessible* gridTable() const;
    bool isCurrent() const;
    bool rowNameSaid() const; // the row's name was said with the cell before

    QPointer<ClassGrid> grid_;
    int row_;
    int col_;
    bool heading_;
};

} // namespace tq::ui
