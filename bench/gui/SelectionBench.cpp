// The Comment Selection window at full scale (10,000 phrases, 1,000 favourites): searches with
// the result list refilled and painted, against a bare list view given the same rows; moving and
// dragging a favourite; and opening the window, against a bare window showing the same list.
#include "bench/BenchData.h"
#include "bench/gui/BenchWindow.h"
#include "bench/gui/PaintCount.h"
#include "gui/selection/frmSelection.h"
#include "gui/widgets/FavouritesList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

namespace tq::bench {
namespace {

// Item views lay their rows out on a zero timer after a change, and paint after that: both run
// here, before the next action, as they do before the teacher sees the list.
void settleList()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    settle();
}

// The main window of the large class with Comment Selection open over it, as the teacher has it;
// the main window comes back when the benchmark is done.
class OpenSelection {
public:
    OpenSelection() : main_(benchWindow(largeClassSize).window())
    {
        main_.mnuSelection_Click();
        QCoreApplication::processEvents(); // the first paint of a window shown
        settle();
    }
    ~OpenSelection()
    {
        delete main_.working.selectionWindow.data(); // gone without leaving: nothing is saved
        main_.showAfterWorkingWindow();
        settle();
    }

    template <typename T>
    T& control(const char* name) const
    {
        T* w = main_.working.selectionWindow->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            throw std::runtime_error(std::string("no control ") + name);
        return *w;
    }

    // Sets the search boxes and lists; the search runs when Search is pressed.
    void ask(int department, const QString& and1, const QString& orTerm, bool hideDuplicates = true) const
    {
        control<QComboBox>("cmbDept").setCurrentIndex(department);
        control<QLineEdit>("txtAnd1").setText(and1);
        control<QLineEdit>("txtOr").setText(orTerm);
        control<QCheckBox>("chkNoDups").setChecked(hideDuplicates);
    }
    int resultCount() const { return control<QListView>("lstComments").model()->rowCount(); }

private:
    frmEntry& main_;
};

// The searches measured. 399 is the most matches the duplicate filter takes on, where its
// comparison of every match with every match kept costs most.
struct Search {
    int department;
    const char* and1;
    const char* orTerm;
    int matchesBeforeDuplicates;
};
const Search everything{0, "", "", libraryPhrases};
const Search keyword{0, "homework", "", 626};
const Search duplicates399{7, "time", "with", 399}; // "History", (time) OR with

const Search& searchOf(int which)
{
    return which == 0 ? everything : which == 1 ? keyword : duplicates399;
}

void BM_Search(benchmark::State& state)
{
    const Search& s = searchOf(static_cast<int>(state.range(0)));
    OpenSelection selection;
    selection.ask(s.department, QString::fromLatin1(s.and1), QString::fromLatin1(s.orTerm), false);
    selection.control<QPushButton>("cmdSearch").click();
    if (selection.resultCount() != s.matchesBeforeDuplicates) {
        state.SkipWithError("the generated library no longer gives the search its number of matches");
        return;
    }
    selection.control<QCheckBox>("chkNoDups").setChecked(true);
    PaintCount painted(selection.control<QListView>("lstComments"));
    for (auto _ : state) {
        selection.control<QPushButton>("cmdSearch").click();
        settleList();
    }
    requirePaints(state, painted);
    state.counters["rows"] = selection.resultCount();
}
BENCHMARK(BM_Search)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The floor: a plain list view, of the result list's size and font, given the same rows as a
// list of strings, all of one size, and painted.
void BM_Floor_BareListView(benchmark::State& state)
{
    const Search& s = searchOf(static_cast<int>(state.range(0)));
    QStringList rows;
    QSize size;
    QFont font;
    {
        OpenSelection selection;
        selection.ask(s.department, QString::fromLatin1(s.and1), QString::fromLatin1(s.orTerm));
        selection.control<QPushButton>("cmdSearch").click();
        const QListView& results = selection.control<QListView>("lstComments");
        for (int r = 0; r < results.model()->rowCount(); ++r)
            rows << results.model()->index(r, 0).data().toString();
        size = results.size();
        font = results.font();
    }
    QStringListModel model;
    QListView view;
    view.setUniformItemSizes(true);
    view.setFont(font);
    view.setModel(&model);
    view.resize(size);
    view.show();
    QCoreApplication::processEvents();
    PaintCount painted(view);
    for (auto _ : state) {
        model.setStringList(rows);
        settleList();
    }
    requirePaints(state, painted);
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_Floor_BareListView)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A favourite in the middle of the 1,000 moved down and back up with the buttons.
void BM_Favourites_MoveRow(benchmark::State& state)
{
    OpenSelection selection;
    auto& list = selection.control<FavouritesList>("lstFavourites");
    list.setCurrentRow(favouriteEntries / 2);
    settleList();
    PaintCount painted(list);
    int turn = 0;
    for (auto _ : state) {
        selection.control<QToolButton>(turn++ % 2 ? "cmdUp" : "cmdDown").click();
        settleList();
    }
    requirePaints(state, painted);
    if (list.count() != favouriteEntries || list.currentRow() < favouriteEntries / 2)
        state.SkipWithError("the row did not move");
}
BENCHMARK(BM_Favourites_MoveRow)->Unit(benchmark::kMicrosecond);

// One step of a drag in the 1,000: the pressed row follows the pointer to the next row and back.
void BM_Favourites_DragStep(benchmark::State& state)
{
    OpenSelection selection;
    auto& list = selection.control<FavouritesList>("lstFavourites");
    const int row = favouriteEntries / 2;
    list.scrollToItem(list.item(row), QAbstractItemView::PositionAtCenter);
    settle();
    const QPoint here = list.visualItemRect(list.item(row)).center();
    const QPoint below = list.visualItemRect(list.item(row + 1)).center();
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, here);
    settleList();
    PaintCount painted(list);
    int turn = 0;
    for (auto _ : state) {
        QTest::mouseMove(list.viewport(), turn++ % 2 ? here : below);
        settleList();
    }
    requirePaints(state, painted);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, here);
    if (list.count() != favouriteEntries)
        state.SkipWithError("the drag lost rows");
}
BENCHMARK(BM_Favourites_DragStep)->Unit(benchmark::kMicrosecond);

// Opening Comment Selection from the main window with the 1,000 favourites, to its first paint.
void BM_OpenSelection(benchmark::State& state)
{
    frmEntry& main = benchWindow(largeClassSize).window();
    for (auto _ : state) {
        main.mnuSelection_Click();
        settleList();
        state.PauseTiming();
        delete main.working.selectionWindow.data();
        state.ResumeTiming();
    }
    main.showAfterWorkingWindow();
    settle();
}
BENCHMARK(BM_OpenSelection)->Unit(benchmark::kMicrosecond);

// The floor: a bare window showing a plain list of the same 1,000 rows, all of one size.
void BM_Floor_BareWindowWithList(benchmark::State& state)
{
    QStringList rows;
    QSize size;
    {
        OpenSelection selection;
        const auto& list = selection.control<FavouritesList>("lstFavourites");
        for (int r = 0; r < list.count(); ++r)
            rows << list.item(r)->text();
        size = selection.control<FavouritesList>("lstFavourites").window()->size();
    }
    for (auto _ : state) {
        auto* window = new QWidget;
        auto* list = new QListWidget(window);
        list->setUniformItemSizes(true);
        list->addItems(rows);
        (new QVBoxLayout(window))->addWidget(list);
        window->resize(size);
        window->show();
        settleList();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Floor_BareWindowWithList)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
