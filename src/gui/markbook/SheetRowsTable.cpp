#include "gui/markbook/SheetRowsTable.h"

#include "core/markbook/MarkColumns.h"
#include "core/markbook/PreviewWords.h"
#include "core/markbook/StudentMatching.h"
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
    // Every cell of the rectangle is made, a short row's missing ones too: each says its column
    // and "empty" rather than being skipped.
    for (int r = 0; r < rows; ++r) {
        const SheetRow& row = sheet.rows[static_cast<size_t>(r)];
        QStringList cells;
        std::vector<std::string> spoken;
        for (int c = 0; c < columns; ++c) {
            const std::string cell = cellAt(row, c);
            cells << QString::fromStdString(cell);
            spoken.push_back(sheetCellWords(columnLetters(c), cell));
        }
        setTableRow(*this, r, cells);
        setSpokenRow(*this, r, spoken);
    }
    resizeColumnsToContents();
}

} // namespace tq
