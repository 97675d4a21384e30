// Rebuilding the class grid of 501 students, against a bare Qt table given the same texts.
#include "bench/BenchData.h"
#include "bench/gui/BenchWindow.h"
#include "entry/ClassGridLayout.h"
#include "ui/ClassGrid.h"

#include <QCoreApplication>
#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace tq::bench {
namespace {

// fillflexGrid as every class-wide change runs it (open, sort, update, return from the eFile
// window), painted.
void BM_FillGrid(benchmark::State& state)
{
    frmEntry& window = benchWindow(static_cast<int>(state.range(0))).window();
    for (auto _ : state) {
        window.fillflexGrid();
        settle();
    }
}
BENCHMARK(BM_FillGrid)->Arg(smallClassSize)->Arg(largeClassSize)->Unit(benchmark::kMicrosecond);

// The floor: a plain QTableWidget window of the grid's size, filled with the grid's texts, painted.
void BM_Floor_BareTable(benchmark::State& state)
{
    ui::ClassGrid& grid = *benchWindow(static_cast<int>(state.range(0))).window().msfgClass;
    std::vector<QStringList> rows;
    for (int r = 0; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < gridColumnCount; ++c)
            cells << grid.text(r, c);
        rows.push_back(cells);
    }
    QTableWidget bare(0, gridColumnCount);
    QTableWidget* table = &bare;
    table->resize(grid.size());
    table->show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        table->setRowCount(0);
        table->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; c < gridColumnCount; ++c)
                table->setItem(r, c, new QTableWidgetItem(rows[static_cast<size_t>(r)][c]));
        settle();
    }
}
BENCHMARK(BM_Floor_BareTable)->Arg(largeClassSize)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
