// The favourites file of Initial Values Setup: its list beside the grid, the palette of codes;
// opening another file, which first saves the one open.
#include "core/program/ProgramState.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/FavouritesFileDialogs.h"
#include "gui/widgets/FavouritesList.h"

#include <QFile>
#include <QLabel>

namespace tq {

void frmAutoFill::showFavourites()
{
    // The caption holds a path, which is in the file system's encoding rather than the code page.
    lblFavouriteFile->setFullText(QFile::decodeName(favouritesCaption(state_.favourites.favouritesFile).c_str()));
    lstFavourites->showFavourites(state_.favourites, state_.phrases);
}

void frmAutoFill::cmdOpenFavourites_Click()
{
    // The edits made here must reach a file before another one replaces them in memory: a named
    // list is saved at once, an unnamed one with edits is offered for saving.
    FavouritesFileDialogs files(state_, dialogs_, this);
    const bool saved = savesUnderItsName(state_)
                           ? !favouritesDifferFromFile(state_) || files.save()
                           : !state_.favouritesStatus.unsaved ||
                                 files.offerToSave(QStringLiteral("Do you want to save the current Favourites File?"),
                                                   QStringLiteral("Load New Favourites File"));
    if (saved)
        openFavourites();
}

void frmAutoFill::openFavourites()
{
    if (FavouritesFileDialogs(state_, dialogs_, this).open() == FavouritesFileDialogs::Opened::Cancelled) {
        if (state_.favourites.favouritesFile.empty())
            close(); // nothing to set up
        return;
    }
    showFavourites();
    fillflexGrid();
    discardUndo();
}

} // namespace tq
