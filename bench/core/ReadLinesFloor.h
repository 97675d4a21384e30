#pragma once
// The floor of every file read: the same file read line by line into strings.
#include "bench/Floors.h"

#include <benchmark/benchmark.h>

namespace tq::bench {

inline void readLinesFloorBench(benchmark::State& state, const std::string& path)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readLinesFloor(path));
}

} // namespace tq::bench
