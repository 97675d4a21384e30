// The favourites list on paper or in a PDF file, and in a print preview from which it can be
// printed too.
#include "core/program/ProgramState.h"
#include "core/reports/FavouritesReport.h"
#include "gui/reports/PrintScriptPlayer.h"
#include "gui/selection/frmSelection.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/LinePrinter.h"

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
