#pragma once
// The floor of a grid rebuild: a plain Qt table of the grid's size, with its columns and rows
// as wide and high, filled with the same texts and painted.
#include <benchmark/benchmark.h>

namespace tq::ui {
class ClassGrid;
}

namespace tq::bench {

// Runs the benchmark's iterations on a bare QTableWidget holding `grid`'s cells.
void fillBareTableLike(benchmark::State& state, const ui::ClassGrid& grid);

} // namespace tq::bench
