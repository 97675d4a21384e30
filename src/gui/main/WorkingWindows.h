#pragma once
// The Get Class dialog and the working windows the main window opens, each while it is open.
// Comment Selection, Initial Values Setup and eFile hide the main window until they are left;
// the Class Summary stands beside it, following the class, until the teacher closes it.
#include <QPointer>

namespace tq {

class frmAutoFill;
class frmExport;
class frmGetTrilliumfile;
class frmSelection;
class frmSummary;

struct WorkingWindows {
    QPointer<frmGetTrilliumfile> getClassDialog;
    QPointer<frmExport> exportWindow;
    QPointer<frmAutoFill> autoFillWindow;
    QPointer<frmSelection> selectionWindow;
    QPointer<frmSummary> summaryWindow;
};

} // namespace tq
