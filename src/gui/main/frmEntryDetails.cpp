// The panels of the main window around the grid: the details of the current student, the
// favourites list beside the grid, and opening another favourites file.
#include "core/base/TeacherFolder.h"
#include "core/entry/StudentDetails.h"
#include "gui/main/DetailsPanel.h"
#include "gui/main/FavouritesPanel.h"
#include "gui/main/GridCellEntry.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/FavouritesList.h"

#include <QCheckBox>
#include <QFile>

namespace tq {

void frmEntry::displayDetails(int studentIndex)
{
    if (studentIndex < 0 || studentIndex >= state_.studentCount())
        return;
    details_->showDetails(
        studentDetails(state_.students[static_cast<size_t>(studentIndex)], state_.phrases, showCourseCodes()));
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

void frmEntry::showEditedFavourites()
{
    // In the skills view the key stays in sight; the list behind it is brought up to date for
    // when the teacher switches back.
    if (favouritesPanel_->learningSkillsShown())
        favouritesPanel_->favouritesList().showFavourites(state_.favourites, state_.phrases);
    else
        showFavourites();
    if (!state_.favourites.favouritesFile.empty()) {
        optAutoFill->setEnabled(true);
        optAutoFill->setChecked(true);
    }
}

void frmEntry::openFavourites()
{
    const QString chosen = dialogs_.openFile(this, QStringLiteral("Open Favourites"),
                                             QStringLiteral("Tallyquill Favourites (*.tqf)|*.tqf"),
                                             QFile::decodeName(dialogStartFolder(state_.folders.teacherFolder).c_str()));
    if (chosen.isEmpty())
        return;
    state_.favourites.favouritesFile = QFile::encodeName(chosen).toStdString();
    if (MaybeMessage m = readFavourites(state_.favourites, state_.phrases))
        showMessage(*m);
    showFavourites();
    optAutoFill->setEnabled(true);
    optAutoFill->setChecked(true);
}

} // namespace tq
