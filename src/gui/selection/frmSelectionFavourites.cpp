// The favourites half of the Comment Selection window: phrases copied in from the search,
// separators, moving and removing rows, and the favourites files.
#include "core/program/ProgramState.h"
#include "core/selection/FavouritesCommands.h"
#include "gui/selection/PhraseMatchList.h"
#include "gui/selection/frmSelection.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/FavouritesFileDialogs.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/ScreenReaderAnnouncement.h"

#include <QFile>
#include <QLabel>

namespace tq {

void frmSelection::showMessage(const Message& m)
{
    ui::showMessage(dialogs_, this, m);
}

void frmSelection::showCaption()
{
    // The caption holds a path, which is in the file system's encoding rather than the code page.
    lblFavouriteFile->setFullText(QFile::decodeName(favouritesCaption(state_.favourites.favouritesFile).c_str()));
}

void frmSelection::showFavourites()
{
    showCaption();
    lstFavourites->showFavourites(state_.favourites, state_.phrases);
}

void frmSelection::newFavourites()
{
    startNewFavourites(state_);
    showFavourites();
}

void frmSelection::rebuildEntries()
{
    state_.favourites.favourites = entriesFromRows(lstFavourites->lines());
    favouritesEdited(state_);
}

void frmSelection::editRows(const RowChange& change, const std::string& inserted)
{
    lstFavourites->applyRowChange(change, inserted);
    rebuildEntries();
}

void frmSelection::insertRow(const std::string& line)
{
    const std::optional<RowChange> change = insertRowChange(lstFavourites->lines().size(), lstFavourites->selectedRow());
    if (!change) {
        showMessage(favouritesFullMessage());
        return;
    }
    editRows(*change, line);
}

void frmSelection::lstComments_DblClick(int row)
{
    const int phrase = lstComments->phraseAt(row);
    if (phrase < 0)
        return;
    const std::string& code = state_.phrases.phrases()[static_cast<size_t>(phrase)].code;
    insertRow(favouriteEntryLine(code, state_.phrases));
    ui::announce(ui::fromCp1252(code) + QStringLiteral(" added to the favourites"));
}

void frmSelection::cmdInsertDashes_Click()
{
    insertRow(favouriteSeparatorLine);
}

void frmSelection::cmdUp_Click()
{
    if (const std::optional<RowChange> change = moveUpChange(lstFavourites->lines().size(), lstFavourites->selectedRow()))
        editRows(*change);
}

void frmSelection::cmdDown_Click()
{
    if (const std::optional<RowChange> change = moveDownChange(lstFavourites->lines().size(), lstFavourites->selectedRow()))
        editRows(*change);
}

void frmSelection::cmdDeleteFavourite_Click()
{
    const std::optional<RowChange> change = removeRowChange(lstFavourites->lines().size(), lstFavourites->selectedRow());
    if (!change)
        return;
    lstFavourites->applyRowChange(*change);
    // The entries after the removed one move up; nothing else of them changes.
    std::vector<std::string>& entries = state_.favourites.favourites;
    if (change->from < entries.size())
        entries.erase(entries.begin() + static_cast<long>(change->from));
    favouritesEdited(state_);
}

// Before New or Open replace the list: the teacher may save it first. A list that holds anything,
// or edits of its ranges, is asked about, named or not, so that no work goes without a word.
// False when the teacher wanted it saved and it was not (the dialog cancelled, the disk full):
// the list then stays.
bool frmSelection::saveBeforeReplacing()
{
    const Favourites& fav = state_.favourites;
    if (fav.favouritesFile.empty() && fav.favourites.empty() && !state_.favouritesStatus.unsaved)
        return true;
    return FavouritesFileDialogs(state_, dialogs_, this)
        .offerToSave(QStringLiteral("Do you want to save the current Favourites File?"),
                     QStringLiteral("Load New Favourites File"));
}

void frmSelection::cmdNew_Click()
{
    if (saveBeforeReplacing())
        newFavourites();
}

void frmSelection::cmdOpen_Click()
{
    if (saveBeforeReplacing())
        openFavourites();
}

void frmSelection::openFavourites()
{
    // Cancelling changes nothing: the list the teacher had is still there.
    if (FavouritesFileDialogs(state_, dialogs_, this).open() != FavouritesFileDialogs::Opened::Cancelled)
        showFavourites();
}

void frmSelection::mnuAddToFavourites_Click()
{
    const QString chosen = dialogs_.openFile(this, QStringLiteral("Add to Favourites"),
                                             QString::fromLatin1(favouritesFileFilter),
                                             FavouritesFileDialogs(state_, dialogs_, this).dialogFolder());
    if (!chosen.isEmpty()) {
        if (MaybeMessage m = appendFavouritesFile(state_.favourites, QFile::encodeName(chosen).toStdString()))
            showMessage(*m);
        else
            favouritesEdited(state_);
    }
    showFavourites();
}

bool frmSelection::saveCommand()
{
    const bool saved = FavouritesFileDialogs(state_, dialogs_, this).save();
    showCaption();
    return saved;
}

bool frmSelection::saveAsFavourites()
{
    const bool saved = FavouritesFileDialogs(state_, dialogs_, this).saveAs();
    showCaption();
    return saved;
}

} // namespace tq
