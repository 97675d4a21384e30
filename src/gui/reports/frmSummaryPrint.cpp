// The Class Summary on paper or in a PDF file, and in a print preview from which it can be
// printed too. The chart is drawn on the page by the same code that draws it on the screen, in
// black and white.
#include "core/program/ProgramState.h"
#include "core/reports/ClassSummaryReport.h"
#include "gui/reports/MarkChartPainter.h"
#include "gui/reports/PrintScriptPlayer.h"
#include "gui/reports/frmSummary.h"
#include "gui/widgets/Dialogs.h"

namespace tq {

namespace {
ui::LinePrinter::PaintPicture chartOnPaper(const MarkDistribution& marks)
{
    return [marks](QPainter& painter, const QRectF& area) { paintMarkChart(painter, area, marks, ui::paperInk()); };
}
} // namespace

PrintScript frmSummary::summaryPrintout()
{
    showClass(); // the printout and the window show the same class
    return classSummaryReport(shown_, state_.clock());
}

void frmSummary::printSummary()
{
    std::unique_ptr<ui::LinePrinter> printer = dialogs_.choosePrinter(this, QPageLayout::Portrait);
    if (!printer)
        return;
    // A printer that fails ends the printout where it is, without a message.
    printOn(*printer);
}

bool frmSummary::printOn(ui::LinePrinter& printer)
{
    const PrintScript printout = summaryPrintout();
    return playPrintScript(printout, printer, chartOnPaper(shown_.marks));
}

void frmSummary::previewSummary()
{
    const PrintScript printout = summaryPrintout();
    dialogs_.previewPrint(this, QStringLiteral("Tallyquill ~ Class Summary ~ Print Preview"), QPageLayout::Portrait,
                          [printout, chart = chartOnPaper(shown_.marks)](ui::LinePrinter& printer) {
                              return playPrintScript(printout, printer, chart);
                          });
}

} // namespace tq
