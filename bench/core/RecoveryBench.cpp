// Recovery copies of the class of 501 students: what the window spends on one (taking the
// snapshot) and what the writer's thread spends writing it.
#include "bench/BenchData.h"
#include "core/classdata/ClassFile.h"
#include "core/recovery/CopyWriter.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace tq::bench {
namespace {

ClassList largeClassRead()
{
    return std::get<ClassList>(readClassFile(sharedBenchFiles().largeClassFile));
}

// The window's part: the class copied into a snapshot for the writer.
void BM_Recovery_Snapshot501(benchmark::State& state)
{
    const ClassList students = largeClassRead();
    for (auto _ : state) {
        CopySnapshot snapshot{students, "/home/teacher/PPL3O1.tqc", 0};
        benchmark::DoNotOptimize(snapshot);
    }
}
BENCHMARK(BM_Recovery_Snapshot501)->Unit(benchmark::kMicrosecond);

// The writer's part, on its own thread: the class file's text, the copy and its description each
// made whole on the disk, the folder renamed into place and the copy before it removed. It waits
// for the disk: real time.
void BM_Recovery_Write501(benchmark::State& state)
{
    const CopySnapshot snapshot{largeClassRead(), "/home/teacher/PPL3O1.tqc", 0};
    const std::string folder = sharedBenchFiles().folder + "/recovery";
    if (!makeRecoveryFolder(folder))
        state.SkipWithError("no recovery folder");
    static std::uint64_t number = 1; // each copy newer than the one before, across repetitions
    for (auto _ : state)
        if (!writeCopyFolder(folder, "bench", number++, copyText(snapshot), copyNote(snapshot, "bench", 1)))
            state.SkipWithError("the copy could not be written");
}
BENCHMARK(BM_Recovery_Write501)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
} // namespace tq::bench
