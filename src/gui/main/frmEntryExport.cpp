// The main window's eFile command: the class sorted by name, the main window hidden while the
// eFile window verifies the class, and the grid refilled when the teacher comes back.
#include "core/classdata/ClassSort.h"
#include "gui/export/frmExport.h"
#include "gui/main/frmEntry.h"

namespace tq {

void frmEntry::mnuExport_Click()
{
    if (state_.studentCount() < 1 || exportWindow)
        return;
    // Undo finds a student wherever the sort puts them; the undo goes only with the class itself.
    sortByName(state_.students);
    classChanged();
    fillflexGrid();
    hideForWorkingWindow();
    exportWindow = new frmExport(state_, dialogs_, this);
    connect(exportWindow, &frmExport::returned, this, [this] { returnFromExport(exportWindow->classReplaced()); });
    exportWindow->Form_Load();
}

void frmEntry::returnFromExport(bool classReplaced)
{
    // An update that replaced the class leaves no student for the undo to go back to; one that
    // failed left the class, and its undo, as they were.
    if (classReplaced) {
        clearUndo();
        classChanged();
    }
    fillflexGrid();
    showAfterWorkingWindow();
}

} // namespace tq
