#include "gui/markbook/SheetRowsTable.h"

#include "core/markbook/MarkColumns.h"
#include "gui/markbook/ReadOnlyTable.h"

#include <QHeaderView>

namespace tq {

SheetRowsTable::SheetRowsTable(QWidget* parent) : QTableWidget(parent)
{
    setUpReadOnlyTable(*this, {});
    verticalHeader()->setVisible(true); // the row numbers the problems name
    horizontalHeader()->setStretchLastSection(false);
}

void SheetRowsTable::showSheet(const SheetTable& sheet)
{
    const int rows = std::min(static_cast<int>(sheet.rows.size()), rowsShown);
    int columns = 0;
    for (int r = 0; r < rows; ++r)
        columns = std::max(columns, static_cast<int>(sheet.rows[static_cast<size_t>(r)].size()));
    clear();
    setRowCount(rows);
    setColumnCount(columns);
    QStringList letters;
    for (int c = 0; c < columns; ++c)
        letters << QString::fromStdString(columnLetters(c));
    setHorizontalHeaderLabels(letters);
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (const std::string& cell : sheet.rows[static_cast<size_t>(r)])
            cells << QString::fromStdString(cell);
        setTableRow(*this, r, cells);
    }
    resizeColumnsToContents();
}

} // namespace tq
