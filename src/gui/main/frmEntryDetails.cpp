// The panels of the main window around the grid: the details of the current student, the
// favourites list beside the grid, and opening another favourites file.
#include "core/entry/ReadingLines.h"
#include "core/entry/StudentDetails.h"
#include "gui/main/DetailsPanel.h"
#include "gui/main/FavouritesPanel.h"
#include "gui/main/GridCellEntry.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/FavouritesFileDialogs.h"
#include "gui/widgets/FavouritesList.h"

#include <QCheckBox>

namespace tq {

void frmEntry::displayDetails(int studentIndex)
{
    if (studentIndex < 0 || studentIndex >= state_.studentCount())
        return;
    const StudentRecord& s = state_.students[static_cast<size_t>(studentIndex)];
    details_->showDetails(studentDetails(s, state_.phrases, showCourseCodes()),
                          studentReadingLines(s, state_.phrases, showCourseCodes()));
}

const std::string& frmEntry::commentRest() const
{
    return details_->commentRest();
}

const PendingCode& frmEntry::pending() const
{
    return cellEntry_->pending();
}

void frmEntry::showFavourites()
{
    commands_->setOpenFavouritesEnabled(true);
    favouritesPanel_->showFavourites(state_.favourites, state_.phrases);
}

// File > Open Favourites: a list with edits in no file is offered for saving first.
void frmEntry::openFavourites()
{
    FavouritesFileDialogs files(state_, dialogs_, this);
    if (state_.favouritesStatus.unsaved &&
        !files.offerToSave(QStringLiteral("Do you want to save the current Favourites File?"),
                           QStringLiteral("Load New Favourites File")))
        return;
    if (files.open() != FavouritesFileDialogs::Opened::Cancelled)
        showOpenedFavourites();
}

// The favourites as they are now (a file opened, a list restored, a working window left), with
// Initial Values on exactly while the list has a file: a list without one has no initial values
// the teacher chose. In the skills view the key stays in sight; the list behind it is brought up
// to date for when the teacher switches back.
void frmEntry::showOpenedFavourites()
{
    if (favouritesPanel_->learningSkillsShown())
        favouritesPanel_->favouritesList().showFavourites(state_.favourites, state_.phrases);
    else
        showFavourites();
    const bool named = !state_.favourites.favouritesFile.empty();
    optAutoFill->setEnabled(named);
    optAutoFill->setChecked(named);
}

} // namespace tq
