// The comment checks: a class of 501 students, each with a free-form comment at the Trillium
// limit, checked as the eFile window does; one comment checked again as the teacher types it;
// and opening the dictionary, which the program does once.
#include "bench/BenchData.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/spelling/ClassCommentCheck.h"
#include "core/spelling/SpellDictionary.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace tq::bench {
namespace {

constexpr size_t commentLength = 460;

const PhraseLibrary& library()
{
    static const PhraseLibrary loaded = loadPhraseLibrary(sharedBenchFiles().phraseLibrary).library;
    return loaded;
}

const SpellDictionary* dictionary()
{
    static const std::unique_ptr<SpellDictionary> opened =
        SpellDictionary::open(systemDictionaryFolder, defaultDictionaryName);
    return opened.get();
}

void BM_OpenDictionary(benchmark::State& state)
{
    for (auto _ : state) {
        std::unique_ptr<SpellDictionary> d = SpellDictionary::open(systemDictionaryFolder, defaultDictionaryName);
        if (!d)
            state.SkipWithError("no en_CA dictionary: install hunspell-en-ca");
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_OpenDictionary)->Unit(benchmark::kMillisecond);

// Everything the eFile window does for the warnings, with the dictionary already open: the
// checker made from the 10,000-phrase library and the class's names, then every comment checked,
// the dictionary's answers unknown at the start.
void BM_CheckClassComments501(benchmark::State& state)
{
    const ClassList students = largeClassWithFreeFormComments(defaultOrigin, commentLength);
    if (!dictionary() || students.size() != largeClassSize)
        state.SkipWithError("no en_CA dictionary, or not 501 students");
    size_t found = 0;
    for (auto _ : state) {
        CommentChecker checker = CommentChecker::forClass(dictionary(), library(), students, {});
        found = classCommentFindings(students, checker).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["findings"] = static_cast<double>(found);
}
BENCHMARK(BM_CheckClassComments501)->Unit(benchmark::kMillisecond);

// One 460-character comment checked again after each key, by a checker that has checked it once
// (as the dialog's has, from its first showing): every rule over the whole text.
void BM_RecheckComment460(benchmark::State& state)
{
    const ClassList students = largeClass(defaultOrigin);
    CommentChecker checker = CommentChecker::forClass(dictionary(), library(), students, {});
    std::string comment = typedFreeFormComment(students[0], students, 1, commentLength);
    checker.findings(comment, students[0]);
    const std::string keys = "abcdefghijklmnopqrstuvwxyz";
    size_t turn = 0;
    for (auto _ : state) {
        comment[commentLength / 2] = keys[turn++ % keys.size()]; // the word typed in changes
        benchmark::DoNotOptimize(checker.findings(comment, students[0]));
    }
}
BENCHMARK(BM_RecheckComment460)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
