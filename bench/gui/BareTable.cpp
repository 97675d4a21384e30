#include "bench/gui/BareTable.h"

#include "bench/gui/BenchWindow.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Twips.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

#include <vector>

namespace tq::bench {

void fillBareTableLike(benchmark::State& state, const ui::ClassGrid& grid)
{
    const int cols = grid.cols();
    std::vector<QStringList> rows;
    for (int r = 0; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < cols; ++c)
            cells << grid.text(r, c);
        rows.push_back(cells);
    }
    // The same cells on show: the grid's column widths and row height, no headings of its own
    // (the grid's heading row is a row of cells).
    QTableWidget table(0, cols);
    table.horizontalHeader()->hide();
    table.verticalHeader()->hide();
    table.verticalHeader()->setMinimumSectionSize(1);
    table.verticalHeader()->setDefaultSectionSize(grid.rowHeightPixels());
    table.horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < cols; ++c)
        table.setColumnWidth(c, ui::twipsToPixelsX(grid.columnWidthTwips(c), &grid));
    table.resize(grid.size());
    table.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        table.setRowCount(0);
        table.setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; c < cols; ++c)
                table.setItem(r, c, new QTableWidgetItem(rows[static_cast<size_t>(r)][c]));
        // The view lays its items out on a zero-time timer and paints after that: both must
        // happen for the table to show what it holds.
        QCoreApplication::processEvents();
        settle();
    }
}

} // namespace tq::bench
