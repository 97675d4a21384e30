// What recovery copies cost the window at 501 students: the part of one copy that runs on the
// window's thread (the snapshot taken at the end of the event, handed to the writer), and typing
// a mark with copies kept against the same without them: at most one copy an interval, as the
// teacher has it, and a copy after every mark, the most the window can be asked to do. The
// writer's thread writes them meanwhile, as it would.
#include "bench/BenchData.h"
#include "bench/gui/BenchWindow.h"
#include "core/entry/ClassGridLayout.h"
#include "gui/recovery/RecoveryStart.h"
#include "gui/widgets/ClassGrid.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace tq::bench {
namespace {

// Another window of 501 students, keeping copies in a folder of the generated files.
BenchWindow& windowKeepingCopies(RecoveryCopies::Delay interval)
{
    BenchWindow& w = keepBenchWindow(std::make_unique<BenchWindow>(sharedBenchFiles().largeClassFile));
    const std::string folder = sharedBenchFiles().folder + "/recovery-" + std::to_string(interval.count());
    RecoveryCopies::Settings settings;
    settings.folder = folder;
    settings.interval = interval;
    if (!startRecovery(w.state(), &w.window(), std::move(settings)))
        throw std::runtime_error("no recovery folder");
    return w;
}

// Copies after every change.
BenchWindow& windowCopyingEveryChange()
{
    static BenchWindow& window = windowKeepingCopies(RecoveryCopies::Delay{0});
    return window;
}

BenchWindow& windowCopyingAsTheTeacherHasIt()
{
    static BenchWindow& window = windowKeepingCopies(RecoveryCopies::defaultInterval);
    return window;
}

// The window's part of one copy: the change reported, and at the end of the event the class
// copied and handed to the writer.
void BM_Recovery_WindowPart501(benchmark::State& state)
{
    BenchWindow& bench = windowCopyingEveryChange();
    for (auto _ : state) {
        bench.state().recovery.classChanged();
        QCoreApplication::processEvents();
    }
    bench.state().recovery.flush();
}
BENCHMARK(BM_Recovery_WindowPart501)->Unit(benchmark::kMicrosecond);

// A mark typed and stored with Enter, and the events that follow handled: argument 0 without
// copies, 1 with copies at most once an interval, 2 with a copy after every mark.
void BM_Recovery_TypeMark501(benchmark::State& state)
{
    BenchWindow& bench = state.range(0) == 0   ? benchWindow(largeClassSize)
                         : state.range(0) == 1 ? windowCopyingAsTheTeacherHasIt()
                                               : windowCopyingEveryChange();
    const std::vector<int> rows = ordinaryStudentRows(bench.students());
    int turn = 0;
    for (auto _ : state) {
        typeMarkAndEnter(bench, rows[static_cast<size_t>(turn % 2)], turn);
        QCoreApplication::processEvents();
        settle();
        bench.forgetMessages();
        ++turn;
    }
    bench.state().recovery.flush();
}
BENCHMARK(BM_Recovery_TypeMark501)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
