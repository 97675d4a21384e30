#include "gui/main/ClassReportPrinting.h"

#include "core/entry/StudentDetails.h"
#include "core/program/ProgramState.h"
#include "core/reports/ClassReport.h"
#include "gui/main/DetailsPanel.h"
#include "gui/main/EntryHost.h"
#include "gui/reports/PrintScriptPlayer.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/LinePrinter.h"

#include <algorithm>

namespace tq {

ClassReportPrinting::ClassReportPrinting(QWidget& window, ProgramState& state, ui::Dialogs& dialogs,
                                         EntryHost& host, const DetailsPanel& details, const ui::ClassGrid& grid)
    : QObject(&window), window_(window), state_(state), dialogs_(dialogs), host_(host), details_(details), grid_(grid)
{
}

PrintScript ClassReportPrinting::report()
{
    // The panel shows each student as the report reaches it, and each comment that is too long
    // for Trillium is named in a message box (TQ8A) as the report is made: nothing is typed then.
    return classReport(state_.students, state_.phrases, host_.showCourseCodes(), state_.clock(),
                       [this](int studentIndex) {
                           host_.displayDetails(studentIndex);
                           if (details_.commentTooLong())
                               ui::showMessage(dialogs_, &window_, commentTooLongMessage());
                       });
}

void ClassReportPrinting::showCurrentStudentAgain()
{
    // Back to the student of the current grid row (the first student when the grid is at its
    // first row), so the panel and the highlighted row agree again.
    host_.displayDetails(std::max(0, grid_.currentRow() - 1));
}

void ClassReportPrinting::print()
{
    std::unique_ptr<ui::LinePrinter> printer = dialogs_.choosePrinter(&window_, QPageLayout::Landscape);
    if (!printer)
        return;
    const PrintScript script = report();
    // A printer that fails ends the report where it is, without a message.
    playPrintScript(script, *printer);
    printer.reset();
    showCurrentStudentAgain();
}

void ClassReportPrinting::preview()
{
    const PrintScript script = report();
    showCurrentStudentAgain();
    dialogs_.previewPrint(&window_, QStringLiteral("Tallyquill ~ Class Report ~ Print Preview"),
                          QPageLayout::Landscape,
                          [script](ui::LinePrinter& printer) { return playPrintScript(script, printer); });
}

} // namespace tq
