// The main window's New command: the Get Class dialog over the window, and the new class shown.
#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/Dialogs.h"

#include <QLabel>

namespace tq {

void frmEntry::newTrillium()
{
    if (!offerToSaveClass(QStringLiteral("Do you want to save the current class?"),
                          QStringLiteral("Load New Trillium Class")))
        return;
    // Each New starts with a fresh dialog and a fresh reading of the master file.
    if (getClassDialog)
        getClassDialog->close();
    getClassDialog = new frmGetTrilliumfile(state_, dialogs_, this);
    connect(getClassDialog, &frmGetTrilliumfile::classBuilt, this, [this] { showNewClass(); });
    connect(getClassDialog, &frmGetTrilliumfile::programMustEnd, this, [this] { endProgram(); });
    getClassDialog->Form_Load();
}

void frmEntry::showNewClass()
{
    state_.recovery.classStarted();
    clearUndo();
    fillflexGrid();
    if (state_.studentCount() > 0) {
        enableClassCommands();
        showClassFile(std::string());
    }
    for (QLabel* detail : {lblDetail1, lblDetail2, lblDetail3, lblDetail4, lblDetail5})
        detail->clear();
}

} // namespace tq
