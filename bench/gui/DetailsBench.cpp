// Redrawing the details panel of one student: composed comment, wrapped lines and the TQ8A check.
#include "bench/BenchData.h"
#include "bench/gui/BenchWindow.h"

#include <benchmark/benchmark.h>

namespace tq::bench {
namespace {

void BM_DisplayDetails(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(largeClassSize);
    // Two students in turn, so that the panel changes each time as it does for the teacher.
    const std::vector<int> rows = ordinaryStudentRows(bench.students());
    int turn = 0;
    for (auto _ : state) {
        bench.window().displayDetails(rows[static_cast<size_t>(turn++ % 2)] - 1);
        settle();
        bench.forgetMessages();
    }
}
BENCHMARK(BM_DisplayDetails)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
