// The class file of 501 students: opening and saving it.
#include "bench/BenchData.h"
#include "bench/core/ReadLinesFloor.h"
#include "core/base/FileIdentity.h"
#include "core/base/TextFile.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/CsvText.h"

#include <benchmark/benchmark.h>

#include <string_view>
#include <variant>
#include <vector>

namespace tq::bench {
namespace {

void BM_ClassFileOpen501(benchmark::State& state)
{
    const std::string& path = sharedBenchFiles().largeClassFile;
    for (auto _ : state) {
        auto read = readClassFile(path);
        if (!std::holds_alternative<ClassList>(read))
            state.SkipWithError("the class file was refused");
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_ClassFileOpen501)->Unit(benchmark::kMicrosecond);

void BM_Floor_ReadLines_ClassFile(benchmark::State& state) { readLinesFloorBench(state, sharedBenchFiles().largeClassFile); }
BENCHMARK(BM_Floor_ReadLines_ClassFile)->Unit(benchmark::kMicrosecond);

// For reference, what any reader of the class must spend beyond the floor: 501 records made and
// their texts filled from fields already split (nothing parsed, nothing checked).
void BM_Reference_FillRecords_ClassFile(benchmark::State& state)
{
    const std::string text = readTextFile(sharedBenchFiles().largeClassFile).value_or(std::string());
    std::vector<ClassLineFields> fields;
    std::vector<std::string_view> rests;
    for (std::string_view line : lineViews(text)) {
        fields.emplace_back();
        if (!takeCsvFields(line, fields.back().data(), 26))
            state.SkipWithError("the class file has an unclosed quote");
        rests.push_back(line);
    }
    for (auto _ : state) {
        ClassList students(fields.size());
        for (size_t i = 0; i < fields.size(); ++i)
            fillStudentRecord(students[i], fields[i], rests[i]);
        benchmark::DoNotOptimize(students);
    }
}
BENCHMARK(BM_Reference_FillRecords_ClassFile)->Unit(benchmark::kMicrosecond);

std::string savedCopyPath() { return sharedBenchFiles().folder + "/Saved501.tqc"; }

// A save makes the file whole on the disk before it replaces the old one, so each iteration
// waits for the disk: measured in real time.
void BM_ClassFileSave501(benchmark::State& state)
{
    const ClassList students = std::get<ClassList>(readClassFile(sharedBenchFiles().largeClassFile));
    for (auto _ : state)
        if (!saveClassFile(savedCopyPath(), students))
            state.SkipWithError("the class could not be saved");
}
BENCHMARK(BM_ClassFileSave501)->Unit(benchmark::kMicrosecond)->UseRealTime();

void writeFloor(benchmark::State& state, Durability durability)
{
    const std::vector<std::string> lines = readLinesFloor(sharedBenchFiles().largeClassFile);
    for (auto _ : state)
        if (!writeLinesFloor(savedCopyPath(), lines, durability))
            state.SkipWithError("the lines could not be written");
}

void BM_Floor_WriteLinesDurable_ClassFile(benchmark::State& state) { writeFloor(state, Durability::Durable); }
BENCHMARK(BM_Floor_WriteLinesDurable_ClassFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_Floor_WriteLinesBuffered_ClassFile(benchmark::State& state) { writeFloor(state, Durability::Buffered); }
BENCHMARK(BM_Floor_WriteLinesBuffered_ClassFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The check before every save over a file the program read: which file its name leads to, and
// its bytes hashed again whatever its time says.
void changedOnDiskCheck(benchmark::State& state, const std::string& path)
{
    KnownFiles known;
    known.remember(path);
    for (auto _ : state)
        if (known.changeSince(path) != KnownFiles::Since::Unchanged)
            state.SkipWithError("the file looks changed");
}

void BM_ChangedOnDiskCheck_ClassFile501(benchmark::State& state) { changedOnDiskCheck(state, sharedBenchFiles().largeClassFile); }
BENCHMARK(BM_ChangedOnDiskCheck_ClassFile501)->Unit(benchmark::kMicrosecond);

void BM_ChangedOnDiskCheck_Favourites1000(benchmark::State& state) { changedOnDiskCheck(state, sharedBenchFiles().favourites); }
BENCHMARK(BM_ChangedOnDiskCheck_Favourites1000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
