// The printout of the initial values: on the printer the teacher chooses (paper or a PDF file),
// or in a print preview from which it can be printed too. The window shows the first range
// afterwards.
#include "initialvalues/InitialValuesPrintout.h"
#include "initialvalues/frmAutoFill.h"
#include "program/ProgramState.h"
#include "reports/PrintScriptPlayer.h"
#include "ui/Codepage.h"
#include "ui/Dialogs.h"
#include "ui/LinePrinter.h"

#include <QFile>

namespace tq {

PrintScript frmAutoFill::initialValuesScript() const
{
    const std::string& file = state_.favourites.favouritesFile;
    return initialValuesPrintout(state_.favourites.initialRanges, state_.phrases,
                                 ui::toCp1252(QFile::decodeName(file.c_str())), state_.clock());
}

void frmAutoFill::printInitialValues()
{
    std::unique_ptr<ui::LinePrinter> printer = dialogs_.choosePrinter(this, QPageLayout::Portrait);
    if (!printer)
        return;
    // A printer that fails ends the printout where it is, without a message.
    playPrintScript(initialValuesScript(), *printer);
    printer.reset();
    displayDetails(1);
}

void frmAutoFill::previewInitialValues()
{
    const PrintScript printout = initialValuesScript();
    displayDetails(1);
    dialogs_.previewPrint(this, QStringLiteral("Tallyquill ~ Initial Values ~ Print Preview"), QPageLayout::Portrait,
                          [printout](ui::LinePrinter& printer) { return playPrintScript(printout, printer); });
}

} // namespace tq
