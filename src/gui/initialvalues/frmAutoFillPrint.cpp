// The printout of the initial values: on the printer the teacher chooses (paper or a PDF file),
// or in a print preview from which it can be printed too. The first range is the current one
// afterwards.
#include "core/initialvalues/InitialValuesPrintout.h"
#include "core/initialvalues/RangeGridLayout.h"
#include "core/program/ProgramState.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/reports/PrintScriptPlayer.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/LinePrinter.h"

#include <QFile>

namespace tq {

PrintScript frmAutoFill::initialValuesScript() const
{
    const std::string& file = state_.favourites.favouritesFile;
    return initialValuesPrintout(state_.favourites.initialRanges, state_.phrases,
                                 ui::toCp1252(QFile::decodeName(file.c_str())), state_.clock());
}

void frmAutoFill::showFirstRange()
{
    if (isRangeRow(1))
        msfgClass->setCurrent(1, std::max(msfgClass->currentCol(), rangeFixedColumns));
}

void frmAutoFill::printInitialValues()
{
    std::unique_ptr<ui::LinePrinter> printer = dialogs_.choosePrinter(this, QPageLayout::Portrait);
    if (!printer)
        return;
    // A printer that fails ends the printout where it is, without a message.
    playPrintScript(initialValuesScript(), *printer);
    printer.reset();
    showFirstRange();
}

void frmAutoFill::previewInitialValues()
{
    const PrintScript printout = initialValuesScript();
    showFirstRange();
    dialogs_.previewPrint(this, QStringLiteral("Tallyquill ~ Initial Values ~ Print Preview"), QPageLayout::Portrait,
                          [printout](ui::LinePrinter& printer) { return playPrintScript(printout, printer); });
}

} // namespace tq
