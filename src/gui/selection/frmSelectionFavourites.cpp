// The favourites half of the Comment Selection window: phrases copied in from the search,
// separators, moving and removing rows, and the favourites files.
#include "core/base/TeacherFolder.h"
#include "core/program/ProgramState.h"
#include "core/selection/FavouritesCommands.h"
#include "gui/selection/PhraseMatchList.h"
#include "gui/selection/frmSelection.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/FavouritesList.h"

#include <QFile>
#include <QLabel>

namespace tq {

namespace {
const QString favouritesFilter = QStringLiteral("Tallyquill Favourites (*.tqf)|*.tqf");
}

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
    tq::newFavourites(state_.favourites);
    state_.recovery.favouritesSaved(); // nothing in a new list to lose
    showFavourites();
}

void frmSelection::rebuildEntries()
{
    state_.favourites.favourites = entriesFromRows(lstFavourites->lines());
    state_.recovery.favouritesChanged();
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
    insertRow(favouriteEntryLine(state_.phrases.phrases()[static_cast<size_t>(phrase)].code, state_.phrases));
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
    state_.recovery.favouritesChanged();
}

QString frmSelection::dialogFolder() const
{
    const std::string& folder = state_.folders.teacherFolder;
    return teacherFolderFound(folder) ? QFile::decodeName(QByteArray::fromStdString(folder)) : QString();
}

// Before New or Open replace the list: the teacher may save it first. A list that holds anything
// is asked about, named or not, so that no work goes without a word. False when the teacher
// wanted it saved and it was not (the dialog cancelled, the disk full): the list then stays.
bool frmSelection::saveBeforeReplacing()
{
    const Favourites& fav = state_.favourites;
    if (fav.favouritesFile.empty() && fav.favourites.empty())
        return true;
    if (!dialogs_.question(this, QStringLiteral("Do you want to save the current Favourites File?"),
                           QStringLiteral("Load New Favourites File")))
        return true;
    return saveCommand();
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
    const QString chosen = dialogs_.openFile(this, QStringLiteral("Open Favourites"), favouritesFilter, dialogFolder());
    // Cancelling changes nothing: the list the teacher had is still there.
    if (chosen.isEmpty())
        return;
    if (MaybeMessage m = openFavouritesFile(state_.favourites, QFile::encodeName(chosen).toStdString(), state_.phrases))
        showMessage(*m);
    state_.recovery.favouritesSaved(); // what memory holds is the file's, or nothing
    showFavourites();
}

void frmSelection::mnuAddToFavourites_Click()
{
    const QString chosen =
        dialogs_.openFile(this, QStringLiteral("Add to Favourites"), favouritesFilter, dialogFolder());
    if (!chosen.isEmpty()) {
        if (MaybeMessage m = appendFavouritesFile(state_.favourites, QFile::encodeName(chosen).toStdString()))
            showMessage(*m);
        else
            state_.recovery.favouritesChanged();
    }
    showFavourites();
}

bool frmSelection::saveCommand()
{
    if (savesUnderItsName(state_.favourites.favouritesFile))
        return writeFavourites();
    return saveAsFavourites();
}

bool frmSelection::saveAsFavourites()
{
    const QString chosen =
        dialogs_.saveFile(this, QStringLiteral("Save As Favourites"), favouritesFilter, dialogFolder(), QString());
    if (chosen.isEmpty())
        return false;
    state_.favourites.favouritesFile = QFile::encodeName(chosen).toStdString();
    showCaption();
    return writeFavourites();
}

bool frmSelection::writeFavourites()
{
    if (MaybeMessage m = saveFavourites(state_.favourites)) {
        showMessage(*m);
        return false;
    }
    state_.recovery.favouritesSaved();
    return true;
}

} // namespace tq
