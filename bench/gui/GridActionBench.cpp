// One action of the teacher in the grid, at 10 and at 501 students: its cost must not grow with
// the class. Each goes through the window's own event handling, as the teacher's keys and clicks
// do, and is painted before the next.
#include "bench/BenchData.h"
#include "bench/gui/BenchWindow.h"
#include "core/entry/ClassGridLayout.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/FavouritesList.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <set>

namespace tq::bench {
namespace {

void clickCell(ui::ClassGrid& grid, int row, int col)
{
    const QRect cell = grid.cellRect(row, col);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center() - grid.viewport()->geometry().topLeft());
}

// A mark typed into the mark cell and stored with Enter, which moves on to the next student.
void BM_Action_TypeMark(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(static_cast<int>(state.range(0)));
    const std::vector<int> rows = ordinaryStudentRows(bench.students());
    int turn = 0;
    for (auto _ : state) {
        typeMarkAndEnter(bench, rows[static_cast<size_t>(turn % 2)], turn);
        settle();
        bench.forgetMessages();
        ++turn;
    }
    const std::string& mark = bench.students()[static_cast<size_t>(rows[0] - 1)].mark;
    if (bench.markBox().isVisible() || (mark != "85" && mark != "86"))
        state.SkipWithError("the typed mark was not stored");
}
BENCHMARK(BM_Action_TypeMark)->Arg(smallClassSize)->Arg(largeClassSize)->Unit(benchmark::kMicrosecond);

// A favourite chosen in the list and placed with a left click on a comment cell.
void BM_Action_PlaceComment(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(static_cast<int>(state.range(0)));
    const int row = ordinaryStudentRows(bench.students()).front();
    int turn = 0;
    for (auto _ : state) {
        bench.favourites().setCurrentRow(turn % 2); // two codes in turn
        clickCell(bench.grid(), row, firstCommentColumn + 1);
        settle();
        bench.forgetMessages();
        ++turn;
    }
    const std::string placed = bench.students()[static_cast<size_t>(row - 1)].comment(2);
    if (bench.favourites().currentItem()->text().left(4) != QString::fromStdString(placed))
        state.SkipWithError("the chosen favourite was not placed in the comment cell");
}
BENCHMARK(BM_Action_PlaceComment)->Arg(smallClassSize)->Arg(largeClassSize)->Unit(benchmark::kMicrosecond);

// A left click on a learning-skill cell in the skills view, which steps the rating.
void BM_Action_RateSkill(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(static_cast<int>(state.range(0)));
    frmEntry& window = bench.window();
    const int row = ordinaryStudentRows(bench.students()).front();
    window.cmdSwitch_Click(); // to the skills view
    settle();
    std::set<std::string> ratings{bench.students()[static_cast<size_t>(row - 1)].skill(1)};
    for (auto _ : state) {
        clickCell(bench.grid(), row, firstSkillColumn);
        settle();
        bench.forgetMessages();
        ratings.insert(bench.students()[static_cast<size_t>(row - 1)].skill(1));
    }
    if (ratings.size() < 2)
        state.SkipWithError("the clicks did not change the rating");
    window.cmdSwitch_Click(); // back to the comments view
    settle();
}
BENCHMARK(BM_Action_RateSkill)->Arg(smallClassSize)->Arg(largeClassSize)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
