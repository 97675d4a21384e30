// The main window's eFile command: the class sorted by name, the main window hidden while the
// eFile window verifies the class, and the grid refilled when the teacher comes back.
#include "classdata/ClassSort.h"
#include "export/frmExport.h"
#include "program/frmEntry.h"

namespace tq {

void frmEntry::mnuExport_Click()
{
    if (state_.studentCount() < 1 || exportWindow)
        return;
    sortByName(state_.students);
    clearUndo(); // the students may now stand at other places
    fillflexGrid();
    hideForWorkingWindow();
    exportWindow = new frmExport(state_, dialogs_, this);
    connect(exportWindow, &frmExport::returned, this, [this] { returnFromExport(); });
    exportWindow->Form_Load();
}

void frmEntry::returnFromExport()
{
    // The update may have replaced the class; whatever it holds now is what the grid shows.
    clearUndo();
    fillflexGrid();
    showAfterWorkingWindow();
}

} // namespace tq
