// The phrase library: loading the 10,000 phrases, looking codes up and composing a class's
// comments.
#include "bench/BenchData.h"
#include "bench/core/ReadLinesFloor.h"
#include "core/classdata/ClassFile.h"
#include "core/phrases/Composition.h"
#include "core/phrases/PhraseLibrary.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace tq::bench {
namespace {

void BM_PhraseLibraryLoad(benchmark::State& state)
{
    const std::string& path = sharedBenchFiles().phraseLibrary;
    for (auto _ : state) {
        PhraseLibraryLoad load = loadPhraseLibrary(path);
        if (load.message || load.library.phraseCount() != libraryPhrases)
            state.SkipWithError("the phrase library did not load whole");
        benchmark::DoNotOptimize(load);
    }
}
BENCHMARK(BM_PhraseLibraryLoad)->Unit(benchmark::kMicrosecond);

void BM_Floor_ReadLines_PhraseLibrary(benchmark::State& state) { readLinesFloorBench(state, sharedBenchFiles().phraseLibrary); }
BENCHMARK(BM_Floor_ReadLines_PhraseLibrary)->Unit(benchmark::kMicrosecond);

const PhraseLibrary& library()
{
    static const PhraseLibrary loaded = loadPhraseLibrary(sharedBenchFiles().phraseLibrary).library;
    return loaded;
}

// 100,000 lookups over a mix of the codes a class and a favourites list hold: present codes
// from all over the library, and now and then one it lacks (below, between and above its codes).
void BM_LookupPhrase100k(benchmark::State& state)
{
    std::vector<std::string> codes;
    Sequence seq(7);
    for (int i = 0; i < 1000; ++i) {
        const int n = seq.between(0, libraryPhrases - 1);
        codes.push_back(i % 20 == 0 ? std::string("99999") : i % 20 == 1 ? std::string("000") : std::to_string(10000 + n).substr(1));
    }
    for (auto _ : state) {
        size_t total = 0;
        for (int i = 0; i < 100000; ++i)
            total += lookupPhrase(library(), codes[static_cast<size_t>(i % 1000)]).size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_LookupPhrase100k)->Unit(benchmark::kMicrosecond);

void BM_ComposeComments501(benchmark::State& state)
{
    const ClassList students = std::get<ClassList>(readClassFile(sharedBenchFiles().largeClassFile));
    for (auto _ : state) {
        size_t total = 0;
        for (const StudentRecord& s : students)
            total += composeComments(s, library()).totalLength;
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ComposeComments501)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
