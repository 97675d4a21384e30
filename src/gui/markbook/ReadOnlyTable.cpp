#include "gui/markbook/ReadOnlyTable.h"

#include "gui/widgets/CurrentItem.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tq {

void setUpReadOnlyTable(QTableWidget& table, const QStringList& headings)
{
    table.setColumnCount(static_cast<int>(headings.size()));
    table.setHorizontalHeaderLabels(headings);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setTabKeyNavigation(false); // Tab leaves the table for the next control
    table.verticalHeader()->setVisible(false);
    table.horizontalHeader()->setStretchLastSection(true);
    ui::keepCurrentItem(table);
}

void setTableRow(QTableWidget& table, int row, const QStringList& cells, bool bold)
{
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (bold) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
        table.setItem(row, c, item);
    }
}

void setSpokenRow(QTableWidget& table, int row, const std::vector<std::string>& spoken)
{
    for (int c = 0; c < static_cast<int>(spoken.size()) && c < table.columnCount(); ++c)
        if (QTableWidgetItem* item = table.item(row, c))
            item->setData(Qt::AccessibleTextRole, QString::fromStdString(spoken[static_cast<size_t>(c)]));
}

QString shownRowNumber(int row) { return row > 0 ? QString::number(row) : QString(); }

} // namespace tq
