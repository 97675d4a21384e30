#include "bench/gui/BenchWindow.h"

#include "bench/BenchData.h"

#include "core/entry/ClassGridLayout.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/NamedControls.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <map>
#include <stdexcept>

namespace tq::bench {

BenchWindow::BenchWindow(const std::string& classFile)
{
    const BenchFiles& files = sharedBenchFiles();
    state_.folders = programFoldersFor(files.folder, files.folder); // the library lies in the folder
    window_ = std::make_unique<frmEntry>(state_, dialogs_);
    const std::string favourites = files.favourites;
    if (!window_->Form_Load([favourites](ProgramState& s) { s.favourites.favouritesFile = favourites; }))
        throw std::runtime_error("the main window did not start on the generated phrase library");
    grid_ = ui::findNamed<ui::ClassGrid>(window_.get(), "msfgClass");
    markBox_ = ui::findNamed<QLineEdit>(window_.get(), "txtDataEntry");
    favourites_ = ui::findNamed<FavouritesList>(window_.get(), "lstFavourites");
    if (!grid_ || !markBox_ || !favourites_)
        throw std::runtime_error("the main window has lost a control the benchmarks drive");
    window_->openClass(classFile);
    if (state_.students.empty())
        throw std::runtime_error("the generated class did not open: " + classFile);
    QCoreApplication::processEvents(); // the first paint of a window shown
    settle();
}

namespace {
std::map<int, std::unique_ptr<BenchWindow>>& openWindows()
{
    static std::map<int, std::unique_ptr<BenchWindow>> windows;
    return windows;
}

std::vector<std::unique_ptr<BenchWindow>>& keptWindows()
{
    static std::vector<std::unique_ptr<BenchWindow>> windows;
    return windows;
}
} // namespace

BenchWindow& keepBenchWindow(std::unique_ptr<BenchWindow> window)
{
    keptWindows().push_back(std::move(window));
    return *keptWindows().back();
}

BenchWindow& benchWindow(int classSize)
{
    std::unique_ptr<BenchWindow>& w = openWindows()[classSize];
    if (!w) {
        const BenchFiles& files = sharedBenchFiles();
        w = std::make_unique<BenchWindow>(classSize == smallClassSize ? files.smallClassFile : files.largeClassFile);
    }
    return *w;
}

void closeBenchWindows()
{
    openWindows().clear();
    keptWindows().clear();
}

void settle()
{
    // Posted events include the repaint requests: the dirty parts of the window are painted here.
    QCoreApplication::sendPostedEvents();
}

void typeMarkAndEnter(BenchWindow& bench, int row, int turn)
{
    typeMarkAndEnter(bench, row, turn % 2 ? "85" : "86");
}

void typeMarkAndEnter(BenchWindow& bench, int row, const char (&mark)[3])
{
    bench.grid().setCurrent(row, markColumn);
    QTest::keyClick(&bench.grid(), mark[0]);
    QTest::keyClick(&bench.markBox(), mark[1]);
    QTest::keyClick(&bench.markBox(), Qt::Key_Return);
}

std::vector<int> ordinaryStudentRows(const ClassList& students)
{
    std::vector<int> rows;
    for (int i = 0; i < smallClassSize; ++i)
        if (!students[static_cast<size_t>(i)].hasFreeForm)
            rows.push_back(i + 1);
    if (rows.size() < 2)
        throw std::runtime_error("the generated class has too few students without a free-form comment");
    return rows;
}

} // namespace tq::bench
