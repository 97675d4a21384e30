// The class report of the main window: File > Print and the print button send it to the
// printer the teacher chooses (paper or a PDF file); File > Print Preview shows the same pages
// on screen, from where they can be printed too.
#include "core/reports/ClassReport.h"
#include "gui/main/frmEntry.h"
#include "gui/reports/PrintScriptPlayer.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/LinePrinter.h"

#include <algorithm>

namespace tq {

PrintScript frmEntry::classReportScript()
{
    // The panel shows each student as the report reaches it, and each comment that is too long
    // for Trillium is named in a message box (TQ8A) as the report is made: nothing is typed then.
    return classReport(state_.students, state_.phrases, showCourseCodes(), state_.clock(), [this](int studentIndex) {
        displayDetails(studentIndex);
        if (detailsCommentTooLong_)
            showMessage(commentTooLongMessage());
    });
}

void frmEntry::showDetailsAfterReport()
{
    // Back to the student of the current grid row (the first student when the grid is at its
    // first row), so the panel and the highlighted row agree again.
    displayDetails(std::max(0, msfgClass->currentRow() - 1));
}

void frmEntry::printClassReport()
{
    std::unique_ptr<ui::LinePrinter> printer = dialogs_.choosePrinter(this, QPageLayout::Landscape);
    if (!printer)
        return;
    const PrintScript report = classReportScript();
    // A printer that fails ends the report where it is, without a message.
    playPrintScript(report, *printer);
    printer.reset();
    showDetailsAfterReport();
}

void frmEntry::previewClassReport()
{
    const PrintScript report = classReportScript();
    showDetailsAfterReport();
    dialogs_.previewPrint(this, QStringLiteral("Tallyquill ~ Class Report ~ Print Preview"), QPageLayout::Landscape,
                          [report](ui::LinePrinter& printer) { return playPrintScript(report, printer); });
}

} // namespace tq
