// The favourites list on paper or in a PDF file, and in a print preview from which it can be
// printed too.
#include "program/ProgramState.h"
#include "reports/FavouritesReport.h"
#include "reports/PrintScriptPlayer.h"
#include "selection/frmSelection.h"
#include "ui/Dialogs.h"
#include "ui/LinePrinter.h"

namespace tq {

PrintScript frmSelection::favouritesPrintout() const
{
    return favouritesReport(state_.favourites, state_.phrases, state_.clock());
}

void frmSelection::PrintFavourites()
{
    std::unique_ptr<ui::LinePrinter> printer = dialogs_.choosePrinter(this, QPageLayout::Landscape);
    if (!printer)
        return;
    // A printer that fails ends the printout where it is, without a message.
    playPrintScript(favouritesPrintout(), *printer);
}

void frmSelection::previewFavourites()
{
    const PrintScript printout = favouritesPrintout();
    dialogs_.previewPrint(this, QStringLiteral("Tallyquill ~ Favourites ~ Print Preview"), QPageLayout::Landscape,
                          [printout](ui::LinePrinter& printer) { return playPrintScript(printout, printer); });
}

} // namespace tq
