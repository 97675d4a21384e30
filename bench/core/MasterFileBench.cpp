// The master file of 3,000 students: the class-code list of the Get Class dialog, the members
// of a three-section class, and the update of the 501-student class against it.
#include "bench/BenchData.h"
#include "bench/core/ReadLinesFloor.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassUpdate.h"
#include "core/classdata/MasterFile.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace tq::bench {
namespace {

void BM_MasterClassCodeList(benchmark::State& state)
{
    const std::string& path = sharedBenchFiles().masterFile;
    for (auto _ : state) {
        ClassCodeList list = readClassCodeList(path, systemClock());
        if (list.message || list.codes.size() != masterClassCodeCount)
            state.SkipWithError("the class-code list is not the generated one");
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_MasterClassCodeList)->Unit(benchmark::kMicrosecond);

void BM_MasterMembership3Codes(benchmark::State& state)
{
    const std::string& path = sharedBenchFiles().masterFile;
    const std::vector<std::string> codes(largeClassCodes.begin(), largeClassCodes.end());
    for (auto _ : state) {
        std::optional<ClassList> members = readMasterStudents(path, codes);
        if (!members || members->size() != largeClassSize)
            state.SkipWithError("the three sections do not hold the large class");
        benchmark::DoNotOptimize(members);
    }
}
BENCHMARK(BM_MasterMembership3Codes)->Unit(benchmark::kMicrosecond);

void BM_Floor_ReadLines_MasterFile(benchmark::State& state) { readLinesFloorBench(state, sharedBenchFiles().masterFile); }
BENCHMARK(BM_Floor_ReadLines_MasterFile)->Unit(benchmark::kMicrosecond);

void BM_UpdateClassFromMaster501(benchmark::State& state)
{
    const BenchFiles& files = sharedBenchFiles();
    const ClassList original = std::get<ClassList>(readClassFile(files.largeClassFile));
    for (auto _ : state) {
        state.PauseTiming();
        ClassList students = original;
        state.ResumeTiming();
        ClassUpdateResult r = updateClassFromMaster(students, files.masterFile, systemClock(), updateListCapacity,
                                                    updateListCapacity);
        if (r.failed || r.addedStudents.empty() || r.droppedStudents.empty())
            state.SkipWithError("the update did not add and drop the generated students");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_UpdateClassFromMaster501)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
