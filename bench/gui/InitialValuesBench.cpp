// Initial Values Setup at full size: 100 ranges and 1,000 favourites. Opening the window from
// the main window's menu, a code placed and a rating stepped by click, each within a frame; and
// the ranges grid rebuilt against a bare Qt table given the same texts.
#include "bench/BenchData.h"
#include "bench/gui/BareTable.h"
#include "bench/gui/BenchWindow.h"
#include "core/initialvalues/RangeGridLayout.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/NamedControls.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <set>

namespace tq::bench {
namespace {

frmEntry& mainWindow() { return benchWindow(smallClassSize).window(); }

// The setup window as the teacher finds it after Mode > Initial Values Setup, painted.
frmAutoFill& openSetup()
{
    frmEntry& window = mainWindow();
    if (!window.working.autoFillWindow) {
        ui::findNamed<QAction>(&window, "mnuAutoFill")->trigger();
        QCoreApplication::processEvents(); // the first paint of a window shown
        settle();
    }
    return *window.working.autoFillWindow;
}

// Leaves the window (which saves the favourites) and lets it go.
void closeSetup()
{
    if (frmAutoFill* setup = mainWindow().working.autoFillWindow) {
        setup->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

ui::ClassGrid& rangesGrid(frmAutoFill& setup) { return *setup.findChild<ui::ClassGrid*>(QStringLiteral("msfgClass")); }

void clickRange(ui::ClassGrid& grid, int row, int col)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.viewport()->mapFrom(&grid, grid.cellRect(row, col).center()));
}

void BM_AutoFill_Open(benchmark::State& state)
{
    closeSetup();
    for (auto _ : state) {
        frmAutoFill& setup = openSetup();
        state.PauseTiming();
        if (rangesGrid(setup).rows() != favouriteRanges + 1)
            state.SkipWithError("the window did not show the 100 ranges");
        closeSetup();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AutoFill_Open)->Unit(benchmark::kMicrosecond);

// A favourite chosen in the list and placed with a left click on a range's comment cell.
void BM_AutoFill_PlaceComment(benchmark::State& state)
{
    frmAutoFill& setup = openSetup();
    ui::ClassGrid& grid = rangesGrid(setup);
    auto& palette = *setup.findChild<FavouritesList*>(QStringLiteral("lstFavourites"));
    int turn = 0;
    for (auto _ : state) {
        palette.setCurrentRow(turn % 2); // two codes in turn
        clickRange(grid, 2, firstRangeCommentColumn + 1);
        settle();
        ++turn;
    }
    if (grid.text(2, firstRangeCommentColumn + 1) != palette.item(palette.currentRow())->text().left(4))
        state.SkipWithError("the chosen favourite was not placed in the range");
}
BENCHMARK(BM_AutoFill_PlaceComment)->Unit(benchmark::kMicrosecond);

// A left click on a rating of a range, which steps it.
void BM_AutoFill_RateSkill(benchmark::State& state)
{
    ui::ClassGrid& grid = rangesGrid(openSetup());
    std::set<QString> ratings{grid.text(3, firstRangeSkillColumn)};
    for (auto _ : state) {
        clickRange(grid, 3, firstRangeSkillColumn);
        settle();
        ratings.insert(grid.text(3, firstRangeSkillColumn));
    }
    if (ratings.size() < 2)
        state.SkipWithError("the clicks did not change the rating");
}
BENCHMARK(BM_AutoFill_RateSkill)->Unit(benchmark::kMicrosecond);

// The ranges grid rebuilt from the 100 ranges, as every range edit and another file do, painted.
void BM_AutoFill_FillGrid(benchmark::State& state)
{
    frmAutoFill& setup = openSetup();
    for (auto _ : state) {
        setup.fillflexGrid();
        settle();
    }
}
BENCHMARK(BM_AutoFill_FillGrid)->Unit(benchmark::kMicrosecond);

// The floor: a plain QTableWidget of the ranges grid's size holding its 101 x 11 texts, painted.
void BM_Floor_BareRangeTable(benchmark::State& state)
{
    fillBareTableLike(state, rangesGrid(openSetup()));
}
BENCHMARK(BM_Floor_BareRangeTable)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
