#pragma once
// The Get Class dialog and the working windows the main window opens, each while it is open.
// Comment Selection, Initial Values Setup and eFile hide the main window until they are left.
#include <QPointer>

namespace tq {

class frmAutoFill;
class frmExport;
class frmGetTrilliumfile;
class frmSelection;

struct WorkingWindows {
    QPointer<frmGetTrilliumfile> getClassDialog;
    QPointer<frmExport> exportWindow;
    QPointer<frmAutoFill> autoFillWindow;
    QPointer<frmSelection> selectionWindow;
};

} // namespace tq
