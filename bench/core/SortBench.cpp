// The three orders of a 501-student class, from a shuffled class, one already in that order and
// one in the reverse order.
#include "bench/BenchData.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassSort.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <variant>

namespace tq::bench {
namespace {

enum Start { Shuffled, Sorted, Reversed };

ClassList startingClass(void (*sort)(ClassList&), int start)
{
    ClassList students = std::get<ClassList>(readClassFile(sharedBenchFiles().largeClassFile));
    Sequence seq(11);
    for (size_t i = students.size() - 1; i > 0; --i)
        std::swap(students[i], students[static_cast<size_t>(seq.between(0, static_cast<int>(i)))]);
    if (start != Shuffled)
        sort(students);
    if (start == Reversed)
        std::reverse(students.begin(), students.end());
    return students;
}

void sortBench(benchmark::State& state, void (*sort)(ClassList&))
{
    const ClassList start = startingClass(sort, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ClassList students = start;
        state.ResumeTiming();
        sort(students);
        benchmark::DoNotOptimize(students);
    }
}

void BM_SortByName(benchmark::State& state) { sortBench(state, sortByName); }
void BM_SortByMark(benchmark::State& state) { sortBench(state, sortByMark); }
void BM_SortByCourse(benchmark::State& state) { sortBench(state, sortByCourse); }
// Argument: 0 shuffled, 1 already sorted, 2 reversed.
BENCHMARK(BM_SortByName)->DenseRange(Shuffled, Reversed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByMark)->DenseRange(Shuffled, Reversed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByCourse)->DenseRange(Shuffled, Reversed)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
