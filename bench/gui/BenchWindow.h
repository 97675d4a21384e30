#pragma once
// The main window as the teacher has it at full scale: started offscreen on the 10,000-phrase
// library with the 1,000-entry favourites list, with a generated class open, and with scripted
// dialogs that show nothing.
#include "core/program/ProgramState.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/ScriptedDialogs.h"

#include <QLineEdit>

#include <memory>
#include <string>
#include <vector>

namespace tq::bench {

class BenchWindow {
public:
    explicit BenchWindow(const std::string& classFile);

    frmEntry& window() { return *window_; }
    // The main window's controls the benchmarks drive, found once by name.
    ui::ClassGrid& grid() { return *grid_; }
    QLineEdit& markBox() { return *markBox_; }
    FavouritesList& favourites() { return *favourites_; }
    const ClassList& students() const { return state_.students; }
    ProgramState& state() { return state_; }
    // The dialogs the window's windows are given (they show nothing).
    ui::ScriptedDialogs& dialogs() { return dialogs_; }
    // Forgets the messages shown so far (an over-long comment's warning, each time it is shown).
    void forgetMessages() { dialogs_.calls.clear(); }

private:
    ProgramState state_;
    ui::ScriptedDialogs dialogs_;
    std::unique_ptr<frmEntry> window_;
    ui::ClassGrid* grid_ = nullptr;
    QLineEdit* markBox_ = nullptr;
    FavouritesList* favourites_ = nullptr;
};

// One window per class size for the whole run: 10 (the small class) or 501 (the large one).
BenchWindow& benchWindow(int classSize);
// Keeps a window made for some benchmarks alone until the others are closed.
BenchWindow& keepBenchWindow(std::unique_ptr<BenchWindow> window);
// Closes them; before the application object goes, which they need.
void closeBenchWindows();

// Runs what the windows left for later (the grid's layout) and paints what changed, as the screen
// shows it before the teacher's next action.
void settle();

// The grid rows of the students without a free-form comment among the first ten: rows both
// classes share, so that an action is measured on the same students at either size.
std::vector<int> ordinaryStudentRows(const ClassList& students);

// Types a mark of two digits into the mark cell of `row` and stores it with Enter; the mark is
// 85 or 86 by `turn`, so that each turn changes the student.
void typeMarkAndEnter(BenchWindow& bench, int row, int turn);
// Types the two digits of `mark` into the mark cell of `row` and stores it with Enter.
void typeMarkAndEnter(BenchWindow& bench, int row, const char (&mark)[3]);

} // namespace tq::bench
