// Rebuilding the class grid of 501 students, against a bare Qt table given the same texts.
#include "bench/BenchData.h"
#include "bench/gui/BareTable.h"
#include "bench/gui/BenchWindow.h"
#include "gui/widgets/ClassGrid.h"

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
    fillBareTableLike(state, benchWindow(static_cast<int>(state.range(0))).grid());
}
BENCHMARK(BM_Floor_BareTable)->Arg(largeClassSize)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
