// The Class Summary at 501 students: brought up to date with the class and painted, against a
// frame; and typing a mark with the window open, as the teacher has it (brought up to date at
// most once every 250 ms) and after every mark (the most the window can be asked to do),
// against typing with it closed. The window is told of each change as the main window's
// classChanged() tells it.
#include "bench/BenchData.h"
#include "bench/gui/BenchWindow.h"
#include "bench/gui/PaintCount.h"
#include "gui/reports/MarkChart.h"
#include "gui/reports/frmSummary.h"
#include "gui/widgets/NamedControls.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace tq::bench {
namespace {

// The summary of the large class, open beside its main window and painted; the main window is
// active again, as when the teacher goes back to typing.
std::unique_ptr<frmSummary> openSummary(BenchWindow& bench, std::chrono::milliseconds interval)
{
    auto summary = std::make_unique<frmSummary>(bench.state(), bench.dialogs(), &bench.window());
    summary->setFollowInterval(interval);
    summary->showBeside(&bench.window());
    QCoreApplication::processEvents();
    bench.window().activateWindow();
    QCoreApplication::processEvents();
    settle();
    return summary;
}

ui::MarkChart& chartOf(frmSummary& summary) { return *ui::findNamed<ui::MarkChart>(&summary, "picChart"); }

// One student's mark moved between two bands, the summary worked out again and shown: the
// figures, the chart and its paint.
void BM_Summary_Update501(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(largeClassSize);
    const std::unique_ptr<frmSummary> summary = openSummary(bench, frmSummary::defaultFollowInterval);
    std::string& mark = bench.state().students[static_cast<size_t>(ordinaryStudentRows(bench.students()).front() - 1)].mark;
    const std::string before = mark;
    PaintCount painted(chartOf(*summary));
    int turn = 0;
    for (auto _ : state) {
        mark = turn++ % 2 ? "85" : "45";
        summary->showClass();
        settle();
    }
    requirePaints(state, painted);
    mark = before;
}
BENCHMARK(BM_Summary_Update501)->Unit(benchmark::kMicrosecond);

// A mark typed and stored with Enter, and the events that follow handled: argument 0 with the
// Class Summary closed, 1 open as the teacher has it, 2 open and brought up to date after every
// mark. The student's mark goes from 45 to 85 and back, so that every mark moves the figures
// and the chart.
void BM_Summary_TypeMark501(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(largeClassSize);
    std::unique_ptr<frmSummary> summary;
    if (state.range(0) > 0)
        summary = openSummary(bench, state.range(0) == 1 ? frmSummary::defaultFollowInterval : std::chrono::milliseconds{0});
    const int row = ordinaryStudentRows(bench.students()).front();
    int turn = 0;
    for (auto _ : state) {
        typeMarkAndEnter(bench, row, turn % 2 ? "45" : "85");
        if (summary)
            summary->refresh();
        QCoreApplication::processEvents();
        settle();
        bench.forgetMessages();
        ++turn;
    }
    if (state.range(0) == 2 && summary->shown() != summarizeClass(bench.students()))
        state.SkipWithError("the Class Summary did not follow the typed marks");
}
BENCHMARK(BM_Summary_TypeMark501)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
