#pragma once
// The accessible table of one ClassGrid (see ClassGridAccessibility.h): the table's rows and
// columns worked out from the grid's as they are at the moment of asking, and the objects of its
// cells, made when first asked for and kept until the grid goes.
#include <QAccessibleWidget>
#include <QHash>

#include <vector>

namespace tq::ui {

class ClassGrid;

class ClassGridTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ClassGridTableAccessible(ClassGrid* grid);
    ~ClassGridTableAccessible() override;

    ClassGrid* grid() const;

    // Positions. The table's rows are the grid's rows under the fixed ones; its columns are the
    // grid's columns on show. The children are the heading cells (when the grid has heading
    // rows), then the cells row by row.
    std::vector<int> shownColumns() const;
    int tableRowOf(int gridRow) const;   // -1 for a heading row
    int tableColumnOf(int gridCol) const; // -1 for a hidden column
    int childIndexOf(int gridRow, int gridCol) const; // -1 for a cell that is no child
    // What the heading rows show over a column, without the padding.
    QString heading(int gridCol) const;
    // The cells of a row that name it: those of the fixed columns, but `exceptCol`.
    QList<QAccessibleInterface*> rowHeaderCellsOf(int gridRow, int exceptCol) const;
    QString rowHeading(int gridRow) const;
    QAccessibleInterface* headingCell(int gridCol) const;
    QAccessibleInterface* gridCell(int gridRow, int gridCol) const;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    QString rowDescription(int row) const override;
    // The grid selects one cell, never whole rows or columns.
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    QAccessibleInterface* cell(int gridRow, int gridCol, bool heading) const;
    void forgetCells();

    mutable QHash<quint64, QAccessible::Id> cells_;
};

} // namespace tq::ui
