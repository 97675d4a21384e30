// The main window's New command: the Get Class dialog over the window, and the new class shown.
#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/main/ClassFileStatus.h"
#include "gui/main/DetailsPanel.h"
#include "gui/main/frmEntry.h"

namespace tq {

void frmEntry::newTrillium()
{
    if (!offerToSaveClass(QStringLiteral("Do you want to save the current class?"),
                          QStringLiteral("Load New Trillium Class")))
        return;
    // Each New starts with a fresh dialog and a fresh reading of the master file.
    if (working.getClassDialog)
        working.getClassDialog->close();
    working.getClassDialog = new frmGetTrilliumfile(state_, dialogs_, this);
    connect(working.getClassDialog, &frmGetTrilliumfile::classBuilt, this, [this] {
        state_.recovery.classStarted();
        state_.classOpen = OpenedFile{};
        clearUndo();
        // The grid shows the new class with its first student current, and so do the details.
        fillflexGrid();
        if (state_.studentCount() > 0) {
            commands_->setClassCommandsEnabled(true);
            classFile_->showFile(std::string());
        } else {
            details_->clear();
        }
    });
    connect(working.getClassDialog, &frmGetTrilliumfile::programMustEnd, this, [this] { endProgram(); });
    working.getClassDialog->Form_Load();
}

} // namespace tq
