// The main window's switches to the working windows: Comment Selection, Initial Values Setup and
// eFile. The main window hides while one is open and comes back, where the teacher left it,
// showing what the working window may have changed.
#include "core/classdata/ClassSort.h"
#include "core/initialvalues/InitialValuesSetup.h"
#include "gui/export/frmExport.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/main/WindowPlacement.h"
#include "gui/main/frmEntry.h"
#include "gui/reports/frmSummary.h"
#include "gui/selection/frmSelection.h"
#include "gui/widgets/ClassGrid.h"

namespace tq {

void frmEntry::mnuSelection_Click()
{
    if (working.selectionWindow)
        return;
    placement_->hideWindow();
    working.selectionWindow = new frmSelection(state_, dialogs_, this);
    connect(working.selectionWindow, &frmSelection::returned, this, [this] {
        // The window deletes itself once closed; the teacher may open a new one at once.
        working.selectionWindow = nullptr;
        returnFromWorkingWindow();
    });
    working.selectionWindow->Form_Load();
}

void frmEntry::mnuAutoFill_Click()
{
    if (working.autoFillWindow)
        return;
    // A favourites file with ranges is asked for when none is open.
    if (!initialValuesEditable(state_.favourites))
        openFavourites();
    if (!initialValuesEditable(state_.favourites)) {
        showMessage(initialValuesNeedFavouritesMessage());
        return;
    }
    placement_->hideWindow();
    working.autoFillWindow = new frmAutoFill(state_, dialogs_, this);
    connect(working.autoFillWindow, &frmAutoFill::returned, this, [this] { returnFromWorkingWindow(); });
    working.autoFillWindow->Form_Load();
}

// Back from Comment Selection or Initial Values Setup: the list shows whatever favourites are
// open now (the window may have opened another file), with Initial Values ticked when they have
// a file.
void frmEntry::returnFromWorkingWindow()
{
    showOpenedFavourites();
    showAfterWorkingWindow();
}

namespace {
// The same students with the same entries, in whatever order (the eFile check leaves a class it
// reports on in the master file's order).
bool sameStudents(ClassList a, ClassList b)
{
    sortByName(a);
    sortByName(b);
    return a == b;
}
} // namespace

void frmEntry::mnuExport_Click()
{
    if (state_.studentCount() < 1 || working.exportWindow)
        return;
    // Undo finds a student wherever the sort puts them; the undo goes only with the class itself.
    const CurrentPlace here = currentPlace();
    reorderKeepingPlace([this] {
        sortByName(state_.students);
        classChanged();
    });
    placement_->hideWindow();
    working.exportWindow = new frmExport(state_, dialogs_, this);
    connect(working.exportWindow, &frmExport::summaryRequested, this, [this] { showSummary(working.exportWindow); });
    connect(working.exportWindow, &frmExport::returned, this, [this, here] {
        // An update that replaced the class is one step of undo; one that failed or was declined
        // left the class, and its undo, as they were.
        if (working.exportWindow->classReplaced() && !sameStudents(working.exportWindow->classBefore(), state_.students)) {
            ClassList updated = std::move(state_.students);
            state_.students = working.exportWindow->classBefore();
            applyUpdatedClass(std::move(updated));
        }
        // Back in name order, on the student the teacher left, even when the update changed them.
        fillflexGrid();
        returnTo(here);
        showAfterWorkingWindow();
    });
    working.exportWindow->Form_Load();
    // The update against the master list may have replaced the class while the summary is open.
    if (working.summaryWindow)
        working.summaryWindow->refresh();
}

// The Class Summary beside `beside` (the main window, or the eFile window that asked for it):
// one window, kept once made; closing it only hides it.
void frmEntry::showSummary(QWidget* beside)
{
    if (!working.summaryWindow)
        working.summaryWindow = new frmSummary(state_, dialogs_, this);
    working.summaryWindow->showBeside(beside);
}

// However the working window was left, the keyboard is back on the grid's current cell, where
// the teacher goes on entering (not on whatever control last had it here).
void frmEntry::showAfterWorkingWindow()
{
    msfgClass->setFocus(Qt::OtherFocusReason);
    placement_->showWindowAgain();
    msfgClass->sayCurrentCell();
}

} // namespace tq
